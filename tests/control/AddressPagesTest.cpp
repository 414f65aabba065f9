// Creating, switching and storing addresses and their two display pages.
#include "control/AdressDaten.h"
#include "support/ControlHarness.h"
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::Error;

namespace {

class Sizing : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Sizing, OutOfRangeCountsGiveTwoAddresses) {
    BelegAdressen w;
    w.setAnzAdresse(static_cast<qint16>(GetParam().first));
    EXPECT_EQ(w.AnzAdresse(), GetParam().second);
    w.setAktAdresse(static_cast<qint16>(w.AnzAdresse()));
    EXPECT_NO_THROW(w.GetNummer());
    w.setAktAdresse(static_cast<qint16>(w.AnzAdresse() + 1));
    EXPECT_THROW(w.GetNummer(), Error);
}

INSTANTIATE_TEST_SUITE_P(, Sizing,
                         ::testing::Values(std::pair{0, 2}, std::pair{99, 2}, std::pair{98, 98},
                                           std::pair{1, 1}));

struct KeepCase {
    int index;
    bool resetAppointment;
    bool kept;
};

class AppointmentKeeping : public ::testing::TestWithParam<KeepCase> {};

TEST_P(AppointmentKeeping, OnlyTheServiceAddressKeepsItsAppointment) {
    const KeepCase& k = GetParam();
    belegadressen::AdressDaten r;
    r.WartTermin = "2026-12-24";
    r.WartUhrzeit = "08:00";
    r.WartDauer = 2;
    r.WartMonteur = "M1";
    r.Bez1 = "x";
    belegadressen::LeereAdresse(r, k.index, k.resetAppointment, "EUR", 1);
    EXPECT_EQ(std::tuple(r.Bez1, r.MwstKnz, r.Waehrung),
              std::tuple(QString(), QString("0"), QString("EUR")));
    EXPECT_EQ(r.WartTermin, k.kept ? "2026-12-24" : "");
    EXPECT_EQ(r.WartUhrzeit, k.kept ? "08:00" : "");
    EXPECT_EQ(r.WartDauer, k.kept ? 2.0 : 1.0);
    // The technician of the service address survives any reset.
    EXPECT_EQ(r.WartMonteur, k.index == 1 ? "M1" : "");
}

INSTANTIATE_TEST_SUITE_P(, AppointmentKeeping,
                         ::testing::Values(KeepCase{1, false, true}, KeepCase{1, true, false},
                                           KeepCase{0, false, false}, KeepCase{2, false, false}));

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
}

TEST(AddressSwitch, DesignModeRefusesTheSwitch) {
    ControlHarness h;
    h.control().setDesignMode(true);
    try {
        h.control().setAktAdresse(2);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 382);
    }
    EXPECT_EQ(h.control().AktAdresse(), 1);
}

TEST(PageCount, SetzeAnzSeitenRefusesBadArguments) {
    BelegAdressen w;
    w.setAnzAdresse(2);
    EXPECT_EQ(w.SetzeAnzSeiten(3, 1), QVariant(false));
    EXPECT_EQ(w.SetzeAnzSeiten(1, 3), QVariant(false));
    EXPECT_EQ(w.SetzeAnzSeiten(0, 1), QVariant(false));
    EXPECT_FALSE(w.SetzeAnzSeiten(2, 1).isValid());
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
    EXPECT_TRUE(w.fktAnzeigeSeite1().toBool());

    w.fktDragNummer("10001");
    h.clearRecords();
    toPage2->click();
    EXPECT_FALSE(page2->isHidden());
    EXPECT_FALSE(w.fktAnzeigeSeite1().toBool());

    // Back by keyboard: the host hears of it.
    toPage1->setFocus();
    QTest::keyClick(toPage1, Qt::Key_Space);
    EXPECT_EQ(h.takeEvents(), QStringList({"btnSeite2Click"}));
    EXPECT_TRUE(page2->isHidden());

    // Back by the left mouse button: it does not.
    toPage2->click();
    QTest::mouseClick(toPage1, Qt::LeftButton);
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(w.fktAnzeigeSeite1().toBool());
}

TEST(Pages, RefreshRedrawsOnlyOnTheLastAddress) {
    ControlHarness h(5);
    auto& w = h.control();
    w.setAktAdresse(2);
    w.AddBez1("gespeichert");
    h.edit("txtDAdr_1")->setText("getippt");
    w.Refresh();
    EXPECT_EQ(h.edit("txtDAdr_1")->text(), "getippt");

    w.setAktAdresse(5);
    w.AddBez1("gespeichert");
    h.edit("txtDAdr_1")->setText("getippt");
    w.Refresh();
    EXPECT_EQ(h.edit("txtDAdr_1")->text(), "gespeichert");
}

TEST(AddressCount, ConfiguringTheSelectionFieldsReadsNoTable) {
    ControlHarness h;
    h.control().setAnzAdresse(4);
    h.control().setAktAdresse(1);
    h.control().AddAnrede(QStringLiteral("Frau"));
    h.control().AddZahlungsbedingungen(QStringLiteral("14T"));
    EXPECT_TRUE(h.sql().statements.isEmpty()) << h.sql().statements.join("\n").toStdString();
}

} // namespace
