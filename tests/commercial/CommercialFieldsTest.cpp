#include "platform/QtMasterDataCombo.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kNoNumber =
    QStringLiteral("Information: Bitte erfassen Sie zuerst eine Adressnummer.");

class CommercialFieldsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.database().exec(QStringLiteral(
            "INSERT INTO MWStKennzeichenKunde (MWStKZ, Kurztext) VALUES ('1', 'Inland'), "
            "('2', 'EU-Ausland')"));
        h.database().exec(QStringLiteral(
            "INSERT INTO Zahlungsbedingungen (ZahlBedSchl, Kurztext) VALUES ('14T', '14 Tage'), "
            "('SOFORT', 'sofort')"));
        h.database().exec(QStringLiteral("INSERT INTO Anreden (Anrede) VALUES ('Herr')"));
    }

    QtMasterDataCombo* combo(const QString& name) {
        return h.control().findChild<QtMasterDataCombo*>(name);
    }

    // The user opens the field's list and takes the row of `key` with Enter.
    void pick(const QString& name, const QString& key) {
        QtMasterDataCombo* c = combo(name);
        c->keyEntry()->setFocus(Qt::TabFocusReason);
        c->showList();
        QTableWidget* list = c->listWidget();
        ASSERT_NE(list, nullptr);
        const int k = c->table().keyIndex();
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->item(r, k)->text() == key) {
                list->setCurrentCell(r, 0);
                QTest::keyClick(list, Qt::Key_Return);
                return;
            }
        ADD_FAILURE() << "no row " << key.toStdString() << " in " << name.toStdString();
    }

    void loadCustomer(const QString& number) {
        h.typeNumber(number);
        h.clearRecords();
    }

    // The currency events among the events, in their order.
    QStringList currency() const {
        QStringList out;
        for (const QString& e : h.events())
            if (e == "Change" || e.startsWith("Waehrungchange(") ||
                e.startsWith("Wechselkurschange("))
                out << e;
        return out;
    }

    ControlHarness h;
};

TEST_F(CommercialFieldsTest, TaxKeyDecidesVatIdFieldAndIsReported) {
    h.control().setMitDebitorenkonto(true);
    loadCustomer(QStringLiteral("10001"));
    QWidget* vatId = h.widget(QStringLiteral("txtDUstIdentNr"));

    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("2"));
    EXPECT_TRUE(vatId->isHidden());
    EXPECT_EQ(h.takeEvents(), QStringList{QStringLiteral("ChangeMwstKnz(2)")});

    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("1"));
    EXPECT_FALSE(vatId->isHidden());
    EXPECT_EQ(h.takeEvents(), QStringList{QStringLiteral("ChangeMwstKnz(1)")});

    // Without the debtor account the field stays hidden whatever the key.
    h.control().setMitDebitorenkonto(false);
    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("1"));
    EXPECT_TRUE(vatId->isHidden());
}

// Without an address number each selection keeps or drops the pick in its own way.
TEST_F(CommercialFieldsTest, EditsRefusedOnTwoPageAddressWithoutNumber) {
    BelegAdressen& w = h.control();
    w.setMitDebitorenkonto(true);
    w.setMitRechnungPerPDF(true);
    h.clearRecords();

    // The salutation is emptied again; picking it is still reported.
    pick(QStringLiteral("ocxAnrede"), QStringLiteral("Herr"));
    EXPECT_EQ(h.informations(), QStringList{kNoNumber});
    EXPECT_TRUE(combo(QStringLiteral("ocxAnrede"))->KeyValue().isNull());
    EXPECT_EQ(h.events(), QStringList{QStringLiteral("Click")});
    h.clearRecords();

    // Payment terms keep the pick and raise nothing.
    pick(QStringLiteral("ocxZahlungsbedingungen"), QStringLiteral("SOFORT"));
    EXPECT_FALSE(h.informations().isEmpty());
    EXPECT_EQ(h.informations().count(kNoNumber), h.informations().size());
    EXPECT_EQ(combo(QStringLiteral("ocxZahlungsbedingungen"))->KeyValue().toString(),
              QStringLiteral("SOFORT"));
    EXPECT_TRUE(h.events().isEmpty());
    h.clearRecords();

    // A tick stays, without event.
    auto* pdf = h.control().findChild<QCheckBox*>(QStringLiteral("chkRechnungPerPDF"));
    pdf->click();
    EXPECT_TRUE(pdf->isChecked());
    EXPECT_EQ(h.informations(), QStringList{kNoNumber});
    EXPECT_TRUE(h.events().isEmpty());
}

TEST_F(CommercialFieldsTest, ForeignCurrencyPickedShowsRatesAtFixedRate) {
    loadCustomer(QStringLiteral("10001"));
    BelegAdressen& w = h.control();
    w.AddKursbehandlung(1);
    auto* treatment = w.findChild<QComboBox*>(QStringLiteral("cdoDKursbehandlung"));
    ASSERT_EQ(treatment->currentIndex(), 1);

    pick(QStringLiteral("ocxWaehrung"), QStringLiteral("USD"));
    EXPECT_EQ(treatment->currentIndex(), 2);
    EXPECT_EQ(h.edit(QStringLiteral("txtDWechselkurs"))->text(), QStringLiteral("1,10000"));
    // Changed, then chosen: the currency is reported for each.
    const QStringList once = {QStringLiteral("Waehrungchange(USD,1,1.1,2)"),
                              QStringLiteral("Change")};
    EXPECT_EQ(currency(), once + once);
    h.clearRecords();

    // Confirmed again with the rates unchanged: nothing.
    QLineEdit* entry = combo(QStringLiteral("ocxWaehrung"))->keyEntry();
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(currency().isEmpty()) << currency().join(QLatin1Char(' ')).toStdString();

    // The table's rate changed meanwhile: three events.
    h.database().exec(QStringLiteral("UPDATE Währungen SET Kurs = 1.2 WHERE Währung = 'USD'"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(currency(),
              (QStringList{QStringLiteral("Waehrungchange(USD,1,1.2,2)"), QStringLiteral("Change"),
                           QStringLiteral("Wechselkurschange(1,1.2,2,USD)")}));
}

TEST_F(CommercialFieldsTest, RatesSurviveShowAndStoreInGermanNotation) {
    loadCustomer(QStringLiteral("10004")); // a currency without rate
    BelegAdressen& w = h.control();
    w.AddWechselkurs(1.23456);
    w.AddWechselkursHauswaehrung(1.5);
    EXPECT_EQ(h.edit(QStringLiteral("txtDWechselkurs"))->text(), QStringLiteral("1,23456"));
    w.setAktAdresse(2);
    w.setAktAdresse(1);
    EXPECT_DOUBLE_EQ(w.GetWechselkurs(), 1.23456);
    EXPECT_DOUBLE_EQ(w.GetWechselkursHauswaehrung(), 1.5);

    // Typed by the user: each change is a click, the value is kept.
    QLineEdit* rate = h.edit(QStringLiteral("txtDWechselkurs"));
    rate->setFocus();
    rate->selectAll();
    QTest::keyClicks(rate, QStringLiteral("0,98765"));
    EXPECT_EQ(h.events().count(QStringLiteral("Click")), 7);
    w.setAktAdresse(1);
    EXPECT_DOUBLE_EQ(w.GetWechselkurs(), 0.98765);

    // Home rate 0: the table's rate of the home currency, none: 0.
    w.AddWechselkursHauswaehrung(0);
    EXPECT_DOUBLE_EQ(w.GetWechselkursHauswaehrung(), 1.0);
    h.database().exec(QStringLiteral("DELETE FROM Währungen WHERE Währung = 'EUR'"));
    w.AddWechselkursHauswaehrung(0);
    EXPECT_DOUBLE_EQ(w.GetWechselkursHauswaehrung(), 0.0);
}

TEST_F(CommercialFieldsTest, UnknownPaymentTermsKeepTheFocus) {
    loadCustomer(QStringLiteral("10001"));
    QtMasterDataCombo* terms = combo(QStringLiteral("ocxZahlungsbedingungen"));
    terms->keyEntry()->setFocus();
    terms->keyEntry()->selectAll();
    QTest::keyClicks(terms->keyEntry(), QStringLiteral("30N"));
    h.focus(QStringLiteral("txtDAdr_1"));
    EXPECT_EQ(h.messages(),
              QStringList{QStringLiteral(
                  "Zahlungsbedingung[48]: Die Zahlungsbedingung ist nicht vorhanden.")});
    EXPECT_EQ(QApplication::focusWidget(), terms->keyEntry());
}

TEST_F(CommercialFieldsTest, VatIdCheckedWhenLeftWithoutEvent) {
    h.control().setMitDebitorenkonto(true);
    loadCustomer(QStringLiteral("10001"));
    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("1"));
    QLineEdit* vatId = h.edit(QStringLiteral("txtDUstIdentNr"));
    // Loaded: checked at once.
    auto* sign = vatId->findChild<QAction*>(QStringLiteral("actUstIdentNrPruefung"));
    EXPECT_EQ(sign->toolTip(), QStringLiteral("Prüfziffer stimmt nicht"));

    vatId->setFocus();
    vatId->selectAll();
    QTest::keyClicks(vatId, QStringLiteral("AT13585627"));
    EXPECT_FALSE(sign->isVisible());
    h.clearRecords();
    h.focus(QStringLiteral("txtDAdr_1"));
    EXPECT_TRUE(sign->isVisible());
    EXPECT_EQ(sign->toolTip(), QStringLiteral("Format für AT: ATU + 8 Ziffern"));
    EXPECT_EQ(vatId->text(), QStringLiteral("AT13585627"));
    EXPECT_TRUE(h.events().isEmpty() && h.messages().isEmpty());
}

TEST_F(CommercialFieldsTest, CurrencyFailuresIgnoredWhenTypedReportedByTheFieldWhenConfirmed) {
    loadCustomer(QStringLiteral("10001"));
    QLineEdit* entry = combo(QStringLiteral("ocxWaehrung"))->keyEntry();
    entry->setFocus();
    h.sql().failWhenContains = QStringLiteral("Währungen");
    // Confirmed as entered: the rate check fails and the field reports it.
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(h.messages().size(), 1);
    EXPECT_TRUE(h.messages()[0].startsWith(QStringLiteral("ocxWaehrung/FieldConfirm/3146")))
        << h.messages()[0].toStdString();
    h.clearRecords();

    // Typed: each keystroke ends at the failing lookup, without event or message.
    entry->selectAll();
    QTest::keyClicks(entry, QStringLiteral("CHF"));
    EXPECT_TRUE(h.messages().isEmpty());
    EXPECT_FALSE(currency().contains(QStringLiteral("Change")));

    // The treatment picked by the user is a change of its own.
    h.sql().failWhenContains.clear();
    h.clearRecords();
    auto* treatment = h.control().findChild<QComboBox*>(QStringLiteral("cdoDKursbehandlung"));
    emit treatment->activated(1);
    EXPECT_EQ(currency(), QStringList{QStringLiteral("Change")});
}

} // namespace
