// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Creating, switching and storing addresses, their two pages and the number they need first.
#include "control/AdressDaten.h"
#include "support/ControlHarness.h"
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::Error;

namespace {

TEST(Sizing, OutOfRangeCountsGiveTwoAddressesBadPageCountsAreRefused) {
    for (const auto& [count, expected] : {std::pair{0, 2}, {99, 2}, {98, 98}, {1, 1}}) {
        BelegAdressen w;
        w.setAnzAdresse(static_cast<qint16>(count));
        EXPECT_EQ(w.AnzAdresse(), expected) << count;
        w.setAktAdresse(static_cast<qint16>(expected));
        EXPECT_NO_THROW(w.GetNummer());
        w.setAktAdresse(static_cast<qint16>(expected + 1));
        EXPECT_THROW(w.GetNummer(), Error);
    }
    // A page count outside 1 and 2, or for a missing address, is refused.
    BelegAdressen w;
    w.setAnzAdresse(2);
    EXPECT_EQ(QVariantList({w.SetzeAnzSeiten(3, 1), w.SetzeAnzSeiten(1, 3), w.SetzeAnzSeiten(0, 1),
                            w.SetzeAnzSeiten(2, 1)}),
              QVariantList({false, false, false, QVariant()}));
}

TEST(AppointmentKeeping, OnlyTheServiceAddressKeepsItsAppointment) {
    // index, reset of the appointment asked for, appointment kept
    for (const auto& [index, reset, kept] :
         {std::tuple{1, false, true}, {1, true, false}, {0, false, false}, {2, false, false}}) {
        belegadressen::AdressDaten r;
        r.WartTermin = "2026-12-24";
        r.WartMonteur = "M1";
        r.Bez1 = "x";
        belegadressen::LeereAdresse(r, index, reset, "EUR", 1);
        // The technician of the service address survives any reset.
        EXPECT_EQ(QStringList({r.Bez1, r.MwstKnz, r.Waehrung, r.WartTermin, r.WartMonteur}),
                  QStringList({"", "0", "EUR", kept ? "2026-12-24" : "", index == 1 ? "M1" : ""}))
            << index << reset;
    }
}

TEST(AddressSwitch, TypedValuesReachTheRecordOnlyWhenTheyHaveAnAddress) {
    ControlHarness h;
    auto& w = h.control();
    // Two pages and no number: typed text is dropped.
    h.edit("txtDAdr_5")->setText("Weg 1");
    w.setAktAdresse(2);
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetStrasse(), "");

    // A one-page address is stored even without a number.
    w.setAktAdresse(2);
    h.edit("txtDAdr_5")->setText("Weg 2");
    w.setAktAdresse(3);
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetStrasse(), "Weg 2");

    // Assigning the current address again stores and shows the typed values.
    w.setAktAdresse(1);
    w.fktDragNummer("10001");
    h.edit("txtDAdr_1")->setText("Neuer Name");
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetBez1(), "Neuer Name");
    EXPECT_EQ(h.edit("txtDAdr_1")->text(), "Neuer Name");

    // Design mode refuses the switch.
    w.setDesignMode(true);
    try {
        w.setAktAdresse(2);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 382);
    }
    EXPECT_EQ(w.AktAdresse(), 1);
}

TEST(Pages, SwitchNeedsANumberAndTellsKeyboardFromMouse) {
    ControlHarness h;
    auto& w = h.control();
    auto* toPage2 = w.findChild<QPushButton*>("btnSeite_0");
    auto* toPage1 = w.findChild<QPushButton*>("btnSeite_1");
    auto* page2 = w.findChild<QFrame*>("panSeite_0");
    toPage2->click();
    EXPECT_EQ(h.messages(), QStringList{"QelBelAdr[4]: Die Adressnummer  ist nicht vorhanden."});
    EXPECT_TRUE(page2->isHidden());

    w.fktDragNummer("10001");
    h.clearRecords();
    toPage2->click();
    EXPECT_FALSE(page2->isHidden());
    EXPECT_FALSE(w.fktAnzeigeSeite1().toBool());
    // Back by the left mouse button: the host does not hear of it, as it does of a key.
    QTest::mouseClick(toPage1, Qt::LeftButton);
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(w.fktAnzeigeSeite1().toBool());
}

TEST(Pages, RefreshRedrawsOnlyOnTheLastAddress) {
    ControlHarness h(5);
    for (const auto& [address, shown] : {std::pair{2, "getippt"}, {5, "gespeichert"}}) {
        h.control().setAktAdresse(static_cast<qint16>(address));
        h.control().AddBez1("gespeichert");
        h.edit("txtDAdr_1")->setText("getippt");
        h.control().Refresh();
        EXPECT_EQ(h.edit("txtDAdr_1")->text(), shown);
    }
}

TEST(AddressGuard, TwoPageAddressWithoutNumberRefusesTypedText) {
    for (const char* name : {"txtDAdr_1", "txtDPostleitzahl", "cdoDLand"}) {
        SCOPED_TRACE(name);
        ControlHarness h;
        auto* combo = h.control().findChild<QComboBox*>(name);
        QLineEdit* line = combo ? combo->lineEdit() : h.edit(name);
        h.focus(name);
        h.clearRecords();
        QTest::keyClicks(line, "7");
        EXPECT_EQ(QStringList({line->text()}) + h.events(), QStringList{""});
        EXPECT_EQ(h.informations(),
                  QStringList{"Information: Bitte erfassen Sie zuerst eine Adressnummer."});

        h.edit("txtDNummer")->setText("10001");
        h.clearRecords();
        QTest::keyClicks(line, "7");
        EXPECT_EQ(QStringList({line->text()}) + h.events() + h.informations(),
                  QStringList({"7", "Change"}));
    }
}

TEST(AddressGuard, LeavingTheLastFieldOfAOnePageAddressReturnsToTheNumber) {
    // The place is the last field, or with the PO box shown, its postal code.
    for (const auto& [last, next] :
         {std::pair{"txtDAdr_6", "txtDAdr_5"}, std::pair{"txtDPlzPostfach", "txtDPostfach"}}) {
        SCOPED_TRACE(last);
        ControlHarness h;
        h.control().setMitPostfach(QString(last) == "txtDPlzPostfach");
        h.control().setAktAdresse(2);
        h.clearRecords();
        h.focus(last);
        h.focus(next);
        EXPECT_EQ(h.events(), QStringList({"btnSeite2Click"}));
        EXPECT_TRUE(h.edit("txtDNummer")->hasFocus());

        // A service layout keeps the user in the address block.
        h.control().AddBelegart(110);
        h.clearRecords();
        h.focus(last);
        h.focus(next);
        EXPECT_TRUE(h.events().isEmpty());
    }
}

} // namespace
