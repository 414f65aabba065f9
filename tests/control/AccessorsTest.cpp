// The host's Get/Add members: conversions, the change gate and the refusal
// of an address that does not exist.
#include "support/ControlHarness.h"
#include <QLabel>
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::Error;

namespace {

class AccessorLookups : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, AccessorLookups, batest::engines(), batest::EngineName());

TEST(Accessors, DurationsCrossInHundredthsOfAnHour) {
    ControlHarness h;
    auto& w = h.control();
    for (qint16 v : {150, 0, 9999}) {
        w.AddWartDauer(v);
        EXPECT_EQ(w.GetWartDauer(), v);
    }
    w.AddWartDauer(-5);
    w.setAktAdresse(1); // stores what the field shows
    EXPECT_EQ(w.GetWartDauer(), -5);
    w.AddStandarddauer(150);
    w.setAnzAdresse(2);
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetWartDauer(), 150);
}

TEST(Accessors, ConversionsOnTheWayInAndOut) {
    ControlHarness h;
    auto& w = h.control();
    w.AddNummer("10001"); // so that switching stores what the fields show
    w.AddBemerkung("  Hinweis  ");
    EXPECT_EQ(w.GetBemerkung(), "Hinweis");
    EXPECT_EQ(h.edit("txtBemerkung")->text(), "Hinweis");

    w.AddWaehrung("   ");
    EXPECT_EQ(w.GetWaehrung(), "EUR");
    w.AddWaehrung("chf");
    EXPECT_EQ(w.findChild<QLabel*>("lblWährungserfassung")->text(), "Fremdwährung");

    w.AddWartTermin("2026-12-24");
    EXPECT_EQ(h.edit("txtTermin")->text(), "24.12.2026");
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetWartTermin(), "2026-12-24");

    w.AddRabatt(12.5);
    EXPECT_EQ(h.edit("txtDAuftragsrabatt")->text(), "12,50");
    w.AddAnrede(QString(60, 'A'));
    w.setAktAdresse(1);
    EXPECT_EQ(w.GetAnrede().size(), 50);
}

TEST(Accessors, AddsNeverReportAChangeAndLeaveTheGateOpen) {
    ControlHarness h;
    auto& w = h.control();
    w.AddNummer("10001");
    w.AddBez1("Müller");
    w.AddOrt("Köln");
    w.AddKzDivers(true);
    w.AddMwstKnz("1");
    w.AddVKD_Nr("20001");
    w.AddWaehrung("CHF");
    w.AddAnrede("Frau");
    w.AddRabatt(12.5);
    w.AddFGuNr("010");
    EXPECT_TRUE(h.events().isEmpty());
    EXPECT_TRUE(h.informations().isEmpty());
    // AddNummer loads nothing.
    EXPECT_TRUE(h.sql().statements.isEmpty());
    EXPECT_EQ(w.GetBez1(), "Müller");
    // The gate is open again: a user edit is reported.
    h.edit("txtDAdr_1")->setText("Meier");
    EXPECT_EQ(h.events(), QStringList({"Change"}));
}

TEST(Accessors, StoerTextOnlyOnTheServiceAddress) {
    ControlHarness h;
    auto& w = h.control();
    w.AddWarttxtStoerText("Heizung fällt aus", "");
    EXPECT_EQ(w.GetWartStoerText(), "");
    w.setAktAdresse(2);
    w.AddWarttxtStoerText("Heizung fällt aus", "{\\rtf1 Heizung}");
    EXPECT_EQ(w.GetWartStoerText(), "Heizung fällt aus");
    EXPECT_TRUE(h.edit("txtStoerText")->isReadOnly());
}

TEST(AccessorsAlone, NoCurrentAddressFailsWithNineAndChangesNothing) {
    BelegAdressen w;
    w.setAnzAdresse(2);
    for (qint16 akt : {0, 3}) {
        w.setAktAdresse(akt);
        auto* line = w.findChild<QLineEdit*>("txtDAdr_1");
        line->setText("vorher");
        for (auto call : std::vector<std::function<void()>>{
                 [&] { w.AddBez1("x"); }, [&] { w.GetBez1(); }, [&] { w.AddWaehrung("CHF"); },
                 [&] { w.AddWartDauer(5); }, [&] { w.AddVersandtext("x"); }}) {
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

TEST_P(AccessorLookups, ServiceLookupsFillNames) {
    ControlHarness h(engine());
    h.database().exec("INSERT INTO Personalstamm (PersonalNr, NachName, Vorname) VALUES "
                      "('M1','Schmidt','Jan'), ('M2','Kaya',NULL)");
    h.database().exec("INSERT INTO Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, "
                      "Bezeichnung) VALUES ('10001', 1, 4, 'Gasbrennwertkessel')");
    auto& w = h.control();
    w.AddWartMonteur("M1");
    EXPECT_EQ(w.findChild<QLabel*>("txtMonteurname_0")->text(), "Schmidt, Jan");
    w.AddWartMonteur("M2");
    EXPECT_EQ(w.findChild<QLabel*>("txtMonteurname_0")->text(), "Kaya");
    w.AddWartMonteur("M9"); // unknown: the name stays
    EXPECT_EQ(w.findChild<QLabel*>("txtMonteurname_0")->text(), "Kaya");

    w.AddNummer("10001");
    w.AddWartStandort(1);
    w.AddWartAnlagennummer(4);
    EXPECT_EQ(w.findChild<QLabel*>("txtAnlagenBezeichnung")->text(), "Gasbrennwertkessel");
    EXPECT_EQ(w.GetWartAnlagennummer(), 4);
    EXPECT_TRUE(h.sql().statements.last().endsWith("AND Standortnummer = 1 AND Anlagenummer = 4"));
}

} // namespace
