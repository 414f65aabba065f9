// SqlConnection against real SQLite files and a real PostgreSQL server.
#include "platform/SqlConnection.h"
#include "contracts/Error.h"
#include "platform/SqlText.h"
#include "support/AgreedStatements.h"
#include "support/TestDatabase.h"
#include <gtest/gtest.h>

using batest::Engine;
using belegadressen::Error;
using belegadressen::quoted;

namespace {

using batest::kCustomerSelect;

template <class E> class SqlConnectionTest : public batest::EngineTest<E> {
protected:
    void run(const QString& sql) { this->connection()->Execute(sql); }
    std::shared_ptr<belegadressen::Recordset> customer(const QString& number) {
        return this->connection()->Execute(kCustomerSelect + quoted(number));
    }
};
TYPED_TEST_SUITE(SqlConnectionTest, batest::BothEngines, batest::EngineNames);

TYPED_TEST(SqlConnectionTest, FindsColumnsByNameWhateverTheirCase) {
    this->run("insert into Kundenstamm (Kundennummer, Bez1, Straße, Währung, FußtextAN, KostID, "
              "PLZ, Auftragsrabatt) values ('10001', 'Müller', 'Hauptstraße 1', 'CHF', '001', 7, "
              "'12345', 2.5)");
    auto rs = this->customer("10001");
    ASSERT_FALSE(rs->Eof());
    const std::pair<const char*, QVariant> cases[] = {{"STRAßE", "Hauptstraße 1"},
                                                      {"straße", "Hauptstraße 1"},
                                                      {"WÄHRUNG", "CHF"},
                                                      {"fußtextan", "001"},
                                                      {"kostid", 7},
                                                      {"Plz", "12345"},
                                                      {"kundennummer", "10001"},
                                                      {"Auftragsrabatt", 2.5}};
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(rs->HasColumn(QString::fromUtf8(name)));
        EXPECT_EQ(rs->Value(QString::fromUtf8(name)).toString(), expected.toString());
    }
    EXPECT_FALSE(rs->HasColumn("Strasse"));
    EXPECT_FALSE(rs->HasColumn("Kundeninfo"));
    EXPECT_THROW(rs->Value("Kundeninfo"), Error);
}

TYPED_TEST(SqlConnectionTest, ReadsNullAsNullAndEmptyTextAsText) {
    this->run("insert into Kundenstamm (Kundennummer, Anrede, Bez1) values ('10002', '', 'X')");
    auto rs = this->customer("10002");
    ASSERT_FALSE(rs->Eof());
    for (const char* column : {"Bez4", "Auftragsrabatt", "Währung"})
        EXPECT_TRUE(rs->Value(QString::fromUtf8(column)).isNull()) << column;
    EXPECT_FALSE(rs->Value("Anrede").isNull());
    EXPECT_EQ(rs->Value("Anrede").toString(), QString());
    EXPECT_EQ(rs->Value("KzDivers").toInt(), 0);
}

TYPED_TEST(SqlConnectionTest, KeepsRowsReadableWhileOtherStatementsRun) {
    for (int site = 1; site <= 3; ++site)
        this->run(
            QStringLiteral("insert into Standorte (Kundennummer, Standortnummer, StandortOrt) "
                           "values ('10003', %1, 'Ort %1')")
                .arg(site));
    auto sites = this->connection()->Execute(
        "Select * from Standorte where Kundennummer = '10003' order by Standortnummer");
    ASSERT_FALSE(sites->Eof());
    EXPECT_EQ(sites->Value("Standortnummer").toInt(), 1);

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
    sites->MoveNext();
    EXPECT_TRUE(sites->Eof());
    EXPECT_THROW(sites->Value("StandortOrt"), Error);

    sites->MoveFirst();
    ASSERT_FALSE(sites->Eof());
    EXPECT_EQ(sites->Value("standortort").toString(), "Ort 1");
    sites->Close();
    EXPECT_TRUE(sites->Eof());
}

TYPED_TEST(SqlConnectionTest, AnswersNonSelectWithAnEmptyRecordset) {
    auto rs = this->connection()->Execute("update Kundenstamm set Bez4 = 'x' where 1 = 0");
    EXPECT_TRUE(rs->Eof());
    EXPECT_FALSE(rs->HasColumn("Bez4"));
}

TYPED_TEST(SqlConnectionTest, ThrowsTheDriversTextForAFailingStatement) {
    this->run("insert into Anreden (Anrede) values ('Herr')");
    const std::pair<const char*, const char*> cases[] = {
        {"select * from Gibtsnicht", "gibtsnicht"},
        {"select Unbekannt from Kundenstamm", "unbekannt"},
        {"insert into Anreden (Anrede) values ('Herr')", "anreden"},
    };
    for (const auto& [sql, mention] : cases) {
        SCOPED_TRACE(sql);
        try {
            this->run(QString::fromUtf8(sql));
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), Error::Database);
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(mention), Qt::CaseInsensitive))
                << e.text().toStdString();
        }
    }
    // The connection stays usable after a failure.
    EXPECT_FALSE(this->connection()->Execute("select Anrede from Anreden")->Eof());
}

TEST(SqlConnection, RefusesAClosedDatabase) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "ba_closed");
    try {
        belegadressen::SqlConnection connection(db);
        ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::Database);
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("ba_closed");
}

} // namespace
