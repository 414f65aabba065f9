// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Technician, contacts and appointment of a service order on address 2; durations.
#include "service/ServiceFixture.h"
#include "service/ServiceValues.h"
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using batest::ServiceOrder;
using namespace belegadressen;

namespace {

struct OnAddressTwo : ServiceOrder {
    OnAddressTwo() {
        control().setAktAdresse(2);
        events.clear();
    }
    // Types `text` over the field's text; with `next`, leaves for that field.
    void type(const char* field, const QString& text, const char* next = nullptr) {
        QLineEdit* e = harness.edit(QString::fromUtf8(field));
        e->setFocus(Qt::TabFocusReason);
        e->selectAll();
        text.isEmpty() ? QTest::keyClick(e, Qt::Key_Delete) : QTest::keyClicks(e, text);
        if (next) harness.focus(QString::fromUtf8(next));
    }
    QString name() { return control().findChild<QLabel*>("txtMonteurname_0")->text(); }
};

// Leaving the field looks the number up; an unknown one is told, emptied, and keeps the focus.
TEST(Technician, LeavingTheFieldLooksTheNumberUp) {
    OnAddressTwo o;
    o.type("txtMonteur_0", "M1", "txtAnsprechpartner");
    EXPECT_EQ(o.name(), "Amsel, Anna");
    o.type("txtMonteur_0", "O'Neil", "txtAnsprechpartner");
    EXPECT_EQ(o.harness.edit("txtMonteur_0")->text() + o.name(), "");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Der Mitarbeiter O'Neil ist nicht vorhanden."}));
    EXPECT_EQ(QApplication::focusWidget(), o.harness.edit("txtMonteur_0"));
}

// A dropped staff number belongs to the first button only.
TEST(Technician, ButtonsKeysAndDropsOfStaffNumbers) {
    OnAddressTwo o;
    auto& w = o.control();
    o.click("btnMonteur_1");
    EXPECT_EQ(w.fktDragPersonalNummer("M1"), 0);
    EXPECT_EQ(o.harness.edit("txtMonteur_0")->text(), "");
    o.click("btnMonteur_0");
    EXPECT_EQ(w.fktDragPersonalNummer("M3"), -1);
    EXPECT_EQ(o.harness.edit("txtMonteur_0")->text() + o.name(), "M3Clemens, Carl");
    EXPECT_EQ(o.events.count("btnMonteurClick"), 2);
    // The search key and buttons ask the host; Shift+F2 does not.
    o.events.clear();
    QLineEdit* monteur = o.harness.edit("txtMonteur_0");
    monteur->setFocus();
    QTest::keyClick(monteur, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(o.events.isEmpty());
    QTest::keyClick(monteur, Qt::Key_F2);
    o.click("btnAnpWart");
    EXPECT_EQ(o.events, QStringList({"btnMonteurClick", "btnAnsprechpartner(,true)"}));
}

TEST(Technician, EmptyingAContactDropsItsIdentityOnce) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartAnsprechpartner("Frau Rot");
    o.type("txtAnsprechpartner", "", "txtTelefon");
    EXPECT_EQ(o.events, QStringList({"Change"})); // no identity: no reset
    w.AddWartAnsprechpartner("Frau Rot");
    w.AddWartAnsprechpartnerID("77");
    o.events.clear();
    o.type("txtAnsprechpartner", "", "txtTelefon");
    EXPECT_EQ(o.events, QStringList({"Change", "btnAnsprechpartnerReset(true)"}));
    EXPECT_EQ(w.GetWartAnsprechpartnerID(), "");
}

TEST(Appointment, GoesToTheHostWithTheDurationInHundredthsOrIsRefused) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartMonteur("M1");
    w.AddWartAnsprechpartner("Frau Rot");
    w.AddWartAnsprechpartnerTelefon("0731-77");
    w.AddWartAnsprechpartnerFax("0731-78");
    o.type("txtTermin", "15012025");
    o.type("txtUhrzeit", "0930");
    o.harness.edit("txtDauer")->setText("0,125");
    o.type("txtStoerText", "Kessel tropft");
    o.events.clear();
    o.click("btnVergebeTermin");
    o.click("btnTerminAssistent");
    EXPECT_EQ(o.events, QStringList({"TerminEintragen(M1,15.01.2025,09:30,12,Frau Rot,0731-77,"
                                     "0731-78,Kessel tropft,0)",
                                     "TerminAssistent(M1,15.01.2025,09:30,12)"}));

    // A duration too large is refused where it is typed.
    o.type("txtDauer", "400", "txtStoerText");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Die Dauer von 400,00 Stunden ist zu groß: möglich "
                           "sind höchstens 327,67 Stunden."}));
    EXPECT_EQ(QApplication::focusWidget(), o.harness.edit("txtDauer"));
    o.events.clear();
    o.click("btnVergebeTermin"); // told already: refused without a second message
    EXPECT_TRUE(o.events.isEmpty());
    EXPECT_EQ(o.dialogs->messages.size(), 1);
}

TEST(Appointment, EmptyingTheDateDeletesTheAppointmentWithQuestion) {
    OnAddressTwo o;
    auto& w = o.control();
    w.AddWartTermin("2025-01-15");
    w.AddWartUhrzeit("09:30");
    w.AddWartDauer(150);
    // Typing another date deletes nothing.
    o.type("txtTermin", "16012025", "txtUhrzeit");
    EXPECT_EQ(o.events.count("LoescheWarttermin(true)"), 0);
    o.type("txtTermin", "", "txtUhrzeit");
    EXPECT_EQ(o.events.count("LoescheWarttermin(true)"), 1);
    EXPECT_EQ(w.GetWartTermin() + w.GetWartUhrzeit(), "");
    EXPECT_EQ(w.GetWartDauer(), 0);
    o.events.clear();
    o.click("btnLoeTermin");
    EXPECT_EQ(o.events.first(), "LoescheWarttermin(false)");
}

TEST(Appointment, EditedDateOfLastMaintenanceGoesToTheHostInStorageForm) {
    OnAddressTwo o;
    auto& w = o.control();
    w.setAktAdresse(1);
    o.harness.typeNumber("S2"); // site and equipment: the date may be edited
    w.setAktAdresse(2);
    o.events.clear();
    for (const char* typed : {"01032024", "02022025", ""}) // the first is unchanged
        o.type("txtDatumLetzteWartung", QString::fromUtf8(typed), "txtStoerText");
    EXPECT_EQ(o.events.filter("ChangeDatumLetzteWartung"),
              QStringList({"ChangeDatumLetzteWartung(2025-02-02)", "ChangeDatumLetzteWartung()"}));
    EXPECT_EQ(w.GetDatumLetzteWartung(), "2024-03-01"); // the record is the host's to change
}

// Halves go to the even hundredth (0,125 and 0,135).
TEST(DurationText, BecomesHundredthsOrIsRefused) {
    const std::tuple<const char*, bool, qint16> cases[] = {
        {"1,5", true, 150},    {"1.5", true, 150}, {"0,125", true, 12},
        {"0,135", true, 14},   {"  ", true, 0},    {"327,67", true, 32767},
        {"327,675", false, 0}, {"1e9", false, 0},  {"1,5h", false, 0}};
    for (const auto& [text, ok, hundredths] : cases) {
        const Duration d = durationFromText(QString::fromUtf8(text));
        // Only a refusal has a message.
        EXPECT_EQ(std::tuple(d.ok, ok ? d.hundredths : qint16(0), d.message.isEmpty()),
                  std::tuple(ok, hundredths, ok))
            << text;
    }
    EXPECT_EQ(durationFromText("zwei").message,
              "Die Dauer \"zwei\" ist keine Zahl. Bitte geben Sie die Dauer in Stunden ein, zum "
              "Beispiel 1,50.");
}

} // namespace
