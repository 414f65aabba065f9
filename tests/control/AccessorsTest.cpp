// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The host's Get/Add members: conversions, the change gate, the refusal of a missing address.
#include "control/ControlState.h"
#include "support/ControlHarness.h"
#include <QLabel>
#include <gtest/gtest.h>

using namespace belegadressen;
using batest::ControlHarness;

namespace {

// Durations cross in hundredths of an hour; the fault text is kept on the
// service address only.
TEST(Accessors, ConversionsOnTheWayInAndOut) {
    ControlHarness h;
    auto& w = h.control();
    w.AddNummer("10001"); // so that switching stores what the fields show
    w.AddBemerkung("  Hinweis  ");
    w.AddWaehrung("   ");
    EXPECT_EQ(QStringList({w.GetBemerkung(), w.GetWaehrung()}), QStringList({"Hinweis", "EUR"}));
    w.AddWaehrung("chf");
    w.AddWartTermin("2026-12-24");
    w.AddRabatt(12.5);
    w.AddAnrede(QString(50, 'A'));
    // Longer than its column: refused whole, never cut.
    try {
        w.AddAnrede(QString(60, 'B'));
        ADD_FAILURE() << "a salutation longer than its column was taken";
    } catch (const belegadressen::Error& e) {
        EXPECT_TRUE(e.text().contains("„Anrede“") && e.text().contains("höchstens 50"))
            << e.text().toStdString();
    }
    EXPECT_EQ(QStringList({h.edit("txtBemerkung")->text(),
                           w.findChild<QLabel*>("lblWährungserfassung")->text(),
                           h.edit("txtTermin")->text(), h.edit("txtDAuftragsrabatt")->text()}),
              QStringList({"Hinweis", "Fremdwährung", "24.12.2026", "12,50"}));
    w.AddWartDauer(-5);
    w.AddWarttxtStoerText("Heizung fällt aus", "");
    w.setAktAdresse(1);
    EXPECT_EQ(std::tuple(w.GetWartTermin(), w.GetAnrede(), w.GetWartDauer(), w.GetWartStoerText()),
              std::tuple(QString("2026-12-24"), QString(50, 'A'), qint16(-5), QString()));
    w.AddStandarddauer(150);
    w.setAnzAdresse(2);
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetWartDauer(), 150);
    w.setAktAdresse(2);
    w.AddWarttxtStoerText("Heizung fällt aus", "{\\rtf1 Heizung}");
    EXPECT_EQ(w.GetWartStoerText(), "Heizung fällt aus");
}

TEST(Accessors, AddsNeverReportAChangeAndLeaveTheGateOpen) {
    ControlHarness h;
    auto& w = h.control();
    w.setAnzAdresse(4);
    w.setAktAdresse(1);
    h.takeEvents(); // the property store's
    w.AddNummer("10001");
    w.AddBez1("Müller");
    w.AddMwstKnz("1");
    w.AddWaehrung("CHF");
    w.AddAnrede("Frau");
    w.AddRabatt(12.5);
    w.AddZahlungsbedingungen("14T");
    // AddNummer loads nothing, nor does configuring the selection fields.
    EXPECT_TRUE(h.events().isEmpty() && h.informations().isEmpty() && h.sql().statements.isEmpty());
    EXPECT_EQ(w.GetBez1(), "Müller");
    // The gate is open again: a user edit is reported.
    h.edit("txtDAdr_1")->setText("Meier");
    EXPECT_EQ(h.events(), QStringList({"Change"}));
}

TEST(AccessorsAlone, NoCurrentAddressFailsWithNineAndChangesNothing) {
    BelegAdressen w;
    w.setAnzAdresse(2);
    for (qint16 akt : {0, 3}) {
        w.setAktAdresse(akt);
        auto* line = w.findChild<QLineEdit*>("txtDAdr_1");
        line->setText("vorher");
        for (auto call : std::vector<std::function<void()>>{
                 [&] { w.AddBez1("x"); }, [&] { w.GetBez1(); }, [&] { w.AddWartDauer(5); }}) {
            try {
                call();
                ADD_FAILURE() << "no error for address " << akt;
            } catch (const Error& e) {
                EXPECT_EQ(e.number(), 9);
            }
        }
        EXPECT_EQ(line->text(), "vorher");
    }
}

struct Fault {};

// Runs `body` inside a gate and answers whether the gate is open afterwards.
template <class F> bool openAfter(ControlState& st, ChangeGate::OnError onError, F&& body) {
    try {
        ChangeGate gate(st, onError);
        body();
    } catch (const Fault&) {
    }
    return st.aenderungMelden();
}

TEST(ChangeGate, OpensOnlyAtTheEndOfTheOutermostFillOrOnAnError) {
    ControlState st;
    st.mAdressen.resize(1);
    {
        ChangeGate load(st);
        // A reset in the middle of a load must not let field edits through.
        AddressRecords(st).leereAdresse(0, false);
        EXPECT_FALSE(st.aenderungMelden());
        { ChangeGate show(st); }
        EXPECT_FALSE(st.aenderungMelden());
    }
    EXPECT_TRUE(st.aenderungMelden());
    // A window the user edits inside a fill opens the gate for its time only.
    {
        ChangeGate load(st);
        {
            ChangeReportingScope remark(st);
            EXPECT_TRUE(st.aenderungMelden());
        }
        EXPECT_FALSE(st.aenderungMelden());
    }
    EXPECT_TRUE(st.aenderungMelden());
    // Errors open the gate, except for an accessor's.
    EXPECT_TRUE(openAfter(st, ChangeGate::OnError::Open, [] { throw Fault{}; }));
    EXPECT_FALSE(openAfter(st, ChangeGate::OnError::StayClosed, [] { throw Fault{}; }));
    // The next fill opens it again, whatever it was before.
    EXPECT_TRUE(openAfter(st, ChangeGate::OnError::StayClosed, [] {}));
    // No gate is left counted: the next one opens again at its end.
    { ChangeGate next(st); }
    EXPECT_TRUE(st.aenderungMelden());
}

class CustomerLoadFailure : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, CustomerLoadFailure, batest::engines(), batest::EngineName());

// The host must not keep discount and currency of a customer whose load failed late.
TEST_P(CustomerLoadFailure, ClearedAddressIsReportedToTheHost) {
    ControlHarness h(engine());
    h.sql().failWhenContains = "Währungen";
    h.typeNumber("10001");
    const QStringList events = h.events();
    ASSERT_GE(events.size(), 3) << events.join(" ").toStdString();
    EXPECT_TRUE(events.at(events.size() - 3).startsWith("Waehrungchange("));
    EXPECT_EQ(events.mid(events.size() - 2), QStringList({"Change", "ChangeKundenrabatt(0)"}));
    EXPECT_EQ(h.control().GetNummer(), "");
    // The gate is open again: a user edit is reported.
    h.sql().failWhenContains.clear();
    h.typeNumber("10001");
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
}

} // namespace
