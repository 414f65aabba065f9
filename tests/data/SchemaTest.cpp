// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Statements no other test sends, on both engines (PostgreSQL folds names, is strict on types).
#include "platform/SqlConnection.h"
#include "support/TestDatabase.h"
#include <gtest/gtest.h>

namespace {

template <class E> class SchemaTest : public batest::EngineTest<E> {};
TYPED_TEST_SUITE(SchemaTest, batest::BothEngines, batest::EngineNames);

TYPED_TEST(SchemaTest, AnswersTheStatementsOfTheControl) {
    auto db = this->connection();
    for (const char* sql : {
             "insert into Kundenstamm (Kundennummer, Bez1, Straße, KostID, Währung, KzDivers, "
             "Liefersperre) values ('10001', 'Müller', 'Hauptstraße 1', 7, 'CHF', -1, 0)",
             "insert into Standorte (Kundennummer, Standortnummer, StandortStraße) values "
             "('10001', 2, 'Am Bach 3')",
             "insert into Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, Bezeichnung) "
             "values ('10001', 2, 1, 'Kessel')",
             "insert into Personalstamm (PersonalNr, NachName, Vorname) values ('007', 'Kühn', "
             "'Jörg')",
             "insert into Währungen (Währung, Langtext, Kurs, Shiftfaktor, KZFibu) values "
             "('CHF', 'Franken', 0.94, 1, 'CHF')",
             "update Kundenstamm SET Kundeninfo = 'Info' where Kundennummer = '10001'",
             "update Kundenstamm SET Internebemerkung = 'Vorsicht' where Kundennummer = '10001'",
             // The master-data tables, empty here.
             "select Anrede from Anreden",
             "select Versandart, Kurztext from Versandtexte",
             "select MWStKZ, Kurztext from MWStKennzeichenKunde",
             "select Zahlungsart, Kurztext, ZahlungsartFibu from Zahlungsarten",
             "select ZahlBedSchl, Kurztext, NettoTage, SkontoTage1, SkontoProzent1, SkontoTage2, "
             "SkontoProzent2, SkontoTage3, SkontoProzent3, TextNummer, AlternativeTextNummer from "
             "Zahlungsbedingungen",
         })
        db->Execute(QString::fromUtf8(sql));

    // Each select answers one row, with this value in this column.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"select Kundennummer, Kundeninfo, InterneBemerkung FROM Kundenstamm where "
         "KundenNummer = '10001'",
         "Kundennummer", "10001"},
        {"Select * from Standorte where Kundennummer = '10001' and Standortnummer = '2'",
         "StandortStraße", "Am Bach 3"},
        {"Select * from Anlagenstamm where Kundennummer = '10001' AND Standortnummer = '2'",
         "Anlagenummer", "1"},
        {"Select * from Anlagenstamm where Kundennummer = '10001' and Standortnummer = '2' and "
         "Anlagenummer = '1'",
         "Bezeichnung", "Kessel"},
        {"select Kundeninfo, InterneBemerkung, Vorname, Anrede from Kundenstamm where "
         "Kundennummer = '10001'",
         "internebemerkung", "Vorsicht"},
        {"select Währung, Langtext, Kurs, Shiftfaktor, KZFibu from Währungen", "KZFibu", "CHF"},
        {"select Titel, Vorname, Nachname, Durchwahl, Kurzzeichen from Personalstamm", "Vorname",
         "Jörg"}};
    for (const auto& [sql, column, value] : cases) {
        SCOPED_TRACE(sql);
        auto rs = db->Execute(QString::fromUtf8(sql));
        ASSERT_FALSE(rs->Eof());
        EXPECT_EQ(rs->Value(QString::fromUtf8(column)).toString(), QString::fromUtf8(value));
        rs->MoveNext();
        EXPECT_TRUE(rs->Eof()) << "one row";
    }
}

} // namespace
