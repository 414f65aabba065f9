#include "platform/Defaults.h"
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

// The control on the sample data with the master tables behind its fields,
// the events as the harness records them.
class CommercialFieldsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.database().exec(QStringLiteral(
            "INSERT INTO MWStKennzeichenKunde (MWStKZ, Kurztext) VALUES ('1', 'Inland'), "
            "('2', 'EU-Ausland')"));
        h.database().exec(QStringLiteral(
            "INSERT INTO Zahlungsbedingungen (ZahlBedSchl, Kurztext) VALUES ('14T', '14 Tage'), "
            "('SOFORT', 'sofort')"));
        h.database().exec(QStringLiteral("INSERT INTO Anreden (Anrede) VALUES ('Herr'), ('Frau')"));
    }

    QtMasterDataCombo* combo(const QString& name) {
        auto* c = h.control().findChild<QtMasterDataCombo*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
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
    EXPECT_TRUE(h.widget(QStringLiteral("lblUstIdentNr"))->isHidden());
    EXPECT_EQ(h.takeEvents(), QStringList{QStringLiteral("ChangeMwstKnz(2)")});

    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("1"));
    EXPECT_FALSE(vatId->isHidden());
    EXPECT_EQ(h.takeEvents(), QStringList{QStringLiteral("ChangeMwstKnz(1)")});

    // Without the debtor account the field stays hidden whatever the key.
    h.control().setMitDebitorenkonto(false);
    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("2"));
    pick(QStringLiteral("ocxMwstKnz"), QStringLiteral("1"));
    EXPECT_TRUE(vatId->isHidden());
}

TEST_F(CommercialFieldsTest, PaymentTermsReportedWithKeyOrEmptyText) {
    loadCustomer(QStringLiteral("10001"));
    pick(QStringLiteral("ocxZahlungsbedingungen"), QStringLiteral("SOFORT"));
    // Changed and chosen: both are reported.
    EXPECT_EQ(h.takeEvents(), (QStringList{QStringLiteral("ChangeZahlungsbedingungen(SOFORT)"),
                                           QStringLiteral("ChangeZahlungsbedingungen(SOFORT)")}));

    QLineEdit* entry = combo(QStringLiteral("ocxZahlungsbedingungen"))->keyEntry();
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
    EXPECT_TRUE(combo(QStringLiteral("ocxZahlungsbedingungen"))->KeyValue().isNull());
    EXPECT_EQ(h.takeEvents(), QStringList{QStringLiteral("ChangeZahlungsbedingungen()")});
}

// The discount typed by the user is a plain change, never the customer's discount.
TEST_F(CommercialFieldsTest, TypedDiscountIsAPlainChange) {
    loadCustomer(QStringLiteral("10001"));
    QLineEdit* rabatt = h.edit(QStringLiteral("txtDAuftragsrabatt"));
    rabatt->setFocus();
    rabatt->selectAll();
    QTest::keyClicks(rabatt, QStringLiteral("5"));
    EXPECT_EQ(h.takeEvents(), QStringList{QStringLiteral("Change")});
}

// The selection fields and ticks of a two-page address without number: each
// keeps or drops the pick in its own way, unlike typed text, which is refused.
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
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblWährungserfassung"))->text(),
              QStringLiteral("Fremdwährung"));
    EXPECT_EQ(treatment->currentIndex(), 2);
    EXPECT_FALSE(treatment->isHidden());
    EXPECT_EQ(h.edit(QStringLiteral("txtDWechselkurs"))->text(), QStringLiteral("1,10000"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("txtDKursHauswährung"))->text(),
              QStringLiteral("1,00000"));
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
    h.clearRecords();
    // And a changed home rate as well.
    h.database().exec(QStringLiteral("UPDATE Währungen SET Kurs = 1.5 WHERE Währung = 'EUR'"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(currency(), (QStringList{QStringLiteral("Waehrungchange(USD,1.5,1.2,2)"),
                                       QStringLiteral("Change"),
                                       QStringLiteral("Wechselkurschange(1.5,1.2,2,USD)")}));
}

TEST_F(CommercialFieldsTest, HomeCurrencyInOtherLetterCaseHidesRates) {
    loadCustomer(QStringLiteral("10001"));
    pick(QStringLiteral("ocxWaehrung"), QStringLiteral("USD"));
    h.clearRecords();
    QLineEdit* entry = combo(QStringLiteral("ocxWaehrung"))->keyEntry();
    entry->setFocus();
    entry->selectAll();
    QTest::keyClicks(entry, QStringLiteral("eur"));
    BelegAdressen& w = h.control();
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblWährungserfassung"))->text(),
              QStringLiteral("Hauswährung"));
    EXPECT_TRUE(h.widget(QStringLiteral("txtDWechselkurs"))->isHidden());
    EXPECT_TRUE(h.widget(QStringLiteral("cdoDKursbehandlung"))->isHidden());
    const QStringList raised = currency();
    ASSERT_GE(raised.size(), 2);
    EXPECT_TRUE(raised[raised.size() - 2].startsWith(QStringLiteral("Waehrungchange(eur,")));
    EXPECT_EQ(raised.last(), QStringLiteral("Change"));

    // An emptied currency empties the label and is a plain change.
    h.clearRecords();
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("lblWährungserfassung"))->text().isEmpty());
    EXPECT_EQ(currency(), QStringList{QStringLiteral("Change")});
}

TEST_F(CommercialFieldsTest, RatesSurviveShowAndStoreInGermanNotation) {
    loadCustomer(QStringLiteral("10004")); // a currency without rate
    BelegAdressen& w = h.control();
    w.AddWechselkurs(1.23456);
    w.AddWechselkursHauswaehrung(1.5);
    EXPECT_EQ(h.edit(QStringLiteral("txtDWechselkurs"))->text(), QStringLiteral("1,23456"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("txtDKursHauswährung"))->text(),
              QStringLiteral("1,50000"));
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
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("txtDKursHauswährung"))->text(),
              QStringLiteral("0,00000"));
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
    ASSERT_NE(sign, nullptr);
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
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(h.messages().isEmpty());
}

TEST(MasterDataComboFactory, HostFactoryMakesTheNineFields) {
    QList<MasterDataCombo::Kind> kinds;
    QList<MasterDataCombo*> made;
    Services services;
    services.masterDataCombo = [&](MasterDataCombo::Kind kind, QWidget* parent) {
        kinds << kind;
        made << defaultMasterDataCombo(kind, parent);
        return made.last();
    };
    BelegAdressen w(services);
    ASSERT_EQ(made.size(), 9);
    EXPECT_EQ(kinds.count(MasterDataCombo::Kind::Combo), 7);
    EXPECT_EQ(w.findChild<MasterDataCombo*>(QStringLiteral("ocxAnrede"))->kind(),
              MasterDataCombo::Kind::ComboEdit);
    EXPECT_EQ(w.findChild<MasterDataCombo*>(QStringLiteral("ocxDVersandart"))->kind(),
              MasterDataCombo::Kind::Edit);
    for (MasterDataCombo* combo : made)
        EXPECT_TRUE(w.isAncestorOf(combo)) << combo->objectName().toStdString();
}

} // namespace

namespace {

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
