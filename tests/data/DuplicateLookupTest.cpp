// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The candidate lookup of the duplicate warning on both engines: the stored
// keys, rows without them, the keys cleared by the database when another
// program changes an address, and the indexes that answer the statement.
#include "data/DuplicateLookup.h"
#include "../../db/DatabaseSetup.h"
#include "support/TestDatabase.h"
#include <QRegularExpression>

using namespace belegadressen;
using namespace batest;

namespace {

class Lookup : public OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, Lookup, engines(), EngineName());

QString found(TestDatabase& db, const PartyAddress& typed) {
    QStringList got;
    for (const DuplicateCandidate& d : findDuplicates(*db.connection(), typed))
        got << (d.source == DuplicateSource::Kunde ? "K:" : "A:") + d.nummer;
    return got.join(' ');
}

TEST_P(Lookup, FindsVariantsThroughKeysAndRowsWithoutKeys) {
    TestDatabase db(engine());
    db.exec(QString::fromUtf8(
        "INSERT INTO Kundenstamm (Kundennummer, Vorname, Bez1, Straße, PLZ, Ort) VALUES"
        " ('10001','','Müller Haustechnik GmbH','Hauptstraße 5','70173','Stuttgart'),"
        " ('10002','Hans','Meier','Am Markt 3','01067','Dresden'),"
        " ('10003','','Schulz Bau AG','Hauptstraße 5','70173','Stuttgart'),"
        " ('10004','','Müller Haustechnik GmbH','Hauptstraße 5','80331','München'),"
        " ('O''N-1','','O''Neill & Söhne','Kai 1','20095','Hamburg'),"
        " ('1','','Roth GmbH','Hauptstr. 7-9','24103','Kiel')"));
    db.exec(QString::fromUtf8("INSERT INTO Adressenstamm (AdressNummer, Bez1, Straße, PLZ, Ort)"
                              " VALUES ('A-1','MUELLER HAUSTECHNIK','Hauptstr. 5','70174',"
                              "'Stuttgart')"));
    // Typed address, numbers found (surest first) before and after the keys are written.
    // Under another postal code only the address key can fetch a row; a range
    // is not the number its digits make, the range written otherwise is.
    const char *k1 = "K:10001", *both = "K:10001 A:A-1", *ort = "Stuttgart";
    const std::tuple<PartyAddress, const char*, const char*> cases[] = {
        {{"", "Mueller Haustechnik GmbH & Co. KG", "Hauptstr. 5", "70173", ort}, k1, both},
        {{"", "Dr. Hans Meyer", "", "01067", "Dresden"}, "K:10002", "K:10002"},
        {{"", "o'neill und soehne", "", "20095", "Hamburg"}, "K:O'N-1", "K:O'N-1"},
        {{"", "Müller Haustechnik", "Hauptstraße 5", "70176", ort}, "", both},
        {{"", "Müller Haustechnik", "", "70173' or '1'='1", ort}, "", ""},
        {{"", "", "Hauptstraße 5", "70173", ort}, "", ""},
        {{"", "Roth", "Hauptstr. 79", "24105", "Kiel"}, "", ""},
        {{"", "Roth", "Hauptstraße 7 - 9", "24105", "Kiel"}, "", "K:1"},
        {{"", "Roth", "Hauptstr. 7", "24105", "Kiel"}, "", ""},
        // The place spelled otherwise under the same postal code: the same street still tells.
        {{"", "Müller Haustechnik", "Hauptstr. 5", "70173", "Stuttgart-Mitte"}, k1, k1}};
    for (const bool keyed : {false, true}) {
        if (keyed) {
            EXPECT_EQ(fillDuplicateKeys(*db.connection()).keyed, 7);
        }
        for (const auto& [typed, before, after] : cases) {
            SCOPED_TRACE((typed.bez1 + typed.strasse).toStdString() +
                         (keyed ? " keyed" : " unkeyed"));
            EXPECT_EQ(found(db, typed), keyed ? after : before);
        }
    }
    EXPECT_EQ(fillDuplicateKeys(*db.connection()).keyed, 0) << "nothing left to key";
}

// Another program renames a customer: the database drops its keys, so the
// old name no longer finds it by key and the next fill keys the new one.
TEST_P(Lookup, ChangedAddressLosesItsKeys) {
    TestDatabase db(engine());
    db.exec("INSERT INTO Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort) VALUES"
            " ('1','Roth GmbH','Weg 1','24103','Kiel')");
    fillDuplicateKeys(*db.connection());
    db.exec("UPDATE Kundenstamm SET Telefon = '0431' WHERE Kundennummer = '1'");
    EXPECT_EQ(db.rows("SELECT Namensschluessel FROM Kundenstamm"), QStringList{"72"});
    db.exec("UPDATE Kundenstamm SET Bez1 = 'Beck GmbH', PLZ = '24105' WHERE Kundennummer = '1'");
    EXPECT_EQ(db.rows("SELECT count(*) FROM Kundenstamm WHERE Namensschluessel IS NULL AND "
                      "Anschriftschluessel IS NULL"),
              QStringList{"1"});
    EXPECT_EQ(fillDuplicateKeys(*db.connection()).keyed, 1);
    EXPECT_EQ(found(db, {"", "Bek", "Weg 1", "24103", "Kiel"}), "K:1") << "moved code, same street";
}

// A database written before the keys existed gets columns, indexes and
// triggers; running it twice changes nothing.
TEST_P(Lookup, OlderDatabaseIsBroughtUpToDate) {
    TestDatabase db(engine(), false);
    db.exec("CREATE TABLE Kundenstamm (Kundennummer VARCHAR(20) PRIMARY KEY, Vorname TEXT, "
            "Bez1 TEXT, Straße TEXT, PLZ TEXT, Ort TEXT, Telefon TEXT)");
    db.exec("CREATE TABLE Adressenstamm (AdressNummer VARCHAR(20) PRIMARY KEY, Vorname TEXT, "
            "Bez1 TEXT, Straße TEXT, PLZ TEXT, Ort TEXT)");
    db.exec("INSERT INTO Kundenstamm (Kundennummer, Bez1, PLZ) VALUES ('1','Roth','24103')");
    for (int run = 0; run < 2; ++run) {
        QSqlDatabase q = db.db();
        ASSERT_NO_THROW(dbsetup::addDuplicateKeys(q)) << "run " << run;
    }
    EXPECT_EQ(found(db, {"", "Rot", "", "24103", "Kiel"}), "K:1") << "found before it is keyed";
    EXPECT_EQ(fillDuplicateKeys(*db.connection()).keyed, 1);
    db.exec("UPDATE Kundenstamm SET Bez1 = 'Rothe' WHERE Kundennummer = '1'");
    EXPECT_EQ(db.rows("SELECT count(*) FROM Kundenstamm WHERE Namensschluessel IS NULL"),
              QStringList{"1"});
}

// A database keyed before the street key existed, with the name index over
// the address key and a trigger that clears two keys: the street key is
// taken from the address keys, the index and trigger replaced, and a place
// spelled otherwise under the same postal code is found at its street.
TEST_P(Lookup, DatabaseKeyedWithoutStreetKeyIsBroughtUpToDate) {
    TestDatabase db(engine(), false);
    for (const char* table : {"Kundenstamm (Kundennummer", "Adressenstamm (AdressNummer"})
        db.exec(QString::fromUtf8("CREATE TABLE %1 VARCHAR(20) PRIMARY KEY, Vorname TEXT, Bez1 "
                                  "TEXT, Straße TEXT, PLZ TEXT, Ort TEXT, Namensschluessel TEXT, "
                                  "Anschriftschluessel TEXT)")
                    .arg(QString::fromUtf8(table)));
    db.exec("CREATE INDEX ix_kundenstamm_dublette_name ON Kundenstamm (Namensschluessel, PLZ, "
            "Anschriftschluessel)");
    if (engine() == Engine::SQLite)
        db.exec(QString::fromUtf8(
            "CREATE TRIGGER tr_kundenstamm_dublette AFTER UPDATE OF Vorname, Bez1, Straße, PLZ, "
            "Ort ON Kundenstamm BEGIN UPDATE Kundenstamm SET Namensschluessel = NULL, "
            "Anschriftschluessel = NULL WHERE Kundennummer = NEW.Kundennummer; END"));
    // Keyed as the control keyed rows before.
    const PartyAddress rows[] = {{"", "Roth GmbH", "Hauptstr. 7", "60311", "Frankfurt am Main"},
                                 {"", "Beck", "", "60311", "Frankfurt am Main"},
                                 {"", "Roth GmbH", "Weg 2", "24103", "Kiel"}};
    int n = 0;
    for (const PartyAddress& r : rows)
        db.exec(QString::fromUtf8("INSERT INTO Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort, "
                                  "Namensschluessel, Anschriftschluessel) VALUES "
                                  "('%1', '%2', '%3', '%4', '%5', '%6', '%7')")
                    .arg(++n)
                    .arg(r.bez1, r.strasse, r.plz, r.ort, nameKey(r.vorname, r.bez1),
                         addressKey(r.strasse, r.ort)));
    QSqlDatabase q = db.db();
    ASSERT_NO_THROW(dbsetup::addDuplicateKeys(q));
    EXPECT_EQ(db.rows("SELECT Kundennummer || ':' || Strassenschluessel FROM Kundenstamm ORDER BY "
                      "Kundennummer"),
              QStringList({"1:hauptstr 7", "2:", "3:weg 2"}));
    EXPECT_EQ(fillDuplicateKeys(*db.connection()).keyed, 0) << "nothing left to key";
    EXPECT_EQ(found(db, {"", "Roth", QString::fromUtf8("Hauptstraße 7"), "60311", "Frankfurt"}),
              "K:1");
    const QString plan =
        db.rows((engine() == Engine::SQLite ? "EXPLAIN QUERY PLAN " : "EXPLAIN ") +
                statements::kundenDubletten({"", "Roth", "Weg 2", "24103", "Kiel"}))
            .join('\n');
    EXPECT_FALSE(plan.contains(QRegularExpression("dublette_name\\b"))) << plan.toStdString();
    db.exec(QString::fromUtf8("UPDATE Kundenstamm SET Straße = 'Weg 3' WHERE Kundennummer = '3'"));
    EXPECT_EQ(db.rows("SELECT count(*) FROM Kundenstamm WHERE Strassenschluessel IS NULL"),
              QStringList{"1"})
        << "the trigger clears the street key too";
}

// The engine answers each master's statement from the key indexes, not by
// reading the table, and the typed street is a condition of the name index:
// the engine reads no row of the name's sound at another street.
TEST_P(Lookup, StatementIsAnsweredByTheIndexes) {
    TestDatabase db(engine());
    const PartyAddress typed{"", "Müller GmbH", "Hauptstr. 5", "70173", "Stuttgart"};
    const bool lite = engine() == Engine::SQLite;
    // A table this small is read whole unless told otherwise; the question is
    // whether the indexes can answer at all.
    if (!lite) db.exec("SET enable_seqscan = off");
    for (const QString& sql :
         {statements::kundenDubletten(typed), statements::adressenDubletten(typed)}) {
        const QString plan = db.rows((lite ? "EXPLAIN QUERY PLAN " : "EXPLAIN ") + sql).join('\n');
        EXPECT_TRUE(!plan.contains(lite ? "SCAN" : "Seq Scan") && plan.contains("dublette_name") &&
                    plan.contains("dublette_anschrift"))
            << plan.toStdString();
        const QRegularExpression streetOnIndex(
            lite ? "dublette_name_strasse \\(Namensschluessel=\\? AND PLZ=\\? AND "
                   "Strassenschluessel=\\?\\)"
                 : "Index Cond: .*strassenschluessel = ANY");
        EXPECT_TRUE(plan.contains(streetOnIndex)) << plan.toStdString();
        EXPECT_FALSE(plan.contains("~~"))
            << "no pattern left to filter rows: " << plan.toStdString();
    }
    if (!lite) db.exec("SET enable_seqscan = on");
}

} // namespace
