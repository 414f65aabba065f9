// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Sites and equipment of a service order: takeover and choice, the site list and the site window.
#include "control/ServiceHub.h"
#include "platform/StandortListe2.h"
#include "service/ServiceFixture.h"
#include "service/SiteWindow.h"
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using batest::ServiceOrder;
using namespace belegadressen;

namespace {

// The events a site or equipment takeover raises, in their order.
QStringList serviceEvents(const QStringList& all) {
    static const QRegularExpression kept("^(ChangeErloekennung|ChangeStandortNotiz|"
                                         "ChangeAnlageFormular|ChangeDatumLetzteWartung)\\(|"
                                         "^btnAnlageClick$");
    return all.filter(kept);
}

// The fields a takeover fills on address 2, joined by '|' in the order below.
QString siteFields(ServiceOrder& o) {
    auto& w = o.control();
    auto label = [&w](const char* name) { return w.findChild<QLabel*>(name)->text(); };
    w.setAktAdresse(2);
    QStringList f;
    f << w.GetNummer() << w.GetWartKundenummer() << QString::number(w.GetWartStandort())
      << QString::number(w.GetWartAnlagennummer()) << w.GetWartVertragsnummer()
      << w.GetWartMonteur() << label("txtMonteurname_0") << w.GetAnrede() << w.GetVorname()
      << w.GetBez1() << w.GetBez2() << w.GetBez3() << w.GetBez4() << w.GetPostfachPlz()
      << w.GetPostfach() << w.GetOrt() << w.GetLand() << w.GetStrasse() << w.GetPostleitzahl()
      << w.GetWartAnsprechpartner() << w.GetWartAnsprechpartnerTelefon()
      << w.GetWartAnsprechpartnerMobil() << w.GetWartAnsprechpartnerFax()
      << w.GetDatumLetzteWartung() << w.GetHauptkonto() << label("txtAnlagenBezeichnung");
    return f.join(QLatin1Char('|'));
}

struct Takeover {
    const char* number;
    const char* choose; // typed into the site window; nullptr: the window is cancelled
    bool asks;          // the site window is shown
    const char* events; // joined by '|'
    const char* fields;
};

// One site with at most one equipment is taken over without a window; more are chosen by keyboard.
TEST(SiteLoad, TypedCustomerTakesItsSiteOverOrAsksForIt) {
    const Takeover cases[] = {
        // The site belongs to another customer number, noted from the row.
        {"S2", nullptr, false,
         "ChangeErloekennung(E41)|ChangeStandortNotiz(Zugang hinten)|ChangeErloekennung(E51)|"
         "ChangeAnlageFormular(ST-7,WA-7)|ChangeDatumLetzteWartung(2024-03-01)",
         "S2-BAU|S2|1|7|V-A7|M2|Bussard|Firma||Baustelle Bonn||||||Bonn-Süd|D|Baustraße 1|53113|"
         "Herr Grün|0228-55|0170-55|0228-56|2024-03-01|S2|Heizkessel 40 kW"},
        {"S1", nullptr, false,
         "ChangeErloekennung(E40)|ChangeStandortNotiz(Schlüssel beim Pförtner)",
         "S1|S1|3|0|V-S1|M1|Amsel, Anna|Herr|Hans|Kesselhaus|Nord|Halle 2|Tor B|89001|PF 9|Neu-Ulm|"
         "D|Werkstraße 7|89231|Frau Rot|0731-77|0160-77|0731-78||S1|"},
        {"S3", "maschine", true,
         "ChangeErloekennung(E43)|ChangeStandortNotiz(Süd)|ChangeErloekennung(E55)|"
         "ChangeDatumLetzteWartung(2023-06-15)|ChangeAnlageFormular(ST-K,WA-K)|btnAnlageClick",
         "S3|S3|2|5|V-K5|M3|Clemens, Carl|||Werk Süd||||||Kiel|D|Südkai 2|24106|Frau Blau|0431-2|||"
         "2023-06-15|S3|Kältemaschine Süd"},
        // Two equipments at the only site: an empty revenue key and a NULL form are not handed on.
        {"S4", "Pumpe A", true,
         "ChangeErloekennung(E44)|ChangeStandortNotiz()|ChangeErloekennung(E44)|"
         "ChangeStandortNotiz()|ChangeDatumLetzteWartung(2022-02-02)|btnAnlageClick",
         "S4|S4|1|1||||||Saalwerk||||||Jena|D|Saalweg 9|07745|||||2022-02-02|S4|Pumpe A"},
        {"S3", nullptr, true, "btnAnlageClick", "S3||0|0||||||||||||||||||||||"},
    };
    for (const Takeover& c : cases) {
        SCOPED_TRACE(c.number);
        ServiceOrder o;
        if (c.choose) o.dialogs->then(ServiceOrder::chooseByKeyboard(QString::fromUtf8(c.choose)));
        o.harness.typeNumber(c.number);
        EXPECT_EQ(o.dialogs->shown, c.asks ? QStringList{"frmAnlage"} : QStringList());
        EXPECT_EQ(o.host->asked, c.asks ? QStringList{"FRMStandortAuskunft"} : QStringList());
        EXPECT_EQ(serviceEvents(o.events).join('|'), c.events);
        EXPECT_TRUE(o.dialogs->messages.isEmpty());
        EXPECT_EQ(siteFields(o), QString::fromUtf8(c.fields));
    }
}

// No site, or one whose number does not fit, is told; the appointment stays until a site comes.
TEST(SiteLoad, CustomerWithoutAFittingSiteIsToldAndKeepsTheAppointment) {
    ServiceOrder o;
    auto& w = o.control();
    w.setAktAdresse(2);
    w.AddWartTermin("2025-01-15");
    o.harness.typeNumber("10001");
    o.harness.typeNumber("S5");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Es ist kein Standort für diese Kundennummer vorhanden.",
                           "QelBelAdr[4]: Die Standortnummer 40000 ist zu groß: Standort- und "
                           "Anlagennummern reichen nur bis 32767."}));
    EXPECT_EQ(w.GetWartTermin(), "2025-01-15");
    EXPECT_EQ(w.GetWartStandort(), 0); // neither wrapped nor cut
    o.harness.typeNumber("S1");
    EXPECT_EQ(w.GetWartTermin(), "");
    EXPECT_EQ(w.GetWartStandort(), 3);
}

TEST(SiteLoad, SelectionDiffersFromTheAutomaticTakeover) {
    ServiceOrder o;
    o.harness.typeNumber("S1");
    auto& w = o.control();
    w.setAktAdresse(2);
    w.AddAnsprechpartnerKD("Frau Kunde");
    w.AddDatumLetzteRechnung("2024-12-01");
    w.setAktAdresse(1);
    o.events.clear();
    o.host->newDialog = true;
    o.dialogs->then(ServiceOrder::chooseByKeyboard("Kesselhaus", 0));
    o.click("btnAnlage");
    EXPECT_EQ(o.dialogs->shown, QStringList({"FRMStandortAuskunft"}));
    EXPECT_EQ(serviceEvents(o.events),
              QStringList({"ChangeErloekennung(E40)",
                           "ChangeStandortNotiz(Schlüssel beim Pförtner)", "btnAnlageClick"}));
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetWartStandort(), 3);
    EXPECT_EQ(w.GetAnsprechpartnerKD(), "Frau Kunde");
    EXPECT_EQ(w.GetDatumLetzteRechnung(), ""); // cleared by the selection only
}

// The host's site dialog names a site that does not exist: told, and the earlier site stays.
TEST(SiteLoad, HostDialogChoosingAMissingSiteIsToldAndEndsWithTheClick) {
    ServiceOrder o;
    o.harness.typeNumber("S1");
    o.dialogs->site = 99;
    o.control().setServices(batest::scripted(o.dialogs)); // the host's site dialog answers
    o.host->newDialog = true;
    o.click("btnAnlage");
    EXPECT_EQ(o.dialogs->kunde, "S1");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Der Standort ist nicht vorhanden."}));
    EXPECT_EQ(o.events.last(), "btnAnlageClick");
    o.control().setAktAdresse(2);
    EXPECT_EQ(o.control().GetWartStandort(), 3);
}

// Customer G has one site.
struct WindowFixture {
    WindowFixture() : hub(state) {
        hub.set(batest::scripted(host, false));
        db.exec("INSERT INTO Standorte (Kundennummer, Standortnummer, StandortBez1) "
                "VALUES ('G', 1, 'Filiale')");
    }
    // A shown window for `kunde`, its list and search line.
    std::unique_ptr<FrmAnlage> open(const QString& kunde) {
        auto window = std::make_unique<FrmAnlage>(hub);
        window->SetzeObjekte_Werte("db", kunde,
                                   std::make_shared<batest::ServiceHost>(db.connection()), true);
        window->show();
        list = window->findChild<StandortListe2*>();
        return window;
    }
    batest::TestDatabase db{batest::Engine::SQLite};
    ControlState state;
    ServiceHub hub;
    std::shared_ptr<batest::ScriptedHost> host = std::make_shared<batest::ScriptedHost>();
    StandortListe2* list = nullptr;
};

// Without a customer number the window tells so; "Zurück" and Escape end without a choice.
TEST(SiteWindow, ZurueckAndEscapeEndWithoutChoice) {
    WindowFixture f;
    {
        auto window = f.open("");
        EXPECT_EQ(f.host->messages,
                  QStringList({"frmAnlage[4]: Es ist keine Kundennummer vorhanden."}));
        window->Uebernommen = true; // as an earlier showing might have left it
        window->btnOk()->click();
        EXPECT_FALSE(window->Uebernommen || window->isVisible());
    }
    EXPECT_EQ(f.host->positions,
              QStringList({"Restore AnlagenAuskunft frmAnlage", "Save AnlagenAuskunft frmAnlage"}));
    auto window = f.open("G");
    EXPECT_FALSE(window->Uebernommen); // a fresh window starts without a choice
    QTest::keyClick(f.list->suchfeld(), Qt::Key_Escape);
    EXPECT_FALSE(window->Uebernommen || window->isVisible());
    EXPECT_EQ(f.list->GewaehlterStandort(), nullptr);
}

template <class E> class SiteListEngines : public batest::EngineTest<E> {};
TYPED_TEST_SUITE(SiteListEngines, batest::BothEngines, batest::EngineNames);

// On both engines: sites with equipment in order, a site beyond 16 bits, the choice.
TYPED_TEST(SiteListEngines, ListsSitesWithEquipmentAndHandsTheChosenRowsBack) {
    batest::TestDatabase& db = this->database();
    db.exec("INSERT INTO Standorte (Kundennummer, Standortnummer, StandortBez1, StandortOrt) "
            "VALUES ('O''Hara', 2, 'Halle', 'Köln'), ('O''Hara', 40000, 'Lager', 'Hof'), "
            "('Andere', 1, 'Fremd', 'Ulm')");
    db.exec("INSERT INTO Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, Bezeichnung) "
            "VALUES ('O''Hara', 40000, 3, 'Stapler'), ('O''Hara', 2, 1, 'Tor')");
    auto sql = std::make_shared<batest::RecordingConnection>(this->connection());
    StandortListe2 list;
    list.setAppObj(std::make_shared<batest::ServiceHost>(sql));
    list.setKundennummer("O'Hara");
    list.Laden();
    QTreeWidget* tree = list.baum();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    ASSERT_EQ(tree->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(QStringList({tree->topLevelItem(0)->text(0), tree->topLevelItem(1)->text(0),
                           tree->topLevelItem(1)->child(0)->text(1)}),
              QStringList({"Standort 2", "Standort 40000", "Stapler"}));

    list.filtern("stapler");
    EXPECT_TRUE(tree->topLevelItem(0)->isHidden());
    tree->setCurrentItem(tree->topLevelItem(1)->child(0));
    ASSERT_TRUE(list.uebernehmen());
    auto site = list.GewaehlterStandort();
    auto equipment = list.GewaehlteAnlage();
    ASSERT_TRUE(site && equipment);
    EXPECT_EQ(site->Value("StandortBez1").toString() + equipment->Value("Anlagenummer").toString(),
              "Lager3");
    // The rows come from the two reads of the list, and stay readable after
    // the caller closed an earlier answer.
    site->Close();
    EXPECT_EQ(list.GewaehlterStandort()->Value("StandortOrt").toString(), "Hof");
    EXPECT_EQ(sql->statements.size(), 2);
}

} // namespace
