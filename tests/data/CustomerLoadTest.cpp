// The number entry driven as a user drives it: typing, leaving the field, F2,
// the search buttons and the host's drop targets, on both database engines.
#include "contracts/MasterDataCombo.h"
#include "contracts/PostalCodeManager.h"
#include "support/AgreedStatements.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
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
    // Every field is checked with a row of its own below; these texts carry
    // umlauts, ß and an ampersand through the database.
    EXPECT_EQ(w.GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_EQ(w.GetBez2(), "Heizung & Sanitär");
    EXPECT_EQ(w.GetStrasse(), "Hauptstraße 1");
    EXPECT_TRUE(h.messages().isEmpty());
}

struct CurrencyCase {
    const char* nummer;
    const char* waehrung;
    qint16 erfassung;
    double kurs;
    // The host hears the currency as the field shows it, the rate of the home
    // currency from its label, the document rate and the list index.
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

// The number goes into the statement as typed, quotes doubled and blanks
// kept; a blank number sends nothing.
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
    for (qint16 art : {110, 120, 130, 50, 100}) {
        h.control().fktDragNummer("");
        h.control().AddBelegart(art);
        h.control().fktDragNummer("10001");
        const bool service = art == 110 || art == 120 || art == 130;
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

// A customer whose every column holds a value of its own, so that a column
// read into the wrong field shows. Flags are checked separately below.
const char* const kEveryColumn =
    "INSERT INTO Kundenstamm (Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, HauptKonto,"
    " MwSt_KZ, UStIdentNr, Auftragsrabatt, Zahlungsart, KostID, PostfachPlz, Postfach,"
    " ZahlungsbedSchl, KzDivers, DruckAufbewahrungsfrist, Ort, Straße, Land, PLZ, Versandart,"
    " Währung, Währungserfassung, Liefersperre, MitUeberweisungen, VertreterNr1, VertreterNr2,"
    " VertreterNr3, Telefon, Telefon2, Telefon3, Telefax, EMail, Hompage, BezTelefon1,"
    " BezTelefon2, BezTelefon3, BezTelefax, BezEMail, BezHompage, RG_KdNr, VS_KdNr, VS_AdrNr,"
    " RG_AdrNr, KopftextAN, KopftextAB, KopftextLS, KopftextRG, KopftextGS, FußtextAN,"
    " FußtextAB, FußtextLS, FußtextRG, FußtextGS, Kundeninfo, InterneBemerkung, Kundengruppe,"
    " RechnungPerPDF) VALUES ('K-77', 'Frau Dr.', 'Vera', 'Name eins AG', 'Name zwei',"
    " 'Name drei', 'Name vier', '14077', '2', 'CHE-123', 7.25, ' UEB ', 7, '8021',"
    " 'Postfach 44', '30N', -1, 0, 'Zürich', 'Bahnhofstrasse 7', 'CH', '8001', 'DHL', 'CHF',"
    " 1, -1, 0, 'V-EINS', 'V-ZWEI', 'V-DREI', '044-111', '079-222', '044-333', '044-444',"
    " 'info@example.ch', 'www.example.ch', 'Zentrale', 'Mobil', 'Werkstatt', 'Fax', 'Mail',"
    " 'Web', 'RK-1', 'VK-2', 'VA-3', 'RA-4', 'K01', 'K02', 'K03', 'K04', 'K05', 'F06', 'F07',"
    " 'F08', 'F09', 'F10', 'Kundeninfo', 'Nur nach Anmeldung liefern', 'Grosshandel', -1)";

QString keyOf(const BelegAdressen& w, const char* name) {
    auto* combo = w.findChild<belegadressen::MasterDataCombo*>(name);
    EXPECT_NE(combo, nullptr) << name;
    return combo ? combo->KeyValue().toString() : QString();
}

QString textOf(const BelegAdressen& w, const char* name) {
    if (auto* e = w.findChild<QLineEdit*>(name)) return e->text();
    if (auto* l = w.findChild<QLabel*>(name)) return l->text();
    if (auto* c = w.findChild<QComboBox*>(name)) return c->currentText();
    ADD_FAILURE() << "no text field " << name;
    return {};
}

bool checked(const BelegAdressen& w, const char* name) {
    auto* box = w.findChild<QCheckBox*>(name);
    EXPECT_NE(box, nullptr) << name;
    return box && box->isChecked();
}

class CustomerRow : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, CustomerRow, batest::engines(), batest::EngineName());

// Every field of the record, read back through the host's accessors and
// where a field shows it, through the field.
TEST_P(CustomerRow, EveryColumnLandsInItsOwnField) {
    ControlHarness h(engine());
    h.database().exec(kEveryColumn);
    auto& w = h.control();
    h.typeNumber("K-77");

    EXPECT_TRUE(h.messages().isEmpty()) << h.messages().join("\n").toStdString();
    EXPECT_EQ(h.events(), QStringList({"ChangeKundenrabatt(7.25)", "Waehrungchange(CHF,1,0.95,2)",
                                       "Change", "ChangeMwstKnz()", "ChangeMwstKnz(2)"}));

    // Which column lands in which field is checked on the row mapping alone;
    // here what the load adds: the cost assignment, the group, and the fields
    // the reset leaves empty.
    const std::pair<QString, QString> texts[] = {
        {w.GetNummer(), "K-77"},        {w.GetZahlungsart(), "UEB"},
        {w.GetVersandart(), ""},        {w.Kostenstelle(), "KST100"},
        {w.Kostentraeger(), "KTR200"},  {w.Kundengruppe(), "Grosshandel"},
        {w.GetAnsprechpartnerKD(), ""}, {w.GetVersandtext(), ""},
        {w.GetWartTermin(), ""},        {w.GetBemerkung(), ""}};
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(texts[i].first, texts[i].second) << "field " << i;

    // Taken from the currency, not from the column of the same name.
    EXPECT_EQ(w.GetWaehrungserfassung(), 2);
    EXPECT_EQ(w.GetWartStandort(), 0);

    const std::pair<const char*, QString> shown[] = {{"txtDNummer", "K-77"},
                                                     {"txtDAdr_0", "Vera"},
                                                     {"txtDAdr_1", "Name eins AG"},
                                                     {"txtDAdr_2", "Name zwei"},
                                                     {"txtDAdr_3", "Name drei"},
                                                     {"txtDAdr_4", "Name vier"},
                                                     {"txtDAdr_5", "Bahnhofstrasse 7"},
                                                     {"txtDAdr_6", "Zürich"},
                                                     {"txtDPostleitzahl", "8001"},
                                                     {"cdoDLand", "CH"},
                                                     {"txtDPostfach", "Postfach 44"},
                                                     {"txtDPlzPostfach", "8021"},
                                                     {"txtDHauptkonto", "14077"},
                                                     {"txtDUstIdentNr", "CHE-123"},
                                                     {"txtDAuftragsrabatt", "7,25"},
                                                     {"txtDKD_Nr_0", "VK-2"},
                                                     {"txtDKD_Nr_1", "RK-1"},
                                                     {"txtDAD_Nr_0", "VA-3"},
                                                     {"txtDAD_Nr_1", "RA-4"},
                                                     {"txtDAnNr_0", "K01"},
                                                     {"txtdAuNr_0", "K02"},
                                                     {"txtdLsNr_0", "K03"},
                                                     {"txtdReNr_0", "K04"},
                                                     {"txtdGuNr_0", "K05"},
                                                     {"txtDAnNr_1", "F06"},
                                                     {"txtdAuNr_1", "F07"},
                                                     {"txtdLsNr_1", "F08"},
                                                     {"txtdReNr_1", "F09"},
                                                     {"txtdGuNr_1", "F10"}};
    for (const auto& [name, value] : shown)
        EXPECT_EQ(textOf(w, name), value) << name;

    const std::pair<const char*, QString> keys[] = {
        {"ocxAnrede", "Frau Dr."},    {"ocxMwstKnz", "2"},
        {"ocxZahlungsart", "UEB"},    {"ocxZahlungsbedingungen", "30N"},
        {"ocxDVersandart", ""},       {"ocxWaehrung", "CHF"},
        {"ocxVertreter_0", "V-EINS"}, {"ocxVertreter_1", "V-ZWEI"},
        {"ocxVertreter_2", "V-DREI"}};
    for (const auto& [name, value] : keys)
        EXPECT_EQ(keyOf(w, name), value) << name;

    EXPECT_TRUE(checked(w, "chkKnzDivers"));
    EXPECT_FALSE(checked(w, "chkDruckAufbewahrungsfrist"));
    EXPECT_TRUE(checked(w, "chkRechnungPerPDF"));
    EXPECT_FALSE(checked(w, "chkDruckInAnschriftKD"));
    EXPECT_EQ(w.findChild<QComboBox*>("cdoDKursbehandlung")->currentIndex(), 2);
    EXPECT_EQ(w.findChild<QTextEdit*>("chkRtf")->toPlainText(), "Nur nach Anmeldung liefern");
}

// Two values per flag cannot tell five flags apart in one row: three rows
// give each flag a pattern of its own (1, 2, 3, 4 and 5 in binary), so a flag
// read from a neighbour's column shows in one of them.
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

// Discount, currency and tax key belong to the document's customer: a
// customer on a further address tells the host of the change alone.
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

// A number that is no customer is looked up among the general addresses on
// the further addresses only, with exactly this statement.
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

// A postal-code manager that only counts its searches and finds nothing.
struct CountingPlzManager : belegadressen::PostalCodeManager {
    void Init(std::shared_ptr<belegadressen::HostApplication>, const QString&,
              std::shared_ptr<belegadressen::Connection>, bool) override {}
    void Suche_Plz(const QString& plz, const QString& ort, const QString&, bool) override {
        searches << plz + " " + ort;
    }
    QString Suche_Ort(const QString&) override { return {}; }
    bool Geprueft() const override { return false; }
    QString Plz() const override { return {}; }
    QString Ort() const override { return {}; }
    QString Strasse() const override { return {}; }
    QString Hausnummer() const override { return {}; }
    void setOkMeldungUnterdrucken(bool) override {}
    QStringList searches;
};

TEST_P(AddressLines, LeavingAnUnchangedPlaceChecksNothingAndRaisesNothing) {
    ControlHarness h(engine());
    auto plz = std::make_shared<CountingPlzManager>();
    belegadressen::Services services;
    services.postalCodeManager = [plz] { return plz; };
    h.setServices(services);
    auto& w = h.control();
    w.AddMitPostleitzahl("1", nullptr, "", nullptr, false);
    w.fktDragNummer("10001");
    h.focus("txtDAdr_6");
    h.clearRecords();
    h.focus("txtDAdr_5");
    EXPECT_TRUE(plz->searches.isEmpty());
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(h.sql().statements.isEmpty());
    EXPECT_EQ(w.GetOrt(), "Stuttgart");

    // A changed place is checked once and reported as an edit.
    h.focus("txtDAdr_6");
    h.edit("txtDAdr_6")->setText("Esslingen");
    h.focus("txtDAdr_5");
    EXPECT_EQ(plz->searches, QStringList{"70173 Esslingen"});
    EXPECT_EQ(h.events(), QStringList({"Change"}));
}

} // namespace
