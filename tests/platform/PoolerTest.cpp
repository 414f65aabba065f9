// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The control behind a connection pooler that pools sessions or transactions.
// Between the steps of each flow another client takes the server session the
// control used last: with transaction pooling the control's next transaction
// then runs in another server session, so anything it kept in a session of
// its own would be lost there.
#include "platform/PostalImport.h"
#include "support/ControlHarness.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <set>

using namespace belegadressen;
using namespace batest;

namespace {

struct PoolMode {
    const char* name;
    const char* variable; // the pooler's connection string, set by scripts/test
    bool sharesServerSessions;
};

class PoolerTest : public ::testing::TestWithParam<PoolMode> {
protected:
    void SetUp() override {
        const QString pooler = qEnvironmentVariable(GetParam().variable).trimmed();
        if (pooler.isEmpty() || postgresConnInfo().isEmpty())
            GTEST_SKIP() << GetParam().variable << " is not set; pooler tests skipped";
        h = std::make_unique<ControlHarness>(pooler, 2);
        h->control().SetzeAnzSeiten(1, 1);
        h->control().setMitKundenaktualisierung(true);
        other = openPostgres(QStringLiteral("ba_pool_other"), pooler,
                             h->database().db().databaseName());
        notePid();
    }
    void TearDown() override {
        if (other.isValid()) {
            QSqlQuery(other).exec(QStringLiteral("rollback"));
            other.close();
        }
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("ba_pool_other"));
        h.reset();
    }

    // The other client takes the server session released last (a pooler
    // hands out the most recent one first) and keeps it until its next turn.
    void takeTheLastServerSession() {
        QSqlQuery q(other);
        q.exec(QStringLiteral("rollback"));
        ASSERT_TRUE(q.exec(QStringLiteral("begin")) && q.exec(QStringLiteral("select 1")))
            << q.lastError().text().toStdString();
    }
    // Which server session the control's connection reaches now.
    void notePid() {
        QSqlQuery q(h->database().db());
        ASSERT_TRUE(q.exec(QStringLiteral("select pg_backend_pid()")) && q.next());
        pids.insert(q.value(0).toInt());
    }
    QString cell(const QString& select) { return h->database().rows(select).value(0); }

    std::unique_ptr<ControlHarness> h;
    QSqlDatabase other;
    std::set<int> pids;
};

INSTANTIATE_TEST_SUITE_P(, PoolerTest,
                         ::testing::Values(PoolMode{"Session", "BA_PGBOUNCER_SESSION", false},
                                           PoolMode{"Transaction", "BA_PGBOUNCER_TRANSACTION",
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(PoolerTest, LoadWriteBackSessionCheckAndImportHoldInAnyServerSession) {
    // A typed number loads the customer with its rates and cost assignment.
    takeTheLastServerSession();
    h->typeNumber("10001");
    EXPECT_EQ(h->edit("txtDAdr_1")->text(), "Müller Haustechnik GmbH");
    EXPECT_EQ(h->control().Kostenstelle(), "KST100");
    notePid();

    // The write-back compares and writes the master row.
    takeTheLastServerSession();
    h->edit("txtDAdr_5")->setText(QStringLiteral("Neue Straße 2"));
    static_cast<QToolButton*>(h->widget("btnAktKunde"))->click();
    EXPECT_EQ(cell("SELECT Straße FROM Kundenstamm WHERE Kundennummer = '10001'"), "Neue Straße 2");
    EXPECT_TRUE(h->messages().join('\n').contains("aktualisiert"))
        << h->messages().join("\n").toStdString();
    notePid();

    // A setting the host changes is carried to every server session by the
    // pooler, so the check before a statement that depends on it still sees it.
    takeTheLastServerSession();
    ASSERT_TRUE(QSqlQuery(h->database().db())
                    .exec(QStringLiteral("set standard_conforming_strings = off")));
    takeTheLastServerSession();
    EXPECT_THROW(h->database().connection()->Execute(
                     "select Kundennummer from Kundenstamm where Bez1 = 'C:\\temp'"),
                 Error);
    ASSERT_TRUE(
        QSqlQuery(h->database().db()).exec(QStringLiteral("set standard_conforming_strings = on")));
    notePid();

    // An import prepares its statements inside its own transaction.
    for (const char* ort : {"Altstadt", "Neustadt"}) {
        takeTheLastServerSession();
        const PostalImportCounts counts =
            PostalImport::write(h->database().db(), QStringLiteral("D"),
                                {{"70173", QString::fromUtf8(ort), {}, {}},
                                 {"70174", QString::fromUtf8(ort), {}, "Hauptstraße"}});
        EXPECT_EQ(counts.rows, 2);
        EXPECT_EQ(cell("SELECT count(*) FROM Postleitzahlen WHERE Ort = '" +
                       QString::fromUtf8(ort) + "'"),
                  "2");
        notePid();
    }

    // The test proves something only where the server sessions did change.
    EXPECT_EQ(pids.size() > 1, GetParam().sharesServerSessions) << pids.size();
}

} // namespace
