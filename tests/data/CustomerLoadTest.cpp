// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The number entry driven as a user drives it, on both database engines.
#include "support/AgreedStatements.h"
#include "support/ControlHarness.h"
#include "support/ScriptedPostalManager.h"
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTest>
#include <QVBoxLayout>

using batest::ControlHarness;

namespace {

const QString kNotPresent =
    QStringLiteral("QelBelAdr[4]: Die Adressnummer %1 ist nicht vorhanden.");

class CustomerLoad : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, CustomerLoad, batest::engines(), batest::EngineName());

TEST_P(CustomerLoad, FillsAddressOneWithItsEventsInOrderClearsItAndTakesADroppedOne) {
    ControlHarness h(engine());
    h.typeNumber("10001");
    auto& w = h.control();
    EXPECT_EQ(h.events(), QStringList({"ChangeKundenrabatt(12.5)", "Waehrungchange(EUR,1,0,2)",
                                       "Change", "ChangeMwstKnz()", "ChangeMwstKnz(1)"}));
    EXPECT_EQ(h.sql().statements.first(), batest::kCustomerSelect + "'10001'");
    // Umlauts, ß and an ampersand through the database; the cost assignment of the KostID.
    EXPECT_EQ(QStringList({w.GetBez1(), w.GetBez2(), w.GetStrasse(), w.Kostenstelle(),
                           w.Kostentraeger(), w.Kundengruppe()}),
              QStringList({"Müller Haustechnik GmbH", "Heizung & Sanitär", "Hauptstraße 1",
                           "KST100", "KTR200", "Handwerk"}));
    EXPECT_TRUE(h.messages().isEmpty());

    // Clearing the number resets the address.
    h.clearRecords();
    h.typeNumber("");
    EXPECT_EQ(h.events(),
              QStringList({"Waehrungchange(EUR,0,0,1)", "Change", "ChangeKundenrabatt(0)"}));
    EXPECT_EQ(QStringList({w.GetBez1(), w.GetMwstKnz()}), QStringList({"", "0"}));

    // The host's search drops a customer with an internal remark: the load moves
    // the focus on to the salutation, which must not count as the user leaving
    // the number field in the middle of the load.
    h.focus("txtDAdr_1");
    h.clearRecords();
    EXPECT_EQ(w.fktDragNummer("O'Brien"), -1);
    EXPECT_EQ(w.GetBez1(), "O'Brien & Söhne");
    EXPECT_EQ(h.messages(), QStringList());
    EXPECT_EQ(h.events(),
              QStringList({"ChangeKundenrabatt(0)", "Waehrungchange(EUR,1,0,2)", "Change"}));
}

TEST_P(CustomerLoad, LeavingForAFieldOfTheHostLoadsADialogDoesNot) {
    auto activate = [](QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowActive(&window);
    };
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* hostField = new QLineEdit(&window);
    layout->addWidget(hostField);
    ControlHarness h(engine());
    h.control().setParent(&window);
    layout->addWidget(&h.control());
    activate(window);
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
    activate(dialog);
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
        EXPECT_TRUE(tail ? h.sql().statements.value(0).endsWith(QString::fromUtf8(tail))
                         : h.sql().statements.isEmpty());
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
    EXPECT_EQ(h.control().GetBez1() + h.edit("txtDNummer")->text(), "");
    EXPECT_TRUE(h.edit("txtDNummer")->hasFocus());

    // Leaving the unchanged number reads nothing.
    h.typeNumber("10001");
    h.clearRecords();
    h.focus("txtDNummer");
    h.focus("txtDAdr_2");
    EXPECT_TRUE(h.sql().statements.isEmpty() && h.events().isEmpty());
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

    // A dropped number loads at once, with the rate of its currency.
    EXPECT_EQ(h.control().fktDragNummer("10002"), -1);
    EXPECT_EQ(std::tuple(h.control().GetBez1(), nummer->text(), h.control().GetWechselkurs()),
              std::tuple(QString("Zürcher Bau AG"), QString("10002"), 0.95));
}

TEST_P(CustomerLoad, ServiceDocumentsTakeTheCustomersTelephoneNumbers) {
    ControlHarness h(engine());
    auto& w = h.control();
    for (qint16 art : {110, 130, 50}) {
        w.fktDragNummer("");
        w.AddBelegart(art);
        w.fktDragNummer("10001");
        EXPECT_EQ(w.GetWartAnsprechpartnerTelefon(), art == 50 ? "" : "0711-1") << art;
    }
}

// A load the database fails (the statement fails, the file is locked, the
// session is refused, no host object) says once why, never that the number
// does not exist, and keeps the address shown with its number, typed or
// dropped alike; a dropped number answers 0.
TEST_P(CustomerLoad, DatabaseFailuresAreToldOnceAndKeepTheShownAddress) {
    ControlHarness h(engine(), 3);
    auto& w = h.control();
    std::unique_ptr<batest::OtherSession> other;
    // What makes the database fail, what undoes it, and the cause told.
    std::vector<std::tuple<std::function<void()>, std::function<void()>, QString>> cases{
        {[&] { h.sql().failWhenContains = "Kundenstamm"; },
         [&] { h.sql().failWhenContains.clear(); }, "server closed the connection"},
        {[&] { w.setAppObj(nullptr); }, [&] { w.setAppObj(h.host()); }, "AppObj fehlt"}};
    if (engine() == batest::Engine::SQLite)
        cases.push_back({[&] {
                             h.database().exec("PRAGMA busy_timeout = 20");
                             other = std::make_unique<batest::OtherSession>(h.database());
                             other->exec("BEGIN EXCLUSIVE");
                         },
                         [&] { other.reset(); }, "gesperrt"});
    else
        cases.push_back({[&] { h.database().exec("SET standard_conforming_strings = off"); },
                         [&] { h.database().exec("SET standard_conforming_strings = on"); },
                         "standard_conforming_strings"});
    for (const int address : {1, 2}) {
        for (const auto& [breakIt, repair, cause] : cases) {
            SCOPED_TRACE(testing::Message() << address << " " << cause.toStdString());
            w.setAktAdresse(static_cast<qint16>(address));
            w.fktDragNummer("10002");
            ASSERT_EQ(w.GetBez1(), "Zürcher Bau AG");
            breakIt();
            for (const bool dropped : {false, true}) {
                h.clearRecords();
                if (dropped)
                    EXPECT_EQ(w.fktDragNummer("10001"), 0);
                else
                    h.typeNumber("10001");
                ASSERT_EQ(h.messages().size(), 1) << h.messages().join('\n').toStdString();
                EXPECT_TRUE(h.messages()[0].startsWith("QelBelAdr[4]: LeseKunde: ") &&
                            h.messages()[0].contains(cause))
                    << h.messages()[0].toStdString();
                EXPECT_EQ(
                    std::tuple(w.GetBez1(), w.GetNummer(), h.edit("txtDNummer")->text()),
                    std::tuple(QString("Zürcher Bau AG"), QString("10002"), QString("10002")));
            }
            repair();
            EXPECT_EQ(w.fktDragNummer("10001"), -1);
            EXPECT_EQ(w.GetBez1(), "Müller Haustechnik GmbH");
        }
    }
}

// Three rows give each of five flags its own bit pattern, so a swapped column shows.
TEST_P(CustomerLoad, EachFlagReadsItsOwnColumn) {
    ControlHarness h(engine());
    auto& w = h.control();
    auto checked = [&w](const char* name) { return w.findChild<QCheckBox*>(name)->isChecked(); };
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        QList<bool> set;
        QStringList cells;
        for (int code = 1; code <= 5; ++code)
            set << bool((code >> row) & 1), cells << (set.last() ? "-1" : "0");
        h.database().exec(QStringLiteral("INSERT INTO Kundenstamm (Kundennummer, KzDivers, "
                                         "DruckAufbewahrungsfrist, RechnungPerPDF, "
                                         "MitUeberweisungen, Liefersperre) VALUES ('F%1', %2)")
                              .arg(row)
                              .arg(cells.join(", ")));
        w.fktDragNummer(QStringLiteral("F%1").arg(row));
        EXPECT_EQ(
            QList<bool>({w.GetKzDivers(), w.GetDruckAufbewahrungsfrist(), w.GetRechnungPerPDF(),
                         w.GetMitUeberweisungen(), w.GetLiefersperre(), checked("chkKnzDivers"),
                         checked("chkDruckAufbewahrungsfrist"), checked("chkRechnungPerPDF")}),
            set + set.mid(0, 3));
    }
}

// Discount, currency and tax key belong to address 1: further addresses raise
// Change only. There only a real tax key reaches the host; "0" is the key of
// a cleared address.
TEST_P(CustomerLoad, OnlyAddressOneRaisesDiscountCurrencyAndRealTaxKeys) {
    ControlHarness h(engine());
    auto& w = h.control();
    w.setAktAdresse(2);
    for (const char* nummer : {"10002", "", "10001"}) { // currency; cleared; tax key, discount
        h.clearRecords();
        h.typeNumber(nummer);
        EXPECT_EQ(h.events(), QStringList({"Change"})) << nummer;
    }
    EXPECT_EQ(std::tuple(w.GetMwstKnz(), w.GetRabatt()), std::tuple(QString("1"), 12.5));
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetBez1(), "") << "address 1 is untouched";
    h.database().exec("INSERT INTO Kundenstamm (Kundennummer, MwSt_KZ, KzDivers, Liefersperre) "
                      "VALUES ('M0', '0', 0, 0), ('ME', '', 0, 0), ('MN', NULL, 0, 0)");
    for (const char* nummer : {"M0", "ME", "MN"}) {
        h.clearRecords();
        h.typeNumber(nummer);
        EXPECT_TRUE(h.events().contains("Change") && h.events().filter("Mwst").isEmpty()) << nummer;
    }
}

// General addresses load on further addresses only; an unknown one dropped changes nothing.
TEST_P(CustomerLoad, GeneralAddressesOnFurtherAddressesOnly) {
    ControlHarness h(engine());
    auto& w = h.control();
    h.typeNumber("A-100");
    EXPECT_EQ(h.messages(), QStringList{kNotPresent.arg("A-100")});

    w.setAktAdresse(2);
    h.clearRecords();
    h.typeNumber("O'Neil");
    EXPECT_EQ(h.sql().statements.value(1), batest::kAddressSelect + "'O''Neil'");
    h.clearRecords();
    h.typeNumber("A-100");
    EXPECT_TRUE(h.messages().isEmpty());
    EXPECT_EQ(h.events(), QStringList({"Change"}));
    EXPECT_EQ(QStringList({w.GetNummer(), w.GetBez1()}), QStringList({"", "Lieferant Karl Kunz"}));

    w.fktDragNummer("10001");
    h.clearRecords();
    EXPECT_EQ(w.fktDragNummerAdresse("X-1"), -1);
    EXPECT_EQ(w.GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_TRUE(h.events().isEmpty() && h.messages().isEmpty());
}

TEST_P(CustomerLoad, LeavingAnUnchangedPlaceChecksNothingAndRaisesNothing) {
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
    EXPECT_TRUE(plz->calls.isEmpty() && h.events().isEmpty() && h.sql().statements.isEmpty());
    EXPECT_EQ(w.GetOrt(), "Stuttgart");
}

// Loads clear the date and time fields; what a load clears is no edit of the
// user's to undo, and a history kept per load would grow the process for good.
TEST(LoadMemory, ClearedDateAndTimeFieldsKeepNoUndoHistory) {
    ControlHarness h;
    for (int round = 0; round < 3; ++round) {
        h.typeNumber("10001");
        h.typeNumber("10002");
    }
    for (const char* name :
         {"txtTermin", "txtUhrzeit", "txtDatumLetzteWartung", "txtDatumLetzteRechnung"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(h.edit(name)->isUndoAvailable());
    }
}

} // namespace
