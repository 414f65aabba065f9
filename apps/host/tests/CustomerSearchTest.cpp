// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Customer search by parts of names, streets and places, kept in step, with beginnings as fallback.
#include "CustomerSearch.h"
#include "../../db/CustomerSearchIndex.h"
#include "SearchWorker.h"
#include "platform/GuardedConnect.h"
#include "support/TestDatabase.h"
#include <QSet>
#include <QSqlQuery>
#include <gtest/gtest.h>

using batest::Engine;

namespace {

const char* const kInsert = "insert into Kundenstamm (Kundennummer, Bez1, Straße, Ort) values ";
const char* const kCustomers = "('10001', 'Meier', 'Bahnhofstraße 4', 'Bielefeld'), "
                               "('10002', 'Meyer Haustechnik GmbH', 'Am Markt 1', 'Bielefeld'), "
                               "('10003', 'Schmidt', 'Lindenweg 7', 'Bielefeld-Brackwede'), "
                               "('10004', 'Eiermann', 'Hauptstraße 12', 'Neukölln'), "
                               "('10005', 'O''Brien', 'Gartenstraße 3', 'Köln'), "
                               "('10006', 'Bau \"Nord\" 50% GmbH', 'Hafen 2', 'Hamburg'), "
                               "('10007', 'Bau_Nord', 'Hafen 3', 'Hamburg'), ('10100', "
                               "'Steinmeier', 'Kirchplatz 1', 'München')";

class CustomerSearchTest : public batest::OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        fill();
        QSqlDatabase db = database->db();
        belegadressen::dbsetup::createCustomerSearchIndex(db);
    }
    // A fresh database with the customers.
    void fill() {
        database = std::make_unique<batest::TestDatabase>(engine());
        database->exec(QString::fromUtf8(kInsert) + QString::fromUtf8(kCustomers));
    }

    // The customer numbers found, in the order found.
    QStringList numbers(const QString& typed, int limit = 50) {
        QStringList out;
        for (const QStringList& row : CustomerSearch(database->db()).find(typed, limit).rows)
            out << row.value(0);
        return out;
    }
    QSet<QString> found(const QString& typed) {
        const QStringList list = numbers(typed);
        return {list.begin(), list.end()};
    }

    std::unique_ptr<batest::TestDatabase> database;
};

using Numbers = QSet<QString>;

TEST_P(CustomerSearchTest, FindsAnyPartOfNameStreetOrPlace) {
    ASSERT_TRUE(CustomerSearch(database->db()).findsParts());
    const std::pair<const char*, Numbers> cases[] = {
        {"eier", {"10001", "10004", "10100"}}, // inside and at the start of a name
        {"ahnhof", {"10001"}},                 // inside the street
        {"MEIER", {"10001", "10100"}},         // case does not matter
        {"ölln", {"10004"}},                   // umlauts inside a place
        {"'Bri", {"10005"}},                   // a quote inside the text
        {"50%", {"10006"}},                    // % means itself
        {"u_N", {"10007"}},                    // _ means itself
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(found(QString::fromUtf8(typed)), expected) << typed;
}

// Texts too short for parts find beginnings only; beginnings come first, no customer twice.
TEST_P(CustomerSearchTest, ShortTextsFindBeginningsWhichComeFirst) {
    EXPECT_EQ(found("Me"), (Numbers{"10001", "10002"}));
    EXPECT_EQ(found("ie"), Numbers{});
    EXPECT_EQ(numbers("Meier"), (QStringList{"10001", "10100"})); // 10100 is Steinmeier
    EXPECT_EQ(numbers("1010"), QStringList{"10100"});             // a number's beginning
    // The limit holds over beginnings and parts together.
    EXPECT_EQ(numbers("Bielef", 2).size(), 2);
}

TEST_P(CustomerSearchTest, FollowsInsertsUpdatesAndDeletes) {
    database->exec(QString::fromUtf8(kInsert) +
                   "('10200', 'Kleinschmidt', 'Ulmenallee 9', 'Detmold')");
    EXPECT_EQ(found("schmidt"), (Numbers{"10003", "10200"}));
    database->exec("update Kundenstamm set Bez1 = 'Großmann' where Kundennummer = '10200'");
    EXPECT_EQ(found("schmidt"), Numbers{"10003"});
    EXPECT_EQ(found("roßma"), Numbers{"10200"});
    // A change of other columns leaves the found texts alone.
    database->exec("update Kundenstamm set Telefon = '0521 1' where Kundennummer = '10200'");
    EXPECT_EQ(found("Ulmenallee"), Numbers{"10200"});
    database->exec("delete from Kundenstamm where Kundennummer = '10200'");
    EXPECT_EQ(found("Ulmen"), Numbers{});
}

TEST_P(CustomerSearchTest, WithoutTheIndexBeginningsAreFoundAndTheReasonIsGiven) {
    fill(); // as written before the index existed
    const CustomerSearch search(database->db());
    EXPECT_FALSE(search.findsParts());
    EXPECT_TRUE(search.notice().contains("Anfang")) << search.notice().toStdString();
    EXPECT_EQ(found("ahnhof"), Numbers{});
    EXPECT_EQ(found("Meier"), Numbers{"10001"});
}

TEST_P(CustomerSearchTest, BrokenTextIsRefusedWithAReasonNotSentToTheDatabase) {
    const CustomerSearch search(database->db());
    for (const QString& typed :
         {QStringLiteral("Mei") + QChar(0) + "er", QString(QChar(0xD800)) + "eier"}) {
        try {
            search.find(typed);
            ADD_FAILURE() << "accepted";
        } catch (const SearchFailed& e) {
            ADD_FAILURE() << "sent to the database: " << e.what();
        } catch (const std::exception& e) {
            EXPECT_STRNE(e.what(), "");
        }
    }
}

// A scan for a beginning must start at the table's first page, not where
// the last scan of the table left off: otherwise one keystroke may read most
// of a large table before its first hit.
TEST_P(CustomerSearchTest, ScansStartAtTheTablesBeginningOnPostgres) {
    if (engine() != Engine::PostgreSQL) GTEST_SKIP() << "SQLite scans always start there";
    QSqlDatabase db = database->db();
    auto setting = [&db] {
        QSqlQuery q(db);
        return q.exec(QStringLiteral("SHOW synchronize_seqscans")) && q.next()
                   ? q.value(0).toString()
                   : QStringLiteral("(unreadable)");
    };
    ASSERT_EQ(setting(), QStringLiteral("on")) << "the server's default";
    const CustomerSearch search(db);
    EXPECT_EQ(setting(), QStringLiteral("off"));
    EXPECT_EQ(search.find(QStringLiteral("1000")).rows.size(), 7);
}

// The planner tells a frequent part (scanned until the limit) from a rare one
// (looked up in the index) only from a histogram of the searched text larger
// than the default one; without it a frequent part waits for whole posting lists.
TEST_P(CustomerSearchTest, TheIndexKeepsALargerHistogramOnPostgres) {
    if (engine() != Engine::PostgreSQL) GTEST_SKIP() << "FTS5 has no planner statistics";
    QSqlDatabase db = database->db();
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT attstattarget FROM pg_attribute WHERE attrelid = "
                                      "'ix_kundenstamm_suche'::regclass AND attnum = 1")) &&
                q.next());
    EXPECT_EQ(q.value(0).toInt(), 1000);
    // Creating it again on a database that has it changes nothing.
    belegadressen::dbsetup::createCustomerSearchIndex(db);
    EXPECT_EQ(found(QStringLiteral("eier")), (Numbers{"10001", "10004", "10100"}));
}

INSTANTIATE_TEST_SUITE_P(, CustomerSearchTest, batest::engines(), batest::EngineName());

} // namespace

namespace {

// The search's own session is closed or lost (a server restart): the next
// search opens a new one and finds again, and a failure names its reason.
TEST_P(CustomerSearchTest, TheWorkerSearchesAgainAfterItsSessionWasLost) {
    QSqlDatabase db = database->db();
    if (engine() == Engine::PostgreSQL)
        db.setConnectOptions("options=-csearch_path=" + database->pgSchema());
    SearchWorker worker(db.connectionName(), SearchTarget::customers());
    QStringList failures;
    QList<QStringList> rows;
    belegadressen::connectGuarded(
        &worker, &SearchWorker::answered, &worker,
        [&](quint64, const QString&, const QList<QStringList>& r, const QString& f) {
            rows = r;
            failures << f;
        });
    worker.search(1, "Meier");
    ASSERT_FALSE(rows.isEmpty()) << failures.join('\n').toStdString();
    for (const QString& name : QSqlDatabase::connectionNames())
        if (name.startsWith("suche-")) QSqlDatabase::database(name, false).close();
    rows.clear();
    failures.clear();
    worker.search(2, "Meier");
    EXPECT_FALSE(rows.isEmpty());
    EXPECT_EQ(failures, QStringList{QString()});
}

} // namespace
