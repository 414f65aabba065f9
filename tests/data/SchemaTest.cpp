// The schema answers statements no other test sends on both engines (PostgreSQL
// folds names, compares integers with quoted numbers and is strict about types).
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
             "insert into Postleitzahlen values ('12345', 'Musterort', 'Nord', 'Hauptstraße')",
         })
        db->Execute(QString::fromUtf8(sql));

    struct Case {
        const char* sql;
        int rows;
        const char* column;
        const char* value;
    };
    const Case cases[] = {
        {"select Kundennummer, Kundeninfo, InterneBemerkung FROM Kundenstamm where "
         "KundenNummer = '10001'",
         1, "Kundennummer", "10001"},
        {"update Kundenstamm SET Kundeninfo = 'Info' where Kundennummer = '10001'", 0, nullptr,
         nullptr},
        {"update Kundenstamm SET Internebemerkung = 'Vorsicht' where Kundennummer = '10001'", 0,
         nullptr, nullptr},
        {"Select * from Standorte where Kundennummer = '10001'", 1, "StandortStraße", "Am Bach 3"},
        {"Select * from Standorte where Kundennummer = '10001' and Standortnummer = '2'", 1,
         "Standortnummer", "2"},
        {"Select * from Anlagenstamm where Kundennummer = '10001' AND Standortnummer = '2'", 1,
         "Anlagenummer", "1"},
        {"Select * from Anlagenstamm where Kundennummer = '10001' and Standortnummer = '2' and "
         "Anlagenummer = '1'",
         1, "Bezeichnung", "Kessel"},
        {"select Kundeninfo, InterneBemerkung, Vorname, Anrede from Kundenstamm where "
         "Kundennummer = '10001'",
         1, "internebemerkung", "Vorsicht"},
        {"select Plz, Ort, Ortsteil, Strasse from Postleitzahlen where Plz = '12345'", 1, "Ort",
         "Musterort"},
        {"select Anrede from Anreden", 0, nullptr, nullptr},
        {"select Versandart, Kurztext from Versandtexte", 0, nullptr, nullptr},
        {"select MWStKZ, Kurztext from MWStKennzeichenKunde", 0, nullptr, nullptr},
        {"select Zahlungsart, Kurztext, ZahlungsartFibu from Zahlungsarten", 0, nullptr, nullptr},
        {"select ZahlBedSchl, Kurztext, NettoTage, SkontoTage1, SkontoProzent1, SkontoTage2, "
         "SkontoProzent2, SkontoTage3, SkontoProzent3, TextNummer, AlternativeTextNummer from "
         "Zahlungsbedingungen",
         0, nullptr, nullptr},
        {"select Währung, Langtext, Kurs, Shiftfaktor, KZFibu from Währungen", 1, "KZFibu", "CHF"},
        {"select Titel, Vorname, Nachname, Durchwahl, Kurzzeichen from Personalstamm", 1, "Vorname",
         "Jörg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        auto rs = db->Execute(QString::fromUtf8(c.sql));
        int rows = 0;
        for (; !rs->Eof(); rs->MoveNext()) {
            if (rows++ == 0 && c.column) {
                EXPECT_EQ(rs->Value(QString::fromUtf8(c.column)).toString(),
                          QString::fromUtf8(c.value));
            }
        }
        EXPECT_EQ(rows, c.rows);
    }
}

} // namespace
