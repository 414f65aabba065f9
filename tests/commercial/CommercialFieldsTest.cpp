// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "commercial/VatIdValidator.h"
#include "platform/QtMasterDataCombo.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;
using State = VatIdValidator::State;

namespace {

// The user replaces the text of `edit` by typing `text`.
void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

class CommercialFieldsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.database().exec("INSERT INTO MWStKennzeichenKunde (MWStKZ, Kurztext) VALUES "
                          "('1', 'Inland'), ('2', 'EU-Ausland')");
        h.database().exec("INSERT INTO Zahlungsbedingungen (ZahlBedSchl, Kurztext) VALUES "
                          "('14T', '14 Tage'), ('SOFORT', 'sofort')");
        h.database().exec("INSERT INTO Anreden (Anrede) VALUES ('Herr')");
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
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->item(r, c->table().keyIndex())->text() == key) {
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
        return h.events().filter(
            QRegularExpression("^(Change$|Waehrungchange\\(|Wechselkurschange\\()"));
    }

    ControlHarness h;
};

TEST_F(CommercialFieldsTest, TaxKeyDecidesVatIdFieldAndIsReported) {
    h.control().setMitDebitorenkonto(true);
    loadCustomer("10001");
    QWidget* vatId = h.widget("txtDUstIdentNr");
    pick("ocxMwstKnz", "2");
    EXPECT_TRUE(vatId->isHidden());
    EXPECT_EQ(h.takeEvents(), QStringList{"ChangeMwstKnz(2)"});
    pick("ocxMwstKnz", "1");
    EXPECT_FALSE(vatId->isHidden());
    EXPECT_EQ(h.takeEvents(), QStringList{"ChangeMwstKnz(1)"});
    // Without the debtor account the field stays hidden whatever the key.
    h.control().setMitDebitorenkonto(false);
    pick("ocxMwstKnz", "1");
    EXPECT_TRUE(vatId->isHidden());
}

// Without an address number each selection keeps or drops the pick in its own way.
TEST_F(CommercialFieldsTest, EditsRefusedOnTwoPageAddressWithoutNumber) {
    h.control().setMitDebitorenkonto(true);
    h.control().setMitRechnungPerPDF(true);
    h.clearRecords();

    // The salutation is emptied again; picking it is still reported.
    pick("ocxAnrede", "Herr");
    EXPECT_TRUE(combo("ocxAnrede")->KeyValue().isNull());
    EXPECT_EQ(h.events() << QString::number(h.informations().size()), QStringList({"Click", "1"}));
    h.clearRecords();

    // Payment terms keep the pick and raise nothing.
    pick("ocxZahlungsbedingungen", "SOFORT");
    EXPECT_FALSE(h.informations().isEmpty());
    EXPECT_EQ(combo("ocxZahlungsbedingungen")->KeyValue().toString(), "SOFORT");
    EXPECT_TRUE(h.events().isEmpty());
    h.clearRecords();

    // A tick stays, without event.
    auto* pdf = h.control().findChild<QCheckBox*>("chkRechnungPerPDF");
    pdf->click();
    EXPECT_TRUE(pdf->isChecked());
    EXPECT_EQ(QString::number(h.informations().size()) + h.events().join(' '), "1");
}

TEST_F(CommercialFieldsTest, ForeignCurrencyPickedShowsRatesAtFixedRate) {
    loadCustomer("10001");
    h.control().AddKursbehandlung(1);
    pick("ocxWaehrung", "USD");
    EXPECT_EQ(h.control().findChild<QComboBox*>("cdoDKursbehandlung")->currentIndex(), 2);
    EXPECT_EQ(h.edit("txtDWechselkurs")->text(), "1,10000");
    // Changed, then chosen: the currency is reported for each.
    const QStringList once = {"Waehrungchange(USD,1,1.1,2)", "Change"};
    EXPECT_EQ(currency(), once + once);
    h.clearRecords();

    // Confirmed again with the rates unchanged: nothing.
    QLineEdit* entry = combo("ocxWaehrung")->keyEntry();
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(currency().isEmpty()) << currency().join(' ').toStdString();

    // The table's rate changed meanwhile: three events.
    h.database().exec("UPDATE Währungen SET Kurs = 1.2 WHERE Währung = 'USD'");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(currency(), QStringList({"Waehrungchange(USD,1,1.2,2)", "Change",
                                       "Wechselkurschange(1,1.2,2,USD)"}));
    h.clearRecords();

    // Rates with more decimals than the fields show compare as they are:
    // unchanged is quiet, a change beyond the fifth decimal is reported.
    for (const auto& [usd, eur, reported] :
         {std::tuple{"1.2345678", "1", true}, std::tuple{"1.2345678", "1", false},
          std::tuple{"1.2345679", "1", true}, std::tuple{"1.2345679", "1.0000004", true},
          std::tuple{"1.2345679", "1.0000004", false}}) {
        SCOPED_TRACE(std::string(usd) + " " + eur);
        h.database().exec(
            QStringLiteral("UPDATE Währungen SET Kurs = %1 WHERE Währung = 'USD'").arg(usd));
        h.database().exec(
            QStringLiteral("UPDATE Währungen SET Kurs = %1 WHERE Währung = 'EUR'").arg(eur));
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(currency().filter("Wechselkurschange").size(), reported ? 1 : 0)
            << currency().join(' ').toStdString();
        h.clearRecords();
    }
}

TEST_F(CommercialFieldsTest, RatesSurviveShowAndStoreInGermanNotation) {
    loadCustomer("10004"); // a currency without rate
    BelegAdressen& w = h.control();
    w.AddWechselkurs(1.23456);
    w.AddWechselkursHauswaehrung(1.5);
    EXPECT_EQ(h.edit("txtDWechselkurs")->text(), "1,23456");
    w.setAktAdresse(2);
    w.setAktAdresse(1);
    EXPECT_EQ(std::pair(w.GetWechselkurs(), w.GetWechselkursHauswaehrung()),
              std::pair(1.23456, 1.5));

    // Typed by the user: each change is a click, the value is kept.
    retype(h.edit("txtDWechselkurs"), "0,98765");
    EXPECT_EQ(h.events().count("Click"), 7);
    w.setAktAdresse(1);
    EXPECT_DOUBLE_EQ(w.GetWechselkurs(), 0.98765);

    // Home rate 0: the table's rate of the home currency, none: 0.
    w.AddWechselkursHauswaehrung(0);
    EXPECT_DOUBLE_EQ(w.GetWechselkursHauswaehrung(), 1.0);
    h.database().exec("DELETE FROM Währungen WHERE Währung = 'EUR'");
    w.AddWechselkursHauswaehrung(0);
    EXPECT_DOUBLE_EQ(w.GetWechselkursHauswaehrung(), 0.0);
}

TEST_F(CommercialFieldsTest, UnknownPaymentTermsKeepTheFocus) {
    loadCustomer("10001");
    QLineEdit* terms = combo("ocxZahlungsbedingungen")->keyEntry();
    retype(terms, "30N");
    h.focus("txtDAdr_1");
    EXPECT_EQ(h.messages(),
              QStringList{"Zahlungsbedingung[48]: Die Zahlungsbedingung ist nicht vorhanden."});
    EXPECT_EQ(QApplication::focusWidget(), terms);
}

TEST_F(CommercialFieldsTest, VatIdCheckedWhenLeftWithoutEvent) {
    h.control().setMitDebitorenkonto(true);
    loadCustomer("10001");
    pick("ocxMwstKnz", "1");
    QLineEdit* vatId = h.edit("txtDUstIdentNr");
    // Loaded: checked at once.
    auto* sign = vatId->findChild<QAction*>("actUstIdentNrPruefung");
    EXPECT_EQ(sign->toolTip(), "Prüfziffer stimmt nicht");

    retype(vatId, "AT13585627");
    EXPECT_FALSE(sign->isVisible());
    h.clearRecords();
    h.focus("txtDAdr_1");
    EXPECT_TRUE(sign->isVisible());
    EXPECT_EQ(sign->toolTip(), "Format für AT: ATU + 8 Ziffern");
    EXPECT_EQ(vatId->text(), "AT13585627");
    EXPECT_TRUE(h.events().isEmpty() && h.messages().isEmpty());
}

TEST_F(CommercialFieldsTest, CurrencyFailuresIgnoredWhenTypedReportedByTheFieldWhenConfirmed) {
    loadCustomer("10001");
    QLineEdit* entry = combo("ocxWaehrung")->keyEntry();
    entry->setFocus();
    h.sql().failWhenContains = "Währungen";
    // Confirmed as entered: the rate check fails and the field reports it.
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(h.messages().size(), 1);
    EXPECT_TRUE(h.messages()[0].startsWith("ocxWaehrung/FieldConfirm/3146"))
        << h.messages()[0].toStdString();
    h.clearRecords();

    // Typed: each keystroke ends at the failing lookup, without event or message.
    retype(entry, "CHF");
    EXPECT_TRUE(h.messages().isEmpty());
    EXPECT_FALSE(currency().contains("Change"));

    // The treatment picked by the user is a change of its own.
    h.sql().failWhenContains.clear();
    h.clearRecords();
    emit h.control().findChild<QComboBox*>("cdoDKursbehandlung")->activated(1);
    EXPECT_EQ(currency(), QStringList{"Change"});
}

TEST(VatIdValidatorTest, FormAndCheckDigit) {
    constexpr State V = State::Valid, I = State::Invalid;
    const char* const kDigit = "Prüfziffer stimmt nicht";
    // Published examples; an invalid one differs from a valid one in its last digit, or its form.
    // clang-format off
    // Number, state, message (empty: not compared).
    const std::tuple<const char*, State, const char*> cases[] = {
        {"DE136695976", V, ""}, {"DE136695977", I, kDigit},
        {"DE13669597", I, "Format für DE: DE + 9 Ziffern"}, {"atu13585627", V, ""},
        {"ATU13585626", I, kDigit}, {"AT13585627", I, "Format für AT: ATU + 8 Ziffern"},
        {"CHE-116.281.710 MWST", V, ""}, {"CHE-116.281.711", I, kDigit}, {"FR40303265045", V, ""},
        {"FR41303265045", I, kDigit}, {"NL004495445B01", V, ""}, {"NL004495446B01", I, kDigit},
        {"BE0428759497", V, ""}, {"BE0428759498", I, kDigit}, {"DK13585628", V, ""},
        {"IT00743110157", V, ""}, {"IT00743110158", I, kDigit}, {"  ", State::Empty, ""},
        {"ESX1234567X", State::Unchecked, ""}, {"PL8567346215", V, ""}, {"PL8567346216", I, kDigit},
        {"123456789", I, "Die Ident-Nr beginnt mit dem Länderkürzel, z. B. DE."},
    };
    // clang-format on
    for (const auto& [number, state, message] : cases) {
        const VatIdValidator::Result r = VatIdValidator::check(QString::fromUtf8(number));
        EXPECT_EQ(r.state, state) << number << ": " << r.message.toStdString();
        EXPECT_EQ(*message ? r.message : QString(), QString::fromUtf8(message)) << number;
    }
}

} // namespace
