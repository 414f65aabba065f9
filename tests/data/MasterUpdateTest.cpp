// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Writing the shown address back into the customer and address masters.
#include "contracts/MasterDataCombo.h"
#include "data/DuplicateLookup.h"
#include "support/ControlHarness.h"
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kKunde = QStringLiteral("Die Adressdaten wurden im Kundenstamm aktualisiert.");
const QString kAdresse =
    QStringLiteral("Die Adressdaten wurden in den allgemeinen Adressen aktualisiert.");
const QString kNotice = QStringLiteral("QelBelAdr/btnAktKunde_Click/0: ");

// Address 1 of one page on masters holding K-1 in both tables and A-2 as a general address only.
class MasterUpdateTest : public OnEachEngine<> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        h = std::make_unique<ControlHarness>(engine());
        for (const char* sql :
             {"DELETE FROM Kundenstamm", "DELETE FROM Adressenstamm",
              "INSERT INTO Kundenstamm (Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, "
              "Straße, Ort, Land, PLZ, Postfach, PostfachPlz, KzDivers, Liefersperre) VALUES "
              "('K-1','Herr','Alt','Alt 1','Alt 2','Alt 3','Alt 4','Altweg 1','Altort','D',"
              "'11111','PF 1','22222',0,0)",
              "INSERT INTO Adressenstamm (AdressNummer, AnredeHW, Vorname, Bez1, Bez2, Bez3, "
              "Straße, Ort, Land, PLZ) VALUES ('K-1','Herr','Alt','Alt 1','Alt 2','Alt 3',"
              "'Altweg 1','Altort','D','11111')",
              "INSERT INTO Adressenstamm (AdressNummer, Bez1) VALUES ('A-2','Nur Adresse')"})
            h->database().exec(QString::fromUtf8(sql));
        h->control().SetzeAnzSeiten(1, 1);
        h->control().setMitKundenaktualisierung(true);
    }

    void show(const QStringList& values) {
        int i = 0;
        for (const char* name :
             {"txtDNummer", "txtDAdr_0", "txtDAdr_1", "txtDAdr_2", "txtDAdr_3", "txtDAdr_4",
              "txtDAdr_5", "txtDAdr_6", "txtDPostleitzahl", "txtDPostfach", "txtDPlzPostfach"})
            h->edit(name)->setText(values.value(i++));
        h->control().findChild<QComboBox*>("cdoDLand")->setEditText(values.value(11));
        h->control().findChild<MasterDataCombo*>("ocxAnrede")->setKeyValue(values.value(12));
        h->clearRecords();
    }
    void update() { static_cast<QToolButton*>(h->widget("btnAktKunde"))->click(); }
    QString first(const QString& select) { return h->database().rows(select).value(0); }
    QStringList row(const QString& select) { return first(select).split('|'); }
    QStringList kunde(const QString& nr) {
        return row(
            "SELECT Vorname, Bez1, Bez2, Bez3, Bez4, Straße, Ort, PLZ, Postfach, PostfachPlz, "
            "Land, Anrede FROM Kundenstamm WHERE Kundennummer = '" +
            nr + "'");
    }
    QStringList adresse(const QString& nr) {
        return row("SELECT Vorname, Bez1, Bez2, Bez3, Straße, Ort, Land, PLZ, AnredeHW FROM "
                   "Adressenstamm WHERE AdressNummer = '" +
                   nr + "'");
    }

    std::unique_ptr<ControlHarness> h;
};
INSTANTIATE_TEST_SUITE_P(, MasterUpdateTest, engines(), EngineName());

QStringList updates(const QStringList& statements) {
    QStringList out;
    for (const QString& s : statements)
        if (s.startsWith("Update ") || s.startsWith("Select ")) out << s.section(' ', 0, 1);
    return out;
}

TEST_P(MasterUpdateTest, HostileValuesGoBackByteExactCustomerFirst) {
    const QString longLine = QString(999, QChar(u'ä')) + "'";
    // In the order show() fills them; the second name line is the long one.
    QStringList values =
        QString::fromUtf8(R"(K-1|Jörg|O'Brien & Söhne ''GmbH''||C:\temp\n \' \\|)"
                          R"(Straße ß Ä Ö Ü €|Bahnhofstraße 5a|Zürich '; DROP TABLE )"
                          R"(Kundenstamm; --|8001|Postfach 12|8021|CH|Frau)")
            .split('|');
    values[3] = longLine;
    show(values);
    update();
    EXPECT_EQ(h->messages(), QStringList({kNotice + kKunde, kNotice + kAdresse}));
    EXPECT_EQ(updates(h->sql().statements),
              QStringList({"Select Kundennummer", "Select AdressNummer", "Update Kundenstamm",
                           "Update Adressenstamm"}));
    EXPECT_EQ(kunde("K-1"), values.mid(1, 12));
    // The general address has no fourth name line and no PO box.
    EXPECT_EQ(adresse("K-1"), QStringList({values[1], values[2], values[3], values[4], values[6],
                                           values[7], values[11], values[8], values[12]}));
}

TEST_P(MasterUpdateTest, NoNumberTouchesNoTableBlanksAreANumber) {
    for (const QString& nummer : {QStringLiteral("0"), QString()}) {
        show({nummer, "", "Neu"});
        update();
        EXPECT_EQ(h->messages(), QStringList{kNotice + "Es ist keine Nummer vorhanden"});
        EXPECT_TRUE(h->sql().statements.isEmpty());
    }
    // A number found in neither master is told, not passed over in silence.
    show({"  ", "", "Neu"});
    update();
    EXPECT_EQ(h->messages(),
              QStringList{kNotice +
                          "Die Nummer „  “ ist weder im Kundenstamm noch in den "
                          "allgemeinen Adressen vorhanden; es wurde nichts gespeichert."});
    const QString lookup = "Select Kundennummer from Kundenstamm where Kundennummer = '  '";
    EXPECT_EQ(h->sql().statements.filter(lookup).size(), 1);
}

// Both masters are one change: a failing address update takes the customer
// update back with it, and no notice claims what was not written.
TEST_P(MasterUpdateTest, FailingSecondUpdateWritesNeither) {
    show({"K-1", "Neu", "Neu 1"});
    h->sql().failWhenContains = "Update Adressenstamm";
    update();
    ASSERT_EQ(h->messages().size(), 1);
    const QString report = h->messages()[0];
    EXPECT_TRUE(report.startsWith("QelBelAdr/btnAktKunde_Click/") &&
                report.contains("server closed the connection unexpectedly"))
        << report.toStdString();
    EXPECT_EQ(QStringList({kunde("K-1").value(1), adresse("K-1").value(1)}),
              QStringList({"Alt 1", "Alt 1"}));

    // The connection is usable again afterwards.
    h->sql().failWhenContains.clear();
    h->clearRecords();
    update();
    EXPECT_EQ(h->messages(), QStringList({kNotice + kKunde, kNotice + kAdresse}));
    EXPECT_EQ(adresse("K-1").value(1), "Neu 1");
}

TEST_P(MasterUpdateTest, AValueTheDatabaseCannotTakeWritesNothing) {
    const QStringList before = kunde("K-1");
    show({"K-1", "Neu", QStringLiteral("Nul") + QChar(0) + "zeichen"});
    update();
    EXPECT_EQ(h->messages().filter("Nullzeichen").size(), 1);
    EXPECT_EQ(h->messages().size(), 1);
    EXPECT_TRUE(h->sql().statements.isEmpty());
    EXPECT_EQ(kunde("K-1"), before);
}

// The database drops the keys of a row whose address changes. With the
// duplicate warning on, the control keys the row it wrote again in one
// statement, so that its new street under another postal code is found at
// once; off, it sends nothing more and the row waits for fillDuplicateKeys.
TEST_P(MasterUpdateTest, WrittenRowIsKeyedAgainOnlyWithTheWarning) {
    const QString boehm = QString::fromUtf8("Böhm GmbH");
    for (const bool warn : {false, true}) {
        SCOPED_TRACE(warn ? "warning on" : "warning off");
        h->database().exec("UPDATE Kundenstamm SET Namensschluessel = 'alt', "
                           "Anschriftschluessel = 'alt' WHERE Kundennummer = 'K-1'");
        h->control().setDuplikatWarnung(warn);
        for (const char* nummer : {"K-1", "A-2"}) {
            SCOPED_TRACE(nummer);
            show({nummer, "", boehm, "", "", "", "Hauptstr. 7-9", "Kiel", "24103"});
            update();
            // Only the masters that hold the number are written.
            EXPECT_EQ(h->messages().size(), *nummer == 'K' ? 2 : 1);
            EXPECT_EQ(h->messages().last(), kNotice + kAdresse);
            EXPECT_EQ(adresse(nummer).value(1), boehm);
            const QStringList keyed = h->sql().statements.filter("Namensschluessel");
            // K-1 is in both masters: the customer row is keyed, one statement.
            EXPECT_EQ(keyed.size(), warn ? 1 : 0) << keyed.join('\n').toStdString();
        }
        const QString expected =
            warn ? nameKey("", boehm) + '|' + addressKey("Hauptstr. 7-9", "Kiel") : "|";
        const QString keys =
            "SELECT COALESCE(Namensschluessel, ''), COALESCE(Anschriftschluessel, '') FROM ";
        for (const char* table :
             {"Kundenstamm WHERE Kundennummer = 'K-1'", "Adressenstamm WHERE AdressNummer = 'A-2'"})
            EXPECT_EQ(first(keys + table), expected) << table;
        EXPECT_EQ(first("SELECT count(*) FROM Adressenstamm WHERE AdressNummer = 'K-1' AND "
                        "Namensschluessel IS NULL"),
                  "1")
            << "left to fillDuplicateKeys";
        EXPECT_EQ(findDuplicates(*h->database().connection(),
                                 {"", "Boehm", "Hauptstraße 7 - 9", "24105", "Kiel"})
                      .size(),
                  warn ? 2u : 0u)
            << "found through the new address key under another postal code";
    }
}

// Focus follows the extended address lines, also when the street is hidden.
TEST(ExtendedAddress, FocusFollowsTheShownLines) {
    ControlHarness h;
    auto* button = static_cast<QPushButton*>(h.widget("btnErwAdresse"));
    button->click();
    EXPECT_TRUE(h.edit("txtDAdr_3")->hasFocus());
    button->click();
    EXPECT_TRUE(h.widget("panerwadr_0")->isHidden());
    EXPECT_TRUE(h.edit("txtDAdr_5")->hasFocus());
    button->click();
    h.edit("txtDAdr_5")->hide();
    button->click();
    EXPECT_TRUE(h.edit("txtDAdr_6")->hasFocus());
}

// A value longer than its field holds is never cut on its way into the
// master: the accessor refuses it, naming the field and the limit, and a
// write-back of an address whose field shows only part of its value (a long
// value loaded from the master) writes nothing and claims nothing.
TEST_P(MasterUpdateTest, NothingIsCut) {
    const QString huge(100000, QChar(u'x'));
    show({"K-1"});
    try {
        h->control().AddBez1(huge);
        ADD_FAILURE() << "taken";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), Error::InvalidCall);
        EXPECT_TRUE(e.text().contains("100.000 Zeichen") && e.text().contains("txtDAdr_1") &&
                    e.text().contains("32.767"))
            << e.text().toStdString();
    }
    EXPECT_EQ(h->control().GetBez1(), QString());

    const QString stored(40000, QChar(u'y'));
    h->database().exec("UPDATE Kundenstamm SET Bez2 = '" + stored + "' WHERE Kundennummer = 'K-1'");
    h->edit("txtDNummer")->setText("");
    h->typeNumber("K-1");
    h->clearRecords();
    update();
    ASSERT_EQ(h->messages().size(), 1);
    EXPECT_TRUE(h->messages()[0].contains("„Name 2“") &&
                h->messages()[0].contains("Es wurde nichts gespeichert"))
        << h->messages()[0].left(300).toStdString();
    EXPECT_EQ(kunde("K-1").value(2), stored);
}

} // namespace
