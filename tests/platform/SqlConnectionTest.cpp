// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Connections on SQLite and PostgreSQL, and the text that reaches their statements.
#include "platform/SqlConnection.h"
#include "contracts/Error.h"
#include "hostile/HostileValues.h"
#include "platform/SqlIdentifier.h"
#include "platform/SqlText.h"
#include "support/AgreedStatements.h"
#include "support/TestDatabase.h"
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>

using belegadressen::Error;
using belegadressen::quoted;

namespace {

using hostile::units;

// `run` must be refused as a database error whose text contains every one of `mentions`.
void expectRefused(const std::function<void()>& run, const QStringList& mentions,
                   Qt::CaseSensitivity cs = Qt::CaseSensitive) {
    try {
        run();
        ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::Database);
        for (const QString& m : mentions)
            EXPECT_TRUE(e.text().contains(m, cs)) << e.text().toStdString();
    }
}

template <class E> class SqlConnectionTest : public batest::EngineTest<E> {
protected:
    void run(const QString& sql) { this->connection()->Execute(sql); }
    std::shared_ptr<belegadressen::Recordset> customer(const QString& number) {
        return this->connection()->Execute(batest::kCustomerSelect + quoted(number));
    }
};
TYPED_TEST_SUITE(SqlConnectionTest, batest::BothEngines, batest::EngineNames);

// Columns are found by name whatever their case; NULL reads as null, empty
// text as text, and a statement that is no select as no rows.
TYPED_TEST(SqlConnectionTest, FindsColumnsByNameWhateverTheirCase) {
    this->run("insert into Kundenstamm (Kundennummer, Anrede, Bez1, Straße, Währung, FußtextAN, "
              "KostID, PLZ, Auftragsrabatt) values ('10001', '', 'Müller', 'Hauptstraße 1', "
              "'CHF', '001', 7, '12345', 2.5), ('10002', null, 'X', null, null, null, null, "
              "null, null)");
    auto rs = this->customer("10001");
    ASSERT_FALSE(rs->Eof());
    for (const auto& [name, expected] :
         {std::pair{"STRAßE", "Hauptstraße 1"}, std::pair{"straße", "Hauptstraße 1"},
          std::pair{"WÄHRUNG", "CHF"}, std::pair{"fußtextan", "001"}, std::pair{"kostid", "7"},
          std::pair{"Plz", "12345"}, std::pair{"Auftragsrabatt", "2.5"}}) {
        EXPECT_TRUE(rs->HasColumn(QString::fromUtf8(name))) << name;
        EXPECT_EQ(rs->Value(QString::fromUtf8(name)).toString(), QString::fromUtf8(expected))
            << name;
    }
    EXPECT_FALSE(rs->HasColumn("Strasse") || rs->HasColumn("Kundeninfo"));
    EXPECT_THROW(rs->Value("Kundeninfo"), Error);
    EXPECT_EQ(std::pair(rs->Value("Anrede").isNull(), rs->Value("Anrede").toString()),
              std::pair(false, QString()));

    rs = this->customer("10002");
    ASSERT_FALSE(rs->Eof());
    for (const char* column : {"Bez4", "Auftragsrabatt", "Währung"})
        EXPECT_TRUE(rs->Value(QString::fromUtf8(column)).isNull()) << column;
    auto none = this->connection()->Execute("update Kundenstamm set Bez4 = 'x' where 1 = 0");
    EXPECT_TRUE(none->Eof() && !none->HasColumn("Bez4"));
}

TYPED_TEST(SqlConnectionTest, KeepsRowsReadableWhileOtherStatementsRun) {
    this->run("insert into Standorte (Kundennummer, Standortnummer, StandortOrt) values "
              "('10003', 1, 'Ort 1'), ('10003', 2, 'Ort 2'), ('10003', 3, 'Ort 3')");
    auto sites = this->connection()->Execute(
        "Select * from Standorte where Kundennummer = '10003' order by Standortnummer");
    ASSERT_FALSE(sites->Eof());
    // Another select read to its end and a write, in between.
    auto other = this->connection()->Execute("select Standortnummer from Standorte");
    while (!other->Eof())
        other->MoveNext();
    this->run("update Standorte set StandortOrt = 'Neu' where Kundennummer = '10003' and "
              "Standortnummer = 3");

    QStringList places;
    for (; !sites->Eof(); sites->MoveNext())
        places << sites->Value("StandortOrt").toString();
    EXPECT_EQ(places, QStringList({"Ort 1", "Ort 2", "Ort 3"}));
    EXPECT_THROW(sites->Value("StandortOrt"), Error);

    sites->MoveFirst();
    ASSERT_FALSE(sites->Eof());
    EXPECT_EQ(sites->Value("standortort").toString(), "Ort 1");
    sites->Close();
    EXPECT_TRUE(sites->Eof());
}

TYPED_TEST(SqlConnectionTest, ThrowsTheDriversTextForAFailingStatement) {
    this->run("insert into Anreden (Anrede) values ('Herr')");
    // The statement and the name its error mentions.
    for (const auto& c : {std::pair{"select * from Gibtsnicht", "gibtsnicht"},
                          std::pair{"insert into Anreden (Anrede) values ('Herr')", "anreden"}}) {
        SCOPED_TRACE(c.first);
        expectRefused([&] { this->run(QString::fromUtf8(c.first)); }, {QString::fromUtf8(c.second)},
                      Qt::CaseInsensitive);
    }
    // The connection stays usable after a failure.
    EXPECT_FALSE(this->connection()->Execute("select Anrede from Anreden")->Eof());
}

// A select that fails after its first row leaves the connection usable and,
// on SQLite, no read lock behind that would keep another user from writing.
TYPED_TEST(SqlConnectionTest, ASelectFailingPartWayLeavesNoLockBehind) {
    const bool sqlite = this->engine() == batest::Engine::SQLite;
    this->run("create table ProbeRows (Nr INTEGER PRIMARY KEY)");
    this->run("insert into ProbeRows (Nr) values (0), (1)");
    // The second row overflows (SQLite) or divides by zero (PostgreSQL).
    expectRefused(
        [&] {
            this->run(sqlite
                          ? "select Nr, abs(-9223372036854775807 - Nr) from ProbeRows order by Nr"
                          : "select Nr, 1 / (Nr - 1) from ProbeRows order by Nr");
        },
        {});
    batest::OtherSession other(this->database());
    other.exec(sqlite ? "PRAGMA busy_timeout = 0" : "SET lock_timeout = '100ms'");
    EXPECT_NO_THROW(other.exec("insert into ProbeRows (Nr) values (2)"));
    auto rs = this->connection()->Execute("select count(*) as n from ProbeRows");
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Value("n").toInt(), 3);
}

TEST(SqlConnection, RefusesAClosedDatabase) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "ba_closed");
    expectRefused([&] { belegadressen::SqlConnection connection(db); }, {});
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("ba_closed");
}

// On SQLite a lone high surrogate swallowed the first quote of a doubled pair
// after it; PostgreSQL stored "?" in its place.
TYPED_TEST(SqlConnectionTest, LoneSurrogatesAreRefusedPairsRoundTrip) {
    auto connection = this->connection();
    auto insert = [&](int nr, const QString& value) {
        connection->Execute(QStringLiteral("insert into ProbeUtf (Nr, Wert) values (%1, %2)")
                                .arg(nr)
                                .arg(quoted(value)));
    };
    this->database().exec("create table ProbeUtf (Nr INTEGER PRIMARY KEY, Wert TEXT)");
    // Last three: a pair in the wrong order, a high surrogate at the end, two highs.
    for (const QString& value :
         {units({0xD800}), units({u'a', 0xD800, u'\'', u'\'', u'b'}),
          units({0xD83D, u'\'', u')', u';', u' ', u'-', u'-'}), units({0xDC00}),
          units({0xDE00, 0xD83D}), units({u'x', 0xD83D}), units({0xDBFF, 0xDBFF, 0xDFFF})}) {
        SCOPED_TRACE(value.toUtf8().toHex().toStdString());
        expectRefused([&] { insert(1, value); }, {"ungültiges Zeichen"});
    }
    EXPECT_TRUE(connection->Execute("select Nr from ProbeUtf")->Eof());

    int nr = 0;
    for (const QString& value : {units({0xD83D, 0xDE00}), units({u'\'', 0xD83D, 0xDD27, u'\''}),
                                 units({0xDBFF, 0xDFFF, u'\\'})}) {
        insert(++nr, value);
        auto rs =
            connection->Execute(QStringLiteral("select Wert from ProbeUtf where Nr = %1").arg(nr));
        ASSERT_FALSE(rs->Eof());
        EXPECT_EQ(rs->Value("Wert").toString(), value);
    }
}

// Quoting relies on literal backslashes and UTF-8; a session the host changed must not run.
TEST(SqlConnectionPostgres, RefusesASessionChangedAfterItWasOpened) {
    const QString connInfo = batest::postgresConnInfo();
    if (connInfo.isEmpty()) GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    const char* cases[][3] = {
        {"set standard_conforming_strings = off", "C:\\\\temp\\' or 1=1 --",
         "standard_conforming_strings"},
        {"set client_encoding = 'LATIN1'", "Müller", "LATIN1"},
        {"set client_encoding = 'SJIS'", "表'", "SJIS"},
    };
    for (const auto& [change, value, mention] : cases) {
        SCOPED_TRACE(change);
        {
            QSqlDatabase db = batest::openPostgres("ba_changed", connInfo);
            QSqlQuery(db).exec("create temporary table ProbeSitzung (Wert text)");
            belegadressen::SqlConnection connection(db);
            const QString insert =
                "insert into ProbeSitzung (Wert) values (" + quoted(QString::fromUtf8(value)) + ")";
            ASSERT_TRUE(QSqlQuery(db).exec(QString::fromUtf8(change)));
            // Named in German words for the user.
            expectRefused([&] { connection.Execute(insert); },
                          {QString::fromUtf8(mention), "Bitte"});
            // Nothing was written; plain ASCII still runs, and no connection is made on it.
            EXPECT_TRUE(connection.Execute("select Wert from ProbeSitzung")->Eof());
            EXPECT_THROW(belegadressen::SqlConnection{db}, Error);
            // Back to safe settings, the connection works again.
            ASSERT_TRUE(QSqlQuery(db).exec("set standard_conforming_strings = on"));
            ASSERT_TRUE(QSqlQuery(db).exec("set client_encoding = 'UTF8'"));
            connection.Execute(insert);
            auto rs = connection.Execute("select Wert from ProbeSitzung");
            ASSERT_FALSE(rs->Eof());
            EXPECT_EQ(rs->Value("Wert").toString(), QString::fromUtf8(value));
            db.close();
        }
        QSqlDatabase::removeDatabase("ba_changed");
    }
}

TEST(SqlIdentifier, AcceptsPlainNamesOnly) {
    for (const char* name : {"Kundenstamm", "Straße", "_intern", "Vertreter3"})
        EXPECT_TRUE(belegadressen::isPlainIdentifier(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(belegadressen::isPlainIdentifier(QString(63, QLatin1Char('a'))));
    // Too long at 64 bytes, also in UTF-8; a right-to-left mark hidden at the end.
    for (const QString& name :
         {QString(), QStringLiteral("1Tabelle"), QStringLiteral("Anreden; delete from Anreden"),
          QStringLiteral("Anreden'"), QStringLiteral("select"), "Anreden" + QString(QChar(0)),
          "A" + units({0xD800}), QString(64, QLatin1Char('a')), QString(32, QChar(0xE4)),
          QString::fromUtf8("Anreden\u200F")}) {
        SCOPED_TRACE(name.toUtf8().toHex().toStdString());
        EXPECT_FALSE(belegadressen::isPlainIdentifier(name));
        expectRefused([&] { belegadressen::checkedIdentifier(name, "Tabellenname"); },
                      {"kein gültiger Tabellenname"});
    }
}

} // namespace
