// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The host's two postal switches as a host sets them: the words the switch
// of AddMitPostleitzahl takes, and the confirmation message of a correct
// address, switched off on the control, on every way a search starts.
#include "platform/PostalImport.h"
#include "support/ControlHarness.h"
#include <QTest>
#include <QToolButton>

using namespace belegadressen;
using namespace batest;

namespace {

struct Postal {
    Postal() {
        PostalImport::write(h.database().db(), "D", {{"70173", "Stuttgart", "Mitte", ""}});
        h.control().fktDragNummer("10001"); // Hauptstraße 1, 70173 Stuttgart
    }
    void enable(const QString& mit) {
        h.control().AddMitPostleitzahl(mit, nullptr, QString(), h.database().connection(), false);
    }
    bool enabled() { return h.widget("btnPlz")->isVisibleTo(&h.control()); }
    ControlHarness h;
};

} // namespace

// Words and numbers switch; any other text leaves the switch as it was.
TEST(PostalSwitch, AddMitPostleitzahlTakesWordsAndNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"True", 1}, {"true", 1}, {"wahr", 1},  {"WAHR", 1},   {"1", 1},
        {"-1", 1},   {" 2 ", 1},  {"False", 0}, {"falsch", 0}, {"0", 0},
        {"J", -1},   {"Ja", -1},  {"yes", -1},  {"", -1},      {"an", -1}};
    Postal p;
    for (const auto& [text, expected] : cases) {
        for (const bool before : {false, true}) {
            SCOPED_TRACE(std::string(text) + (before ? " after on" : " after off"));
            p.enable(before ? "1" : "0");
            p.enable(QString::fromUtf8(text));
            EXPECT_EQ(p.enabled(), expected < 0 ? before : expected == 1);
        }
    }
}

// Button, F2 in the place and leaving a changed place all confirm a correct
// address; switched off, the address is still taken, without the message.
TEST(PostalSwitch, TheConfirmationCanBeSwitchedOffOnTheControl) {
    const QString confirmed =
        QStringLiteral("Postleitzahlen: Die Anschrift 70173 Stuttgart ist geprüft.");
    for (const char* way : {"button", "F2", "leave"}) {
        for (const bool on : {true, false}) {
            SCOPED_TRACE(std::string(way) + (on ? " on" : " off"));
            Postal p;
            p.enable("1");
            EXPECT_TRUE(p.h.control().plzBestaetigung());
            p.h.control().setPlzBestaetigung(on);
            p.h.clearRecords();
            if (std::string(way) == "button") {
                static_cast<QToolButton*>(p.h.widget("btnPlz"))->click();
            } else if (std::string(way) == "F2") {
                p.h.focus("txtDAdr_6");
                QTest::keyClick(p.h.edit("txtDAdr_6"), Qt::Key_F2);
            } else {
                p.h.focus("txtDAdr_6");
                p.h.edit("txtDAdr_6")->selectAll();
                QTest::keyClicks(p.h.edit("txtDAdr_6"), "stuttgart");
                p.h.focus("txtDAdr_5");
            }
            EXPECT_EQ(p.h.informations(), on ? QStringList{confirmed} : QStringList{});
            EXPECT_EQ(p.h.edit("txtDAdr_6")->text(), QStringLiteral("Stuttgart"));
        }
    }
}
