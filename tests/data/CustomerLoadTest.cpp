// The number entry driven as a user drives it: typing, leaving the field, F2,
// the search buttons and the host's drop targets, on a real SQLite database.
#include "support/ControlHarness.h"
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using batest::ControlHarness;

namespace {

const QString kKundeSelect = QStringLiteral(
    "select Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, HauptKonto, MwSt_KZ, "
    "UStIdentNr, "
    "Auftragsrabatt, Zahlungsart, KostID, PostfachPlz, Postfach, ZahlungsbedSchl, KzDivers, "
    "DruckAufbewahrungsfrist, Ort, Straße, Land, PLZ, Versandart, Währung, Währungserfassung, "
    "Liefersperre, MitUeberweisungen, VertreterNr1, VertreterNr2, VertreterNr3, Telefon, Telefon2, "
    "Telefon3, Telefax, EMail, Hompage, BezTelefon1, BezTelefon2, BezTelefon3, BezTelefax, "
    "BezEMail, "
    "BezHompage, RG_KdNr, VS_KdNr, VS_AdrNr, RG_AdrNr, KopftextAN, KopftextAB, KopftextLS, "
    "KopftextRG, KopftextGS, FußtextAN, FußtextAB,FußtextLS, FußtextRG, FußtextGS,  "
    "InterneBemerkung, Kundengruppe, RechnungPerPDF FROM Kundenstamm where KundenNummer = ");
const QString kNotPresent =
    QStringLiteral("QelBelAdr[4]: Die Adressnummer %1 ist nicht vorhanden.");

TEST(CustomerLoad, FillsAddressOneAndRaisesItsEventsInOrder) {
    ControlHarness h;
    h.typeNumber("10001");
    auto& w = h.control();
    EXPECT_EQ(h.events(), QStringList({"ChangeKundenrabatt(12.5)", "Waehrungchange(EUR,1,0,2)",
                                       "Change", "ChangeMwstKnz()", "ChangeMwstKnz(1)"}));
    EXPECT_EQ(h.sql().statements.first(), kKundeSelect + "'10001'");
    EXPECT_EQ(w.GetNummer(), "10001");
    EXPECT_EQ(w.GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_EQ(w.GetBez2(), "Heizung & Sanitär");
    EXPECT_EQ(w.GetStrasse(), "Hauptstraße 1");
    EXPECT_EQ(w.GetPostleitzahl(), "70173");
    EXPECT_EQ(w.GetZahlungsart(), "BAR");
    EXPECT_EQ(w.GetZahlungsbedingungen(), "14T");
    EXPECT_TRUE(w.GetKzDivers());
    EXPECT_TRUE(w.GetMitUeberweisungen());
    EXPECT_FALSE(w.GetRechnungPerPDF());
    EXPECT_EQ(w.GetKAnNr(), "001");
    EXPECT_EQ(w.GetFReNr(), "007");
    EXPECT_EQ(w.GetVKD_Nr(), "20001");
    EXPECT_EQ(w.GetRAD_Nr(), "A-7");
    EXPECT_EQ(w.GetKursbehandlung(), 2);
    EXPECT_EQ(w.Kostenstelle(), "KST100");
    EXPECT_EQ(w.Kostentraeger(), "KTR200");
    EXPECT_EQ(w.Kundengruppe(), "Handwerk");
    EXPECT_EQ(h.edit("txtDAdr_1")->text(), "Müller Haustechnik GmbH");
    EXPECT_TRUE(h.control().findChild<QCheckBox*>("chkKnzDivers")->isChecked());
    // Not a service document: the telephone numbers stay with the customer.
    EXPECT_EQ(w.GetWartAnsprechpartnerTelefon(), "");
    EXPECT_TRUE(h.messages().isEmpty());
}

struct CurrencyCase {
    const char* nummer;
    const char* waehrung;
    qint16 erfassung;
    double kurs;
};

class CustomerCurrency : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(CustomerCurrency, ResolvesTheDocumentCurrency) {
    const CurrencyCase& c = GetParam();
    ControlHarness h;
    h.typeNumber(c.nummer);
    auto& w = h.control();
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

INSTANTIATE_TEST_SUITE_P(, CustomerCurrency,
                         ::testing::Values(CurrencyCase{"10002", "CHF", 2, 0.95},
                                           CurrencyCase{"10003", "EUR", 1, 0.0},
                                           CurrencyCase{"10004", "XYZ", 2, 0.0},
                                           CurrencyCase{"O'Brien", "EUR", 1, 0.0}));

TEST(CustomerLoad, LeavingForAFieldOfTheHostLoadsADialogDoesNot) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* hostField = new QLineEdit(&window);
    layout->addWidget(hostField);
    ControlHarness h;
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

TEST(CustomerLoad, QuotesInTheNumberAreDoubledAndTheRowIsFound) {
    ControlHarness h;
    h.typeNumber("O'Brien");
    EXPECT_TRUE(h.sql().statements.first().endsWith("where KundenNummer = 'O''Brien'"));
    EXPECT_EQ(h.control().GetBez1(), "O'Brien & Söhne");
}

TEST(CustomerLoad, NumberIsSentUntrimmed) {
    ControlHarness h;
    h.typeNumber(" 10001 ");
    EXPECT_TRUE(h.sql().statements.first().endsWith("= ' 10001 '"));
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg(" 10001 ")});
}

TEST(CustomerLoad, UnknownNumberIsReportedClearsTheAddressAndKeepsTheFocus) {
    ControlHarness h;
    h.typeNumber("10001");
    h.clearRecords();
    h.typeNumber("99999");
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg("99999")});
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_EQ(h.control().GetBez1(), "");
    EXPECT_EQ(h.edit("txtDNummer")->text(), "");
    EXPECT_TRUE(h.edit("txtDNummer")->hasFocus());
}

TEST(CustomerLoad, BlankNumberSendsNoQuery) {
    ControlHarness h;
    h.typeNumber("   ");
    EXPECT_TRUE(h.sql().statements.isEmpty());
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg("   ")});
}

TEST(CustomerLoad, LeavingTheUnchangedNumberReadsNothing) {
    ControlHarness h;
    h.typeNumber("10001");
    h.clearRecords();
    h.focus("txtDNummer");
    h.focus("txtDAdr_2");
    EXPECT_TRUE(h.sql().statements.isEmpty());
    EXPECT_TRUE(h.events().isEmpty());
}

TEST(CustomerLoad, ClearingTheNumberResetsTheAddress) {
    ControlHarness h;
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

TEST(CustomerLoad, FurtherAddressesTryGeneralAddressesAddressOneDoesNot) {
    ControlHarness h;
    h.typeNumber("A-100");
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg("A-100")});

    h.control().setAktAdresse(2);
    h.clearRecords();
    h.typeNumber("A-100");
    auto& w = h.control();
    EXPECT_TRUE(h.messages().isEmpty());
    EXPECT_EQ(h.events(), QStringList({"Change"}));
    EXPECT_EQ(w.GetNummer(), "");
    EXPECT_EQ(w.GetMwstKnz(), "0");
    EXPECT_EQ(w.GetBez1(), "Lieferant Karl Kunz");
    EXPECT_EQ(w.GetBez3(), "Tor 3");
    EXPECT_EQ(w.GetBez4(), "");
    EXPECT_EQ(w.GetAnrede(), "Herr");
    EXPECT_EQ(w.GetOrt(), "München");
}

TEST(CustomerLoad, SearchButtonAndF2AskTheHostAndTheNextLeaveLoadsNothing) {
    ControlHarness h;
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

TEST(CustomerLoad, ServiceDocumentsTakeTheCustomersTelephoneNumbers) {
    for (qint16 art : {110, 120, 130, 50}) {
        ControlHarness h;
        h.control().AddBelegart(art);
        h.control().fktDragNummer("10001");
        const bool service = art != 50;
        EXPECT_EQ(h.control().GetWartAnsprechpartnerTelefon(), service ? "0711-1" : "") << art;
        EXPECT_EQ(h.control().GetWartAnsprechpartnerFax(), service ? "0711-2" : "") << art;
        EXPECT_EQ(h.control().GetWartAnsprechpartnerMobil(), service ? "0170-3" : "") << art;
    }
}

TEST(CustomerLoad, DatabaseFailuresEndInAMessageNotInAHalfFilledAddress) {
    ControlHarness h;
    h.sql().failWhenContains = "Kundenstamm";
    h.typeNumber("10001");
    EXPECT_EQ(h.messages(), QStringList({"QelBelAdr[4]: LeseKunde", kNotPresent.arg("10001")}));

    // The row was read, the rate lookup fails: nothing claims to be loaded.
    h.clearRecords();
    h.sql().failWhenContains = "Währungen";
    h.typeNumber("10002");
    EXPECT_EQ(h.control().GetNummer(), "");
    EXPECT_EQ(h.control().GetBez1(), "");
    ASSERT_EQ(h.messages().size(), 1);
    EXPECT_TRUE(h.messages().first().contains("server closed the connection"));
    EXPECT_EQ(h.control().fktDragNummer("10002"), 0);
    EXPECT_EQ(h.control().GetBez1(), "");

    // Without a host object the reader reports and nothing else happens.
    h.clearRecords();
    h.control().setAppObj(nullptr);
    h.typeNumber("10001");
    EXPECT_EQ(h.messages(), QStringList({"QelBelAdr[4]: LeseKunde", kNotPresent.arg("10001")}));
}

TEST(CustomerLoad, InternalRemarkArmsTheInfoTimer) {
    ControlHarness h;
    h.typeNumber("O'Brien");
    auto* rtf = h.control().findChild<QTextEdit*>("chkRtf");
    EXPECT_EQ(rtf->toPlainText(), "Nur gegen Vorkasse");
    EXPECT_TRUE(h.control().findChild<QTimer*>("Timer1")->isActive());
}

TEST(GeneralAddress, DropOfAnUnknownNumberChangesNothing) {
    ControlHarness h;
    h.control().fktDragNummer("10001");
    h.clearRecords();
    EXPECT_EQ(h.control().fktDragNummerAdresse("X-1"), -1);
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(h.messages().isEmpty());

    EXPECT_EQ(h.control().fktDragNummerAdresse("A-100"), -1);
    EXPECT_EQ(h.control().GetBez1(), "Lieferant Karl Kunz");
    EXPECT_EQ(h.edit("txtDNummer")->text(), "");
}

TEST(AddressLines, TwoPageAddressWithoutNumberRefusesEdits) {
    ControlHarness h;
    QLineEdit* line = h.edit("txtDAdr_1");
    line->setFocus();
    QTest::keyClicks(line, "x");
    EXPECT_EQ(line->text(), "");
    EXPECT_EQ(h.informations(),
              QStringList{"Information: Bitte erfassen Sie zuerst eine Adressnummer."});
    EXPECT_TRUE(h.events().isEmpty());

    h.control().fktDragNummer("10001");
    h.clearRecords();
    line->setFocus();
    QTest::keyClicks(line, "x");
    EXPECT_EQ(h.events(), QStringList({"Change"}));
    EXPECT_TRUE(h.informations().isEmpty());
}

TEST(AddressLines, LeavingThePlaceOfAOnePageAddressReturnsToTheNumber) {
    ControlHarness h;
    h.control().setAktAdresse(2);
    h.clearRecords();
    h.focus("txtDAdr_6");
    h.focus("txtDAdr_5");
    EXPECT_EQ(h.events(), QStringList({"btnSeite2Click"}));
    EXPECT_TRUE(h.edit("txtDNummer")->hasFocus());
}

} // namespace
