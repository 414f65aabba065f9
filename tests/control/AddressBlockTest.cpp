// The printed address block: each country's rule, row by row from an
// address to the lines of the window envelope.
#include "control/AddressBlock.h"
#include "contracts/Error.h"
#include "scripting/ScriptBridge.h"
#include "support/ControlHarness.h"
#include <QComboBox>
#include <QJSEngine>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

TEST(AddressBlock, EachCountrysRuleFromAddressToLines) {
    // home country; address as "Anrede|Vorname|Bez1|Bez2|Bez3|Bez4|Ansprechpartner|
    // drucken (1)|Strasse|Plz|Ort|Land|Postfach|PostfachPlz"; the lines joined by " / "
    const char* rows[][3] = {
        {"D", "Herrn|Max|Mustermann||||||Hauptstraße 5|70173|Stuttgart|||",
         "Herrn / Max Mustermann / Hauptstraße 5 / 70173 Stuttgart"},
        {"D",
         "Firma||Müller Haustechnik GmbH|Abteilung Einkauf|||Frau Erika Muster|1|Hauptstraße 5|"
         "70173|Stuttgart|D||",
         "Firma / Müller Haustechnik GmbH / Abteilung Einkauf / Frau Erika Muster / Hauptstraße 5 "
         "/ "
         "70173 Stuttgart"},
        {"D",
         "Firma||Müller Haustechnik GmbH||||Frau Erika Muster|0|Hauptstraße 5|70173|Stuttgart|||",
         "Firma / Müller Haustechnik GmbH / Hauptstraße 5 / 70173 Stuttgart"},
        // The post-office box with its own postal code replaces the street.
        {"D", "|| Müller  GmbH ||||||Hauptstraße 5|70173|Stuttgart||12 34|70001",
         "Müller GmbH / Postfach 12 34 / 70001 Stuttgart"},
        {"D", "||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart||Postfach 1234|",
         "Müller GmbH / Postfach 1234 / 70173 Stuttgart"},
        // Abroad: the country last, in German capitals, no letters before the code.
        {"D", "||Huber KG||||||Kärntner Straße 12|A-1010|Wien|A||",
         "Huber KG / Kärntner Straße 12 / 1010 Wien / ÖSTERREICH"},
        {"D", "||Meier AG||||||Bahnhofstrasse 1|CH-8001|Zürich|CH||",
         "Meier AG / Bahnhofstrasse 1 / 8001 Zürich / SCHWEIZ"},
        {"D", "||Dupont SARL||||||12 rue du Dôme|67000|Strasbourg|F||",
         "Dupont SARL / 12 rue du Dôme / 67000 STRASBOURG / FRANKREICH"},
        {"D", "||Jansen BV||||||Damrak 1|1012ab|Amsterdam|nl||",
         "Jansen BV / Damrak 1 / 1012 AB  AMSTERDAM / NIEDERLANDE"},
        {"D", "||Weber Sàrl||||||Grand-Rue 5|1111|Luxembourg|L||",
         "Weber Sàrl / Grand-Rue 5 / L-1111 LUXEMBOURG / LUXEMBURG"},
        {"D", "||Lambert SA||||||Aachener Straße 3|4700|Eupen|B||",
         "Lambert SA / Aachener Straße 3 / 4700 Eupen / BELGIEN"},
        {"D", "||Hansen ApS||||||Storegade 2|6200|Aabenraa|DK||",
         "Hansen ApS / Storegade 2 / 6200 Aabenraa / DÄNEMARK"},
        {"D", "||Smith Ltd||||||Whitehall 1|SW1A 2AA|London|GB||",
         "Smith Ltd / Whitehall 1 / SW1A 2AA London / GB"},
        // Another home country: its addresses carry no country, Germany's do.
        {"A", "||Huber KG||||||Graben 7, Stiege 2, Top 14|1010|Wien|||",
         "Huber KG / Graben 7, Stiege 2, Top 14 / 1010 Wien"},
        {"A", "||Müller GmbH||||||Hauptstraße 5|70173|Stuttgart|D||",
         "Müller GmbH / Hauptstraße 5 / 70173 Stuttgart / DEUTSCHLAND"},
        // Over six lines: name line 4, name line 3, then the contact person go.
        {"D", "Firma||Name 1|Name 2|Name 3|Name 4|Herr Kontakt|1|Weg 1|1010|Wien|A||",
         "Firma / Name 1 / Name 2 / Weg 1 / 1010 Wien / ÖSTERREICH"},
        {"D", "Firma||Name 1|Name 2|Name 3||Herr Kontakt|1|Weg 1|70173|Stuttgart|||",
         "Firma / Name 1 / Name 2 / Herr Kontakt / Weg 1 / 70173 Stuttgart"},
        {"D", "Firma||Name 1|Name 2|Name 3|Name 4|Herr Kontakt|1|Weg 1|70173|Stuttgart|||",
         "Firma / Name 1 / Name 2 / Herr Kontakt / Weg 1 / 70173 Stuttgart"},
        {"D", "Firma||Name 1|Name 2|||Herr Kontakt|1|Weg 1|70173|Stuttgart|||",
         "Firma / Name 1 / Name 2 / Herr Kontakt / Weg 1 / 70173 Stuttgart"},
        // Too wide for the field: abbreviated, never cut.
        {"D",
         "||Schulze Gesellschaft mit beschränkter Haftung||||||Hauptstraße 5|70173|Stuttgart|||",
         "Schulze GmbH / Hauptstraße 5 / 70173 Stuttgart"},
        {"D", "||Bau AG||||||Herzog-Friedrich-Wilhelm-Straße 112|66111|Saarbrücken|||",
         "Bau AG / Herzog-Friedrich-Wilhelm-Straße 112 / 66111 Saarbrücken"},
        {"D", "||Bau AG||||||Herzog-Friedrich-Wilhelm-Straße 112a|66111|Saarbrücken|||",
         "Bau AG / Herzog-Friedrich-Wilhelm-Str. 112a / 66111 Saarbrücken"},
        {"D", "||Verein Sankt Georg und Sankt Michael e. V.||||||Weg 1|70173|Stuttgart|||",
         "Verein St. Georg u. St. Michael e. V. / Weg 1 / 70173 Stuttgart"},
        {"D", "||Sehr lange Firmenbezeichnung ohne jede Abkürzung||||||Weg 1|70173|Stuttgart|||",
         "Sehr lange Firmenbezeichnung ohne jede Abkürzung / Weg 1 / 70173 Stuttgart"},
        {"D", "|||||||||||||", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r[1]);
        const QStringList f = QString::fromUtf8(r[1]).split('|');
        const QStringList lines =
            anschriftZeilen({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7] == "1", f[8], f[9],
                             f[10], f[11], f[12], f[13]},
                            QString::fromUtf8(r[0]));
        EXPECT_EQ(lines.join(" / "), QString::fromUtf8(r[2]));
        EXPECT_LE(lines.size(), kAnschriftZeilen);
        for (const QString& l : lines)
            EXPECT_FALSE(l.trimmed().isEmpty());
    }
}

// The control: the shown address as its fields hold it, another one as
// stored; the home country; the script bridge's method.
TEST(AddressBlock, FromTheControlAndFromAScript) {
    ControlHarness h;
    BelegAdressen& c = h.control();
    c.setAnzAdresse(2);
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
    EXPECT_TRUE(c.Anschriftzeilen(2).isEmpty());
    try {
        c.Anschriftzeilen(3);
        ADD_FAILURE() << "address 3 does not exist";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::IndexOutOfRange);
    }

    QJSEngine engine;
    ScriptBridge bridge(c);
    bridge.expose(engine, "control");
    EXPECT_EQ(engine.evaluate("control.anschriftzeilen(1).join(' / ')").toString(),
              "Huber KG / Graben 7 / 1010 Wien / ÖSTERREICH");
    EXPECT_EQ(engine
                  .evaluate("try { control.anschriftzeilen(2.5); 'kein Fehler' } catch (e) { "
                            "e.number }")
                  .toInt(),
              9);
}

} // namespace
