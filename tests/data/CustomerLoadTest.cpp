// The number entry driven as a user drives it: typing, leaving the field, F2,
// the search buttons and the host's drop targets, on both database engines.
#include "contracts/MasterDataCombo.h"
#include "support/AgreedStatements.h"
#include "support/ControlHarness.h"
#include "support/ScriptedPostalManager.h"
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using batest::ControlHarness;
using batest::Engine;
using belegadressen::BelegAdressen;

namespace {

const QString kNotPresent =
    QStringLiteral("QelBelAdr[4]: Die Adressnummer %1 ist nicht vorhanden.");

class CustomerLoad : public batest::OnEachEngine<> {};
class GeneralAddress : public batest::OnEachEngine<> {};
class AddressLines : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, CustomerLoad, batest::engines(), batest::EngineName());
INSTANTIATE_TEST_SUITE_P(, GeneralAddress, batest::engines(), batest::EngineName());
INSTANTIATE_TEST_SUITE_P(, AddressLines, batest::engines(), batest::EngineName());

TEST_P(CustomerLoad, FillsAddressOneAndRaisesItsEventsInOrder) {
    ControlHarness h(engine());
    h.typeNumber("10001");
    auto& w = h.control();
    EXPECT_EQ(h.events(), QStringList({"ChangeKundenrabatt(12.5)", "Waehrungchange(EUR,1,0,2)",
                                       "Change", "ChangeMwstKnz()", "ChangeMwstKnz(1)"}));
    EXPECT_EQ(h.sql().statements.first(), batest::kCustomerSelect + "'10001'");
    // Umlauts, ß and an ampersand through the database.
    EXPECT_EQ(w.GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_EQ(w.GetBez2(), "Heizung & Sanitär");
    EXPECT_EQ(w.GetStrasse(), "Hauptstraße 1");
    // Added by the load: the cost assignment of the customer's KostID.
    EXPECT_EQ(QStringList({w.Kostenstelle(), w.Kostentraeger(), w.Kundengruppe()}),
              QStringList({"KST100", "KTR200", "Handwerk"}));
    EXPECT_TRUE(h.messages().isEmpty());
}

struct CurrencyCase {
    const char* nummer;
    const char* waehrung;
    qint16 erfassung;
    double kurs;
    const char* event;
};

class CustomerCurrency : public batest::OnEachEngine<std::tuple<Engine, CurrencyCase>> {};

TEST_P(CustomerCurrency, ResolvesTheDocumentCurrency) {
    const CurrencyCase& c = std::get<1>(GetParam());
    ControlHarness h(engine());
    h.typeNumber(c.nummer);
    auto& w = h.control();
    EXPECT_EQ(h.events().filter("Waehrungchange"), QStringList{c.event});
    EXPECT_EQ(w.GetWaehrung(), c.waehrung);
    EXPECT_EQ(w.GetWaehrungserfassung(), c.erfassung);
    EXPECT_DOUBLE_EQ(w.GetWechselkurs(), c.kurs);
    EXPECT_DOUBLE_EQ(w.GetWechselkursHauswaehrung(), 1.0);
    EXPECT_EQ(w.GetKursbehandlung(), 2);
    // NULL discount and flags read as 0 and False.
    if (QString(c.nummer) == "10002") {
        EXPECT_EQ(h.events().first(), "ChangeKundenrabatt(0)");
        EXPECT_FALSE(w.GetDruckAufbewahrungsfrist());
        EXPECT_EQ(w.GetStrasse(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    , CustomerCurrency,
    ::testing::Combine(
        batest::engines(),
        ::testing::Values(CurrencyCase{"10002", "CHF", 2, 0.95, "Waehrungchange(CHF,1,0.95,2)"},
                          CurrencyCase{"10003", "EUR", 1, 0.0, "Waehrungchange(EUR,1,0,2)"},
                          CurrencyCase{"10004", "XYZ", 2, 0.0, "Waehrungchange(XYZ,1,0,2)"},
                          CurrencyCase{"O'Brien", "EUR", 1, 0.0, "Waehrungchange(EUR,1,0,2)"})),
    batest::EngineName());

TEST_P(CustomerLoad, LeavingForAFieldOfTheHostLoadsADialogDoesNot) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* hostField = new QLineEdit(&window);
    layout->addWidget(hostField);
    ControlHarness h(engine());
    h.control().setParent(&window);
    layout->addWidget(&h.control());
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
    QLineEdit* nummer = h.edit("txtDNummer");
    nummer->setFocus();
    QTest::keyClicks(nummer, "10002");
    hostField->setFocus();
    EXPECT_EQ(h.control().GetBez1(), "Zürcher Bau AG");

    // A dialog taking the focus is no leave.
    h.control().setAktAdresse(1);
    nummer->setFocus();
    nummer->setText("10001");
    QDialog dialog(&window);
    auto* dialogField = new QLineEdit(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    (void)QTest::qWaitForWindowActive(&dialog);
    dialogField->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), dialogField);
    EXPECT_EQ(h.control().GetBez1(), "Zürcher Bau AG");
    h.control().setParent(nullptr);
}

// Typed number: quotes doubled, blanks kept; a blank number sends nothing.
TEST_P(CustomerLoad, NumberReachesTheStatementAsTyped) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"O'Brien", "where KundenNummer = 'O''Brien'", "O'Brien & Söhne"},
        {" 10001 ", "= ' 10001 '", ""},
        {"   ", nullptr, ""}};
    for (const auto& [typed, tail, bez1] : cases) {
        SCOPED_TRACE(typed);
        ControlHarness h(engine());
        h.typeNumber(typed);
        if (tail)
            EXPECT_TRUE(h.sql().statements.first().endsWith(QString::fromUtf8(tail)));
        else
            EXPECT_TRUE(h.sql().statements.isEmpty());
        EXPECT_EQ(h.control().GetBez1(), QString::fromUtf8(bez1));
        EXPECT_EQ(h.messages(), *bez1 ? QStringList() : QStringList{kNotPresent.arg(typed)});
    }
}

TEST_P(CustomerLoad, UnknownNumberIsReportedClearsTheAddressAndKeepsTheFocus) {
    ControlHarness h(engine());
    h.typeNumber("10001");
    h.clearRecords();
    h.typeNumber("99999");
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg("99999")});
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_EQ(h.control().GetBez1(), "");
    EXPECT_EQ(h.edit("txtDNummer")->text(), "");
    EXPECT_TRUE(h.edit("txtDNummer")->hasFocus());
}

TEST_P(CustomerLoad, LeavingTheUnchangedNumberReadsNothing) {
    ControlHarness h(engine());
    h.typeNumber("10001");
    h.clearRecords();
    h.focus("txtDNummer");
    h.focus("txtDAdr_2");
    EXPECT_TRUE(h.sql().statements.isEmpty());
    EXPECT_TRUE(h.events().isEmpty());
}

TEST_P(CustomerLoad, ClearingTheNumberResetsTheAddress) {
    ControlHarness h(engine());
    h.typeNumber("10001");
    h.clearRecords();
    h.typeNumber("");
    EXPECT_EQ(h.events(),
              QStringList({"Waehrungchange(EUR,0,0,1)", "Change", "ChangeKundenrabatt(0)"}));
    EXPECT_EQ(h.control().GetBez1(), "");
    EXPECT_EQ(h.control().GetMwstKnz(), "0");

    h.control().setAktAdresse(2);
    h.typeNumber("10002");
    h.clearRecords();
    h.typeNumber("");
    EXPECT_EQ(h.events(), QStringList({"Change"}));
}

TEST_P(CustomerLoad, SearchButtonAndF2AskTheHostAndTheNextLeaveLoadsNothing) {
    ControlHarness h(engine());
    QLineEdit* nummer = h.edit("txtDNummer");
    nummer->setFocus();
    QTest::keyClicks(nummer, "10001");
    QTest::keyClick(nummer, Qt::Key_F2);
    EXPECT_EQ(h.events(), QStringList({"btnKundeClick"}));
    h.focus("txtDAdr_1");
    EXPECT_TRUE(h.sql().statements.isEmpty());

    h.clearRecords();
    QTest::keyClick(nummer, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(h.events().isEmpty());

    EXPECT_EQ(h.control().fktDragNummer("10002"), -1);
    EXPECT_EQ(h.control().GetBez1(), "Zürcher Bau AG");
    EXPECT_EQ(h.edit("txtDNummer")->text(), "10002");
}

TEST_P(CustomerLoad, ServiceDocumentsTakeTheCustomersTelephoneNumbers) {
    ControlHarness h(engine());
    for (qint16 art : {110, 130, 50}) {
        h.control().fktDragNummer("");
        h.control().AddBelegart(art);
        h.control().fktDragNummer("10001");
        const bool service = art != 50;
        EXPECT_EQ(h.control().GetWartAnsprechpartnerTelefon(), service ? "0711-1" : "") << art;
        EXPECT_EQ(h.control().GetWartAnsprechpartnerFax(), service ? "0711-2" : "") << art;
        EXPECT_EQ(h.control().GetWartAnsprechpartnerMobil(), service ? "0170-3" : "") << art;
    }
}

TEST_P(CustomerLoad, DatabaseFailuresEndInAMessageNotInAHalfFilledAddress) {
    ControlHarness h(engine());
    h.sql().failWhenContains = "Kundenstamm";
    h.typeNumber("10001");
    EXPECT_EQ(h.messages(), QStringList({"QelBelAdr[4]: LeseKunde", kNotPresent.arg("10001")}));

    // Without a host object the reader reports and nothing else happens.
    h.clearRecords();
    h.control().setAppObj(nullptr);
    h.typeNumber("10001");
    EXPECT_EQ(h.messages(), QStringList({"QelBelAdr[4]: LeseKunde", kNotPresent.arg("10001")}));
}

bool checked(const BelegAdressen& w, const char* name) {
    auto* box = w.findChild<QCheckBox*>(name);
    EXPECT_NE(box, nullptr) << name;
    return box && box->isChecked();
}

// Three rows give each of five flags its own bit pattern, so a swapped column shows.
TEST_P(CustomerLoad, EachFlagReadsItsOwnColumn) {
    ControlHarness h(engine());
    for (int row = 0; row < 3; ++row) {
        auto bit = [row](int code) { return (code >> row) & 1 ? -1 : 0; };
        h.database().exec(QStringLiteral("INSERT INTO Kundenstamm (Kundennummer, KzDivers, "
                                         "DruckAufbewahrungsfrist, RechnungPerPDF, "
                                         "MitUeberweisungen, Liefersperre) VALUES "
                                         "('F%1', %2, %3, %4, %5, %6)")
                              .arg(row)
                              .arg(bit(1))
                              .arg(bit(2))
                              .arg(bit(3))
                              .arg(bit(4))
                              .arg(bit(5)));
    }
    auto& w = h.control();
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        auto set = [row](int code) { return bool((code >> row) & 1); };
        w.fktDragNummer(QStringLiteral("F%1").arg(row));
        EXPECT_EQ(w.GetKzDivers(), set(1));
        EXPECT_EQ(w.GetDruckAufbewahrungsfrist(), set(2));
        EXPECT_EQ(w.GetRechnungPerPDF(), set(3));
        EXPECT_EQ(w.GetMitUeberweisungen(), set(4));
        EXPECT_EQ(w.GetLiefersperre(), set(5));
        EXPECT_EQ(checked(w, "chkKnzDivers"), set(1));
        EXPECT_EQ(checked(w, "chkDruckAufbewahrungsfrist"), set(2));
        EXPECT_EQ(checked(w, "chkRechnungPerPDF"), set(3));
    }
}

// Only a real key reaches the host; "0" is the key of a cleared address.
TEST_P(CustomerLoad, TaxKeyZeroEmptyOrMissingRaisesNoTaxEvent) {
    ControlHarness h(engine());
    h.database().exec("INSERT INTO Kundenstamm (Kundennummer, Bez1, MwSt_KZ, KzDivers, "
                      "Liefersperre) VALUES ('M0', 'Null', '0', 0, 0), ('ME', 'Leer', '', 0, 0),"
                      " ('MN', 'Ohne', NULL, 0, 0), ('M3', 'Drei', '3', 0, 0)");
    const std::pair<const char*, QStringList> cases[] = {
        {"M0", {}},
        {"ME", {}},
        {"MN", {}},
        {"M3", {"ChangeMwstKnz()", "ChangeMwstKnz(3)"}},
    };
    for (const auto& [nummer, expected] : cases) {
        h.clearRecords();
        h.typeNumber(nummer);
        EXPECT_EQ(h.events().filter("ChangeMwstKnz"), expected) << nummer;
        EXPECT_TRUE(h.events().contains("Change")) << nummer;
    }
}

// Discount, currency and tax key belong to address 1: further addresses raise Change only.
TEST_P(CustomerLoad, ACustomerOnAFurtherAddressRaisesChangeOnly) {
    ControlHarness h(engine());
    h.control().setAktAdresse(2);
    h.clearRecords();
    h.typeNumber("10002");
    EXPECT_EQ(h.events(), QStringList({"Change"}));
    EXPECT_EQ(h.control().GetBez1(), "Zürcher Bau AG");
    EXPECT_EQ(h.control().GetWaehrung(), "CHF");

    h.clearRecords();
    h.typeNumber("10001");
    EXPECT_EQ(h.events(), QStringList({"Change"}));
    EXPECT_EQ(h.control().GetMwstKnz(), "1");
    EXPECT_DOUBLE_EQ(h.control().GetRabatt(), 12.5);
    // Address 1 is untouched.
    h.control().setAktAdresse(1);
    EXPECT_EQ(h.control().GetBez1(), "");
}

// General addresses are looked up on further addresses only, with this statement.
TEST_P(GeneralAddress, FurtherAddressesOnlyWithTheAgreedStatement) {
    const QString& select = batest::kAddressSelect;
    ControlHarness h(engine());
    h.typeNumber("A-100");
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg("A-100")});

    h.control().setAktAdresse(2);
    h.clearRecords();
    h.typeNumber("O'Neil");
    ASSERT_EQ(h.sql().statements.size(), 2);
    EXPECT_EQ(h.sql().statements[1], select + "'O''Neil'");
    h.clearRecords();
    h.typeNumber("A-100");
    EXPECT_TRUE(h.messages().isEmpty());
    EXPECT_EQ(h.events(), QStringList({"Change"}));
    EXPECT_EQ(h.control().GetNummer(), "");
    EXPECT_EQ(h.control().GetBez1(), "Lieferant Karl Kunz");
}

TEST_P(GeneralAddress, DropOfAnUnknownNumberChangesNothing) {
    ControlHarness h(engine());
    h.control().fktDragNummer("10001");
    h.clearRecords();
    EXPECT_EQ(h.control().fktDragNummerAdresse("X-1"), -1);
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(h.messages().isEmpty());

    h.sql().statements.clear();
    EXPECT_EQ(h.control().fktDragNummerAdresse("A-100"), -1);
    EXPECT_EQ(h.sql().statements, QStringList{batest::kAddressSelect + "'A-100'"});
    EXPECT_EQ(h.control().GetBez1(), "Lieferant Karl Kunz");
    EXPECT_EQ(h.edit("txtDNummer")->text(), "");
}

TEST_P(AddressLines, LeavingAnUnchangedPlaceChecksNothingAndRaisesNothing) {
    ControlHarness h(engine());
    auto plz = std::make_shared<batest::ScriptedManager>();
    plz->geprueft = false;
    belegadressen::Services services;
    services.postalCodeManager = [plz] { return plz; };
    h.setServices(services);
    auto& w = h.control();
    w.AddMitPostleitzahl("1", nullptr, "", nullptr, false);
    w.fktDragNummer("10001");
    h.focus("txtDAdr_6");
    h.clearRecords();
    plz->calls.clear();
    h.focus("txtDAdr_5");
    EXPECT_TRUE(plz->calls.isEmpty());
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(h.sql().statements.isEmpty());
    EXPECT_EQ(w.GetOrt(), "Stuttgart");

    // A changed place is checked once and reported as an edit.
    h.focus("txtDAdr_6");
    h.edit("txtDAdr_6")->setText("Esslingen");
    h.focus("txtDAdr_5");
    EXPECT_EQ(plz->calls, QStringList{"Suche_Plz(70173,Esslingen,Hauptstraße 1,true)"});
    EXPECT_EQ(h.events(), QStringList({"Change"}));
}

} // namespace
