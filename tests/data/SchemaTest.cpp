// db/schema.sql answers every statement the control and its components send,
// on both engines (PostgreSQL folds the unquoted names, compares integer
// columns with quoted numbers, and is strict about types).
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
             "insert into Adressenstamm (AdressNummer, Bez1, Straße) values ('90000001', 'Adr', "
             "'Weg 2')",
             "insert into Standorte (Kundennummer, Standortnummer, StandortStraße) values "
             "('10001', 2, 'Am Bach 3')",
             "insert into Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, Bezeichnung) "
             "values ('10001', 2, 1, 'Kessel')",
             "insert into Personalstamm (PersonalNr, NachName, Vorname) values ('007', 'Kühn', "
             "'Jörg')",
             "insert into Textbausteine values ('KAN', '001', 'ÿÿÿ', '000', 'Guten Tag')",
             "insert into Währungen (Währung, Langtext, Kurs, Shiftfaktor, KZFibu) values "
             "('CHF', 'Franken', 0.94, 1, 'CHF')",
             "insert into Kostenzuordnung values (7, 'KST1', 'KTR1')",
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
        {"select AdressNummer, Bez1, Bez2, Bez3, Straße, Land, PLZ, Ort, Telefon, Telefax, "
         "AnredeHW, Vorname, Telefon, Telefon2, Telefon3, Telefax, EMail, Homepage, BezTelefon1, "
         "BezTelefon2, BezTelefon3, BezTelefax, BezEMail, BezHomepage FROM Adressenstamm where "
         "AdressNummer = '90000001'",
         1, "Straße", "Weg 2"},
        {"Select Kundennummer from Kundenstamm where Kundennummer = '10001'", 1, nullptr, nullptr},
        {"Select AdressNummer from Adressenstamm where AdressNummer = '90000001'", 1, nullptr,
         nullptr},
        {"Update Kundenstamm Set Vorname = 'a', Bez1 = 'b', Bez2 = 'c', Bez3 = 'd', Bez4 = 'e', "
         "Straße = 'f', Ort = 'g', Land = 'D', Plz = '1', Postfach = '2', PostfachPLZ = '3', "
         "Anrede = 'Herr' where Kundennummer = '10001'",
         0, nullptr, nullptr},
        {"Update Adressenstamm Set Vorname = 'a', Bez1 = 'b', Bez2 = 'c', Bez3 = 'd', "
         "Straße = 'f', Ort = 'g', Land = 'D', Plz = '1', AnredeHW = 'Frau' where "
         "AdressNummer = '90000001'",
         0, nullptr, nullptr},
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
        {"Select Bezeichnung from Anlagenstamm where Kundennummer = '10001' AND Standortnummer = "
         "2 AND Anlagenummer = 1",
         1, "Bezeichnung", "Kessel"},
        {"Select NachName, Vorname from Personalstamm where PersonalNr = '007'", 1, "Nachname",
         "Kühn"},
        {"Select Langtext from Textbausteine where Textart = 'KAN' AND Textnummer = '001' AND "
         "SprachKZ='ÿÿÿ' AND ZusatztextNummer = '000'",
         1, "Langtext", "Guten Tag"},
        {"Select Kurs from Währungen where Währung = 'CHF'", 1, "kurs", "0.94"},
        {"select Kundeninfo, InterneBemerkung, Vorname, Anrede from Kundenstamm where "
         "Kundennummer = '10001'",
         1, "internebemerkung", "Vorsicht"},
        {"select Kostenstelle, Kostentraeger from Kostenzuordnung where KostID = 7", 1,
         "Kostentraeger", "KTR1"},
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
