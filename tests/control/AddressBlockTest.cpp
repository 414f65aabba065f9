// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The printed address block: each country's rule, row by row from an
// address to the lines of the window envelope.
#include "control/AddressBlock.h"
#include "contracts/Error.h"
#include "platform/QtMasterDataCombo.h"
#include "scripting/ScriptBridge.h"
#include "support/ControlHarness.h"
#include <QComboBox>
#include <QJSEngine>
#include <QTest>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

// A rule table, a row a line: the home country the letter goes out from, the
// address as "Anrede|Vorname|Bez1|Bez2|Bez3|Bez4|Ansprechpartner|drucken (1)|
// Strasse|Plz|Ort|Land|Postfach|PostfachPlz", and after "=>" the lines it
// prints, joined by " / ". A line "# rule" names the rule of the rows below it.
void expectRows(const char* table) {
    QString rule;
    for (const QString& row : QString::fromUtf8(table).split('\n', Qt::SkipEmptyParts)) {
        if (row.startsWith('#')) {
            rule = row.mid(2);
            continue;
        }
        SCOPED_TRACE((rule + ", from " + row).toStdString());
        const qsizetype blank = row.indexOf(' '), arrow = row.indexOf(" =>");
        ASSERT_TRUE(blank > 0 && arrow > blank);
        const QStringList f = row.mid(blank + 1, arrow - blank - 1).split('|');
        ASSERT_EQ(f.size(), 14);
        const QStringList lines =
            anschriftZeilen({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7] == "1", f[8], f[9],
                             f[10], f[11], f[12], f[13]},
                            row.left(blank));
        EXPECT_EQ(lines.join(" / "), row.mid(arrow + 3).trimmed());
        EXPECT_LE(lines.size(), kAnschriftZeilen);
        for (const QString& l : lines)
            EXPECT_FALSE(l.trimmed().isEmpty());
    }
}

TEST(AddressBlock, EachCountrysRuleFromAddressToLines) {
    expectRows(R"(
# home: code and place, no country
D Frau|Erika|Musterfrau||||||Hauptstraße 5|70173|Stuttgart||| => Frau / Erika Musterfrau / Hauptstraße 5 / 70173 Stuttgart
A ||Huber KG||||||Graben 7, Stiege 2, Top 14|1010|Wien||| => Huber KG / Graben 7, Stiege 2, Top 14 / 1010 Wien
# contact person printed when ticked
D Firma||Müller Haustechnik GmbH|Abteilung Einkauf|||Frau Erika Muster|1|Hauptstraße 5|70173|Stuttgart|D|| => Firma / Müller Haustechnik GmbH / Abteilung Einkauf / Frau Erika Muster / Hauptstraße 5 / 70173 Stuttgart
# contact person left out unticked
D Firma||Müller Haustechnik GmbH||||Frau Erika Muster|0|Hauptstraße 5|70173|Stuttgart||| => Firma / Müller Haustechnik GmbH / Hauptstraße 5 / 70173 Stuttgart
# box with its own code instead of the street
D || Müller  GmbH ||||||Hauptstraße 5|70173|Stuttgart||12 34|70001 => Müller GmbH / Postfach 12 34 / 70001 Stuttgart
# abroad: country last in German capitals, no letters before the code
D ||Huber KG||||||Kärntner Straße 12|A-1010|Wien|A|| => Huber KG / Kärntner Straße 12 / 1010 Wien / ÖSTERREICH
D ||Meier AG||||||Bahnhofstrasse 1|CH-8001|Zürich|CH|| => Meier AG / Bahnhofstrasse 1 / 8001 Zürich / SCHWEIZ
A ||Meier AG||||||Bahnhofstrasse 1|CH-8001|Zürich|CH|| => Meier AG / Bahnhofstrasse 1 / 8001 Zürich / SCHWEIZ
A ||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart|D|| => Müller GmbH / Hauptstraße 5 / 70173 Stuttgart / DEUTSCHLAND
# F: place in capitals
D ||Dupont SARL||||||12 rue du Dôme|67000|Strasbourg|F|| => Dupont SARL / 12 rue du Dôme / 67000 STRASBOURG / FRANKREICH
# NL: 1234 AB, two blanks, place in capitals
D ||Jansen BV||||||Damrak 1|1012ab|Amsterdam|nl|| => Jansen BV / Damrak 1 / 1012 AB  AMSTERDAM / NIEDERLANDE
A ||Jansen BV||||||Damrak 1|1012 AB|Amsterdam|NL|| => Jansen BV / Damrak 1 / 1012 AB  AMSTERDAM / NIEDERLANDE
# L: L- before the code, place in capitals
D ||Weber Sàrl||||||Grand-Rue 5|1111|Luxembourg|L|| => Weber Sàrl / Grand-Rue 5 / L-1111 LUXEMBOURG / LUXEMBURG
# B: code and place
D ||Lambert SA||||||Aachener Straße 3|4700|Eupen|B|| => Lambert SA / Aachener Straße 3 / 4700 Eupen / BELGIEN
# DK: code and place
A ||Hansen ApS||||||Storegade 2|6200|Aabenraa|DK|| => Hansen ApS / Storegade 2 / 6200 Aabenraa / DÄNEMARK
# a country the table does not know: its code last
D ||Smith Ltd||||||Whitehall 1|SW1A 2AA|London|GB|| => Smith Ltd / Whitehall 1 / SW1A 2AA London / GB
# over six lines: name 4, name 3, then the contact person go
D Firma||Name 1|Name 2|Name 3|Name 4|Frau Kontakt|1|Weg 1|1010|Wien|A|| => Firma / Name 1 / Name 2 / Weg 1 / 1010 Wien / ÖSTERREICH
D Firma||Name 1|Name 2|Name 3||Frau Kontakt|1|Weg 1|70173|Stuttgart||| => Firma / Name 1 / Name 2 / Frau Kontakt / Weg 1 / 70173 Stuttgart
A Firma||Name 1|Name 2|Name 3|Name 4|Frau Kontakt|1|Weg 1|1010|Wien||| => Firma / Name 1 / Name 2 / Frau Kontakt / Weg 1 / 1010 Wien
# six lines stay
D Firma||Name 1|Name 2|||Frau Kontakt|1|Weg 1|70173|Stuttgart||| => Firma / Name 1 / Name 2 / Frau Kontakt / Weg 1 / 70173 Stuttgart
# nothing typed: no lines
D ||||||||||||| =>
)");
}

// A letter is addressed to a man in the accusative; the rest as stored.
TEST(AddressBlock, HerrIsPrintedHerrn) {
    expectRows(R"(
# Herr → Herrn
D Herr|Max|Mustermann||||||Hauptstraße 5|70173|Stuttgart||| => Herrn / Max Mustermann / Hauptstraße 5 / 70173 Stuttgart
A Herr|Max|Huber||||||Graben 7|1010|Wien||| => Herrn / Max Huber / Graben 7 / 1010 Wien
# Herr with a title → Herrn and the title
D Herr Dr.|Max|Huber||||||Graben 7|1010|Wien|A|| => Herrn Dr. / Max Huber / Graben 7 / 1010 Wien / ÖSTERREICH
A Herr  Prof. Dr.|Max|Mustermann||||||Hauptstraße 5|70173|Stuttgart|D|| => Herrn Prof. Dr. / Max Mustermann / Hauptstraße 5 / 70173 Stuttgart / DEUTSCHLAND
# Herr in capitals → HERRN
D HERR|Max|Mustermann||||||Weg 1|70173|Stuttgart||| => HERRN / Max Mustermann / Weg 1 / 70173 Stuttgart
# Herr beside Frau → Herrn
D Herr und Frau|Max und Erika|Mustermann||||||Weg 1|70173|Stuttgart||| => Herrn und Frau / Max und Erika Mustermann / Weg 1 / 70173 Stuttgart
A Frau und Herr|Erika und Max|Huber||||||Graben 7|1010|Wien||| => Frau und Herrn / Erika und Max Huber / Graben 7 / 1010 Wien
# Herrn as stored
D Herrn|Max|Mustermann||||||Weg 1|70173|Stuttgart||| => Herrn / Max Mustermann / Weg 1 / 70173 Stuttgart
# other salutations and titles as stored
D Frau Dr.|Erika|Musterfrau||||||Weg 1|70173|Stuttgart||| => Frau Dr. / Erika Musterfrau / Weg 1 / 70173 Stuttgart
A Herren||Huber und Söhne||||||Graben 7|1010|Wien||| => Herren / Huber und Söhne / Graben 7 / 1010 Wien
D Damen und Herren||Huber KG||||||Graben 7|1010|Wien|A|| => Damen und Herren / Huber KG / Graben 7 / 1010 Wien / ÖSTERREICH
# Herr at the contact person → Herrn
D Firma||Müller GmbH||||Herr Erik Muster|1|Hauptstraße 5|70173|Stuttgart||| => Firma / Müller GmbH / Herrn Erik Muster / Hauptstraße 5 / 70173 Stuttgart
A Firma||Huber KG||||Herr Ing. Huber|1|Graben 7|1010|Wien||| => Firma / Huber KG / Herrn Ing. Huber / Graben 7 / 1010 Wien
# name lines as typed
D Firma||Herr & Herrmann Bau||||||Weg 1|70173|Stuttgart||| => Firma / Herr & Herrmann Bau / Weg 1 / 70173 Stuttgart
)");
}

// Only a line wider than the field is shortened, and only where the long
// form stands as a word of its own or ends the street name.
TEST(AddressBlock, AbbreviationsOnlyOfWholeWords) {
    expectRows(R"(
# fits: nothing shortened
D ||Müller und Söhne||||||Hafenstraße 5|70173|Stuttgart||| => Müller und Söhne / Hafenstraße 5 / 70173 Stuttgart
# words of their own: GmbH
D ||Schulze Gesellschaft mit beschränkter Haftung||||||Hauptstraße 5|70173|Stuttgart||| => Schulze GmbH / Hauptstraße 5 / 70173 Stuttgart
A ||Wiener Bau Gesellschaft mit beschränkter Haftung||||||Graben 7|1010|Wien||| => Wiener Bau GmbH / Graben 7 / 1010 Wien
# inside a word never: AG
D ||Aktiengesellschaftsrecht Beratung Meier||||||Weg 1|70173|Stuttgart||| => Aktiengesellschaftsrecht Beratung Meier / Weg 1 / 70173 Stuttgart
# inside a word never: Straße, und as a word
D ||Rheinische Straßenbau und Tiefbau GmbH||||||Weg 1|50667|Köln||| => Rheinische Straßenbau u. Tiefbau GmbH / Weg 1 / 50667 Köln
# inside a word never: Platz
A ||Platzhirsch Veranstaltungstechnik GmbH||||||Weg 1|70173|Stuttgart|D|| => Platzhirsch Veranstaltungstechnik GmbH / Weg 1 / 70173 Stuttgart / DEUTSCHLAND
# inside a word never: Sankt, und as a word
D ||Sanktionsprüfung und Außenhandelsberatung||||||Weg 1|70173|Stuttgart||| => Sanktionsprüfung u. Außenhandelsberatung / Weg 1 / 70173 Stuttgart
# words of their own: Sankt before a hyphen, und
D ||Sankt-Georgs-Stiftung und Sankt-Ulrich-Hilfe||||||Weg 1|70173|Stuttgart||| => St.-Georgs-Stiftung u. St.-Ulrich-Hilfe / Weg 1 / 70173 Stuttgart
# a street word in a name line as typed
D ||Hotel Hafenstraße Restaurant und Tagungen||||||Weg 1|20095|Hamburg||| => Hotel Hafenstraße Restaurant u. Tagungen / Weg 1 / 20095 Hamburg
# street line: the street word ending the street name
D ||Bau AG||||||Großherzog-Friedrich-Hafenstraße 112|76133|Karlsruhe||| => Bau AG / Großherzog-Friedrich-Hafenstr. 112 / 76133 Karlsruhe
A ||Bau AG||||||Großherzog-Friedrich-Hafenstraße 112|76133|Karlsruhe|D|| => Bau AG / Großherzog-Friedrich-Hafenstr. 112 / 76133 Karlsruhe / DEUTSCHLAND
A ||Huber KG||||||Landstraßer Hauptstraße 7, Stiege 2, Top 14|1030|Wien||| => Huber KG / Landstraßer Hauptstr. 7, Stiege 2, Top 14 / 1030 Wien
D ||Meier AG||||||Untere Rheinfelder Dorfbachstrasse 112|4310|Rheinfelden|CH|| => Meier AG / Untere Rheinfelder Dorfbachstr. 112 / 4310 Rheinfelden / SCHWEIZ
# street line: Straße as a word
D ||Bau AG||||||Herzog-Friedrich-Wilhelm-Straße 112a|66111|Saarbrücken||| => Bau AG / Herzog-Friedrich-Wilhelm-Str. 112a / 66111 Saarbrücken
# street line: fits, not shortened
D ||Bau AG||||||Herzog-Friedrich-Wilhelm-Straße 112|66111|Saarbrücken||| => Bau AG / Herzog-Friedrich-Wilhelm-Straße 112 / 66111 Saarbrücken
# street line: Platz as a word
D ||Bau AG||||||Großer Kurfürst-Friedrich-Wilhelm-Platz 12|10117|Berlin||| => Bau AG / Großer Kurfürst-Friedrich-Wilhelm-Pl. 12 / 10117 Berlin
# street line: inside a word never
D ||Bau AG||||||Kurfürst-Friedrich-Wilhelm-Marktplatz 12|10117|Berlin||| => Bau AG / Kurfürst-Friedrich-Wilhelm-Marktplatz 12 / 10117 Berlin
A ||Bau AG||||||Am Straßenbahndepot der Verkehrsbetriebe 1|70173|Stuttgart|D|| => Bau AG / Am Straßenbahndepot der Verkehrsbetriebe 1 / 70173 Stuttgart / DEUTSCHLAND
# no abbreviation left: wide, never cut
D ||Sehr lange Firmenbezeichnung ohne jede Abkürzung||||||Weg 1|70173|Stuttgart||| => Sehr lange Firmenbezeichnung ohne jede Abkürzung / Weg 1 / 70173 Stuttgart
)");
}

// The box line in the word of the destination's post, never two words.
TEST(AddressBlock, PostOfficeBoxInTheDestinationsWord) {
    expectRows(R"(
# a typed word never twice
D ||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart||Postfach 1234| => Müller GmbH / Postfach 1234 / 70173 Stuttgart
# a short spelling read as its word
D ||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart||PF 1234|70001 => Müller GmbH / Postfach 1234 / 70001 Stuttgart
# D: Postfach
A ||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart|D|Postf. 12 34|70001 => Müller GmbH / Postfach 12 34 / 70001 Stuttgart / DEUTSCHLAND
# A: Postfach
A ||Huber KG||||||Graben 7|1010|Wien||123|1011 => Huber KG / Postfach 123 / 1011 Wien
D ||Huber KG||||||Graben 7|1010|Wien|A|123|1011 => Huber KG / Postfach 123 / 1011 Wien / ÖSTERREICH
# CH: Postfach where German is spoken
D ||Meier AG||||||Bahnhofstrasse 1|8001|Zürich|CH|1234|8021 => Meier AG / Postfach 1234 / 8021 Zürich / SCHWEIZ
A ||Zbinden AG||||||Dorfstrasse 1|1712|Tafers|CH|Case postale 5| => Zbinden AG / Postfach 5 / 1712 Tafers / SCHWEIZ
# CH: Case postale where French is spoken
A ||Favre SA||||||Rue du Rhône 1|1204|Genève|CH|Postfach 12|1211 => Favre SA / Case postale 12 / 1211 Genève / SCHWEIZ
# CH: Case postale where French is spoken, a box without number
D ||Favre SA||||||Rue du Rhône 1|1204|Genève|CH|Postfach|1211 => Favre SA / Case postale / 1211 Genève / SCHWEIZ
# CH: Casella postale where Italian is spoken
D ||Rossi SA||||||Via Nassa 5|6900|Lugano|CH|PF 1234|6901 => Rossi SA / Casella postale 1234 / 6901 Lugano / SCHWEIZ
# L: BP, without points
D ||Weber Sàrl||||||Grand-Rue 5|1111|Luxembourg|L|B.P. 1234|L-1012 => Weber Sàrl / BP 1234 / L-1012 LUXEMBOURG / LUXEMBURG
A ||Weber Sàrl||||||Grand-Rue 5|1111|Luxembourg|L|1234|1012 => Weber Sàrl / BP 1234 / L-1012 LUXEMBOURG / LUXEMBURG
# B: Postbus in Flanders
D ||Peeters NV||||||Meir 1|2000|Antwerpen|B|100|2000 => Peeters NV / Postbus 100 / 2000 Antwerpen / BELGIEN
# B: BP in Wallonia
A ||Lambert SA||||||Rue Léopold 3|4000|Liège|B|Postfach 12| => Lambert SA / BP 12 / 4000 Liège / BELGIEN
# B: BP in Brussels
D ||Dubois SPRL||||||Rue Neuve 1|1000|Bruxelles|B|Postbus 7| => Dubois SPRL / BP 7 / 1000 Bruxelles / BELGIEN
# B: Postfach in the German-speaking east
D ||Lambert SA||||||Aachener Straße 3|4700|Eupen|B|BP 12| => Lambert SA / Postfach 12 / 4700 Eupen / BELGIEN
# NL: Postbus, a typed word never twice
D ||Jansen BV||||||Damrak 1|1012ab|Amsterdam|NL|Postbus 626|1000ap => Jansen BV / Postbus 626 / 1000 AP  AMSTERDAM / NIEDERLANDE
# NL: Postbus
A ||Jansen BV||||||Damrak 1|1012ab|Amsterdam|NL|Postfach 626|1000ap => Jansen BV / Postbus 626 / 1000 AP  AMSTERDAM / NIEDERLANDE
# F: BP, a typed word never twice
D ||Dupont SARL||||||12 rue du Dôme|67000|Strasbourg|F|BP 4711|67085 => Dupont SARL / BP 4711 / 67085 STRASBOURG / FRANKREICH
# F: BP, without points
A ||Dupont SARL||||||12 rue du Dôme|67000|Strasbourg|F|Boîte postale 4711|67085 => Dupont SARL / BP 4711 / 67085 STRASBOURG / FRANKREICH
D ||Dupont SARL||||||12 rue du Dôme|67000|Strasbourg|F|B. P. 4711| => Dupont SARL / BP 4711 / 67000 STRASBOURG / FRANKREICH
# DK: Postboks
D ||Hansen ApS||||||Storegade 2|6200|Aabenraa|DK|12|6201 => Hansen ApS / Postboks 12 / 6201 Aabenraa / DÄNEMARK
A ||Hansen ApS||||||Storegade 2|6200|Aabenraa|DK|Postboks 12|6201 => Hansen ApS / Postboks 12 / 6201 Aabenraa / DÄNEMARK
# a country the table does not know: as typed
D ||Smith Ltd||||||Whitehall 1|SW1A 2AA|London|GB|P.O. Box 12| => Smith Ltd / PO Box 12 / SW1A 2AA London / GB
# no box word: as typed
D ||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart||Postlagernd| => Müller GmbH / Postlagernd / 70173 Stuttgart
)");
}

// The control: the shown address as its fields hold it, another one as
// stored and one loaded from the general address table; the home country;
// the script bridge's method. What the block prints leaves fields and
// records as the user chose them.
TEST(AddressBlock, FromTheControlAndFromAScript) {
    ControlHarness h;
    BelegAdressen& c = h.control();
    c.setAnzAdresse(4);
    c.setAktAdresse(1);
    h.edit("txtDAdr_1")->setText("Huber KG");
    h.edit("txtDAdr_5")->setText("Graben 7");
    h.edit("txtDPostleitzahl")->setText("1010");
    h.edit("txtDAdr_6")->setText("Wien");
    static_cast<QComboBox*>(h.widget("cdoDLand"))->setEditText("A");
    EXPECT_EQ(c.Anschriftzeilen(1).join(" / "), "Huber KG / Graben 7 / 1010 Wien / ÖSTERREICH");
    c.setHeimatland(" a ");
    EXPECT_EQ(c.heimatland(), "A");
    EXPECT_EQ(c.Anschriftzeilen(1).join(" / "), "Huber KG / Graben 7 / 1010 Wien");
    c.setHeimatland("");
    EXPECT_EQ(c.heimatland(), "D");
    EXPECT_TRUE(c.Anschriftzeilen(4).isEmpty());
    // The salutation typed into its field and left, as the user does.
    c.setAktAdresse(4);
    auto* salutation = c.findChild<QtMasterDataCombo*>("ocxAnrede");
    ASSERT_NE(salutation, nullptr);
    salutation->keyEntry()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(salutation->keyEntry(), "Herr");
    h.focus("txtDAdr_0");
    QTest::keyClicks(h.edit("txtDAdr_0"), "Max");
    h.focus("txtDAdr_1");
    QTest::keyClicks(h.edit("txtDAdr_1"), "Mustermann");
    EXPECT_EQ(c.Anschriftzeilen(4).join(" / "), "Herrn / Max Mustermann");
    EXPECT_EQ(salutation->keyEntry()->text(), "Herr");
    try {
        c.Anschriftzeilen(5);
        ADD_FAILURE() << "address 5 does not exist";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::IndexOutOfRange);
    }

    c.setAktAdresse(3);
    h.typeNumber("A-100");
    c.setAktAdresse(2);
    c.AddNummer("20002"); // so that switching stores what the fields show
    c.AddAnrede("Herr Dr.");
    h.edit("txtDAdr_1")->setText("Jansen BV");
    h.edit("txtDAdr_5")->setText("Damrak 1");
    h.edit("txtDPostleitzahl")->setText("1012AB");
    h.edit("txtDAdr_6")->setText("Amsterdam");
    h.edit("txtDPostfach")->setText("Postbus 626");
    h.edit("txtDPlzPostfach")->setText("1000 AP");
    static_cast<QComboBox*>(h.widget("cdoDLand"))->setEditText("NL");
    const QString shown = "Herrn Dr. / Jansen BV / Postbus 626 / 1000 AP  AMSTERDAM / NIEDERLANDE";
    EXPECT_EQ(c.Anschriftzeilen(2).join(" / "), shown);
    EXPECT_EQ(c.GetAnrede(), "Herr Dr.");
    EXPECT_EQ(h.edit("txtDPostfach")->text(), "Postbus 626");
    c.setAktAdresse(3);
    EXPECT_EQ(c.Anschriftzeilen(2).join(" / "), shown) << "as stored";
    EXPECT_EQ(c.Anschriftzeilen(3).join(" / "),
              "Herrn / Karl Lieferant Karl Kunz / Lager / Tor 3 / Gewerbestraße 9 / 80331 München");
    EXPECT_EQ(c.GetAnrede(), "Herr");
    c.setAktAdresse(2);
    EXPECT_EQ(QStringList({c.GetAnrede(), c.GetPostfach()}),
              QStringList({"Herr Dr.", "Postbus 626"}));

    QJSEngine engine;
    ScriptBridge bridge(c);
    bridge.expose(engine, "control");
    EXPECT_EQ(engine.evaluate("control.anschriftzeilen(2).join(' / ')").toString(), shown);
    EXPECT_EQ(engine
                  .evaluate("try { control.anschriftzeilen(2.5); 'kein Fehler' } catch (e) { "
                            "e.number }")
                  .toInt(),
              9);
}

} // namespace
