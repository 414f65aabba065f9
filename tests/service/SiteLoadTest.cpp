// Sites and equipment of a service order: automatic takeover, selection in either window, events.
#include "service/ServiceFixture.h"
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using batest::ServiceOrder;
using namespace belegadressen;

namespace {

// The events a site or equipment takeover raises, in their order.
QStringList serviceEvents(const QStringList& all) {
    QStringList kept;
    for (const QString& e : all)
        if (e.startsWith("ChangeErloekennung") || e.startsWith("ChangeStandortNotiz") ||
            e.startsWith("ChangeAnlageFormular") || e.startsWith("ChangeDatumLetzteWartung") ||
            e == "btnAnlageClick")
            kept << e;
    return kept;
}

QString label(ServiceOrder& o, const char* name) {
    auto* l = o.control().findChild<QLabel*>(QString::fromUtf8(name));
    return l ? l->text() : QStringLiteral("<none>");
}

// The fields a takeover fills on address 2, joined by '|' in the order below.
QString siteFields(ServiceOrder& o) {
    auto& w = o.control();
    w.setAktAdresse(2);
    QStringList f;
    f << w.GetNummer() << w.GetWartKundenummer() << QString::number(w.GetWartStandort())
      << QString::number(w.GetWartAnlagennummer()) << w.GetWartVertragsnummer()
      << w.GetWartMonteur() << label(o, "txtMonteurname_0") << w.GetAnrede() << w.GetVorname()
      << w.GetBez1() << w.GetBez2() << w.GetBez3() << w.GetBez4() << w.GetPostfachPlz()
      << w.GetPostfach() << w.GetOrt() << w.GetLand() << w.GetStrasse() << w.GetPostleitzahl()
      << w.GetWartAnsprechpartner() << w.GetWartAnsprechpartnerTelefon()
      << w.GetWartAnsprechpartnerMobil() << w.GetWartAnsprechpartnerFax()
      << w.GetDatumLetzteWartung();
    return f.join(QLatin1Char('|'));
}

// A site dialog of the host that answers with a fixed choice.
class FixedChoice : public SiteInformationDialog {
public:
    FixedChoice(qint32 site, qint32 equipment) : mSite(site), mEquipment(equipment) {}
    void setKundennummer(const QString& n) override { kunde = n; }
    void showStandortAuskunft() override {}
    bool statusUebernehmen() const override { return true; }
    qint32 Standortnummer() const override { return mSite; }
    qint32 Anlagenummer() const override { return mEquipment; }
    void dispose() override {}
    void ShowAuskunftKommunikationsdaten(qint16, const QString&, bool, bool) override {}
    QString kunde;

private:
    qint32 mSite, mEquipment;
};

TEST(SiteLoad, OneSiteWithOneEquipmentIsTakenOverWithoutAnyWindow) {
    ServiceOrder o;
    o.harness.typeNumber("S2");
    EXPECT_EQ(serviceEvents(o.events),
              QStringList({"ChangeErloekennung(E41)", "ChangeStandortNotiz(Zugang hinten)",
                           "ChangeErloekennung(E51)", "ChangeAnlageFormular(ST-7,WA-7)",
                           "ChangeDatumLetzteWartung(2024-03-01)"}));
    EXPECT_TRUE(o.dialogs->shown.isEmpty());
    EXPECT_TRUE(o.dialogs->messages.isEmpty());
    // The site belongs to another customer number, noted from the row.
    EXPECT_EQ(siteFields(o), "S2-BAU|S2|1|7|V-A7|M2|Bussard|Firma||Baustelle Bonn||||||Bonn-Süd|D|"
                             "Baustraße 1|53113|Herr Grün|0228-55|0170-55|0228-56|2024-03-01");
    EXPECT_EQ(o.control().GetHauptkonto(), "S2");
    EXPECT_EQ(label(o, "txtAnlagenBezeichnung"), "Heizkessel 40 kW");
}

TEST(SiteLoad, OneSiteWithoutEquipmentFillsEverySiteField) {
    ServiceOrder o;
    o.harness.typeNumber("S1");
    EXPECT_EQ(
        serviceEvents(o.events),
        QStringList({"ChangeErloekennung(E40)", "ChangeStandortNotiz(Schlüssel beim Pförtner)"}));
    EXPECT_EQ(siteFields(o),
              "S1|S1|3|0|V-S1|M1|Amsel, Anna|Herr|Hans|Kesselhaus|Nord|Halle 2|Tor B|"
              "89001|PF 9|Neu-Ulm|D|Werkstraße 7|89231|Frau Rot|0731-77|0160-77|"
              "0731-78|");
}

TEST(SiteLoad, CustomerWithoutSitesOnAddressTwoIsToldAndKeepsTheAppointment) {
    ServiceOrder o;
    auto& w = o.control();
    w.setAktAdresse(2);
    w.AddWartTermin("2025-01-15");
    o.harness.typeNumber("10001");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Es ist kein Standort für diese Kundennummer "
                           "vorhanden."}));
    EXPECT_EQ(w.GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_EQ(w.GetWartTermin(), "2025-01-15");
    // A site taken over replaces the appointment.
    o.harness.typeNumber("S1");
    EXPECT_EQ(w.GetWartTermin(), "");
    EXPECT_EQ(w.GetWartStandort(), 3);
}

TEST(SiteLoad, SiteNumberTooLargeForTheDocumentIsToldInWords) {
    ServiceOrder o;
    o.harness.typeNumber("S5");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Die Standortnummer 40000 ist zu groß: Standort- und "
                           "Anlagennummern reichen nur bis 32767."}));
    o.control().setAktAdresse(2);
    EXPECT_EQ(o.control().GetWartStandort(), 0); // neither wrapped nor cut
}

TEST(SiteLoad, SeveralSitesOpenTheWindowAtOnceAndTakeTheChoiceOver) {
    ServiceOrder o;
    o.dialogs->script.push_back(ServiceOrder::chooseByKeyboard("maschine"));
    o.harness.typeNumber("S3");
    EXPECT_EQ(o.dialogs->shown, QStringList({"frmAnlage"}));
    EXPECT_EQ(o.host->asked, QStringList({"FRMStandortAuskunft"}));
    EXPECT_EQ(serviceEvents(o.events),
              QStringList({"ChangeErloekennung(E43)", "ChangeStandortNotiz(Süd)",
                           "ChangeErloekennung(E55)", "ChangeDatumLetzteWartung(2023-06-15)",
                           "ChangeAnlageFormular(ST-K,WA-K)", "btnAnlageClick"}));
    auto& w = o.control();
    w.setAktAdresse(2);
    EXPECT_EQ(siteFields(o), "S3|S3|2|5|V-K5|M3|Clemens, Carl|||Werk Süd||||||Kiel|D|Südkai 2|"
                             "24106|Frau Blau|0431-2|||2023-06-15");
}

TEST(SiteLoad, TwoEquipmentsAtTheOnlySiteAskAndHandNullColumnsOnNoFurther) {
    ServiceOrder o;
    o.dialogs->script.push_back(ServiceOrder::chooseByKeyboard("Pumpe A"));
    o.harness.typeNumber("S4");
    EXPECT_EQ(o.dialogs->shown, QStringList({"frmAnlage"}));
    // Automatic site, then the chosen equipment: empty revenue key and NULL form not handed on.
    EXPECT_EQ(serviceEvents(o.events),
              QStringList({"ChangeErloekennung(E44)", "ChangeStandortNotiz()",
                           "ChangeErloekennung(E44)", "ChangeStandortNotiz()",
                           "ChangeDatumLetzteWartung(2022-02-02)", "btnAnlageClick"}));
    auto& w = o.control();
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetWartAnlagennummer(), 1);
    EXPECT_EQ(w.GetWartVertragsnummer(), "");
}

TEST(SiteLoad, WindowLeftWithoutChoiceOnlyReportsTheClick) {
    ServiceOrder o;
    o.harness.typeNumber("S3"); // the script is empty: the window is cancelled
    EXPECT_EQ(serviceEvents(o.events), QStringList({"btnAnlageClick"}));
    o.control().setAktAdresse(2);
    EXPECT_EQ(o.control().GetNummer(), "S3");
    EXPECT_EQ(o.control().GetWartStandort(), 0);
}

TEST(SiteLoad, SelectionDiffersFromTheAutomaticTakeover) {
    ServiceOrder o;
    o.harness.typeNumber("S1");
    auto& w = o.control();
    w.setAktAdresse(2);
    w.AddAnsprechpartnerKD("Frau Kunde");
    w.AddAnsprechpartnerKDID("K-9");
    w.AddDatumLetzteRechnung("2024-12-01");
    w.AddDruckAnsprechpartner(true);
    w.setAktAdresse(1);
    o.events.clear();
    o.host->newDialog = true;
    o.dialogs->script.push_back(ServiceOrder::chooseByKeyboard("Kesselhaus", 0));
    qobject_cast<QToolButton*>(o.harness.widget("btnAnlage"))->click();
    EXPECT_EQ(o.dialogs->shown, QStringList({"FRMStandortAuskunft"}));
    EXPECT_EQ(serviceEvents(o.events),
              QStringList({"ChangeErloekennung(E40)",
                           "ChangeStandortNotiz(Schlüssel beim Pförtner)", "btnAnlageClick"}));
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetWartStandort(), 3);
    EXPECT_EQ(w.GetAnsprechpartnerKD() + w.GetAnsprechpartnerKDID(), "Frau KundeK-9");
    EXPECT_TRUE(w.GetDruckAnsprechpartner());
    EXPECT_EQ(w.GetDatumLetzteRechnung(), ""); // cleared by the selection only
}

// The host's site dialog names a site that does not exist: told, and the earlier site stays.
TEST(SiteLoad, HostDialogChoosingAMissingSiteIsToldAndEndsWithTheClick) {
    ServiceOrder o;
    o.harness.typeNumber("S1");
    auto fake = std::make_shared<FixedChoice>(99, 0);
    o.siteDialogFactory = [fake] { return fake; };
    o.useServices();
    o.host->newDialog = true;
    o.events.clear();
    o.dialogs->messages.clear();
    qobject_cast<QToolButton*>(o.harness.widget("btnAnlage"))->click();
    EXPECT_EQ(fake->kunde, "S1");
    EXPECT_EQ(o.dialogs->messages,
              QStringList({"QelBelAdr[4]: Der Standort ist nicht vorhanden."}));
    EXPECT_EQ(o.events.last(), "btnAnlageClick");
    o.control().setAktAdresse(2);
    EXPECT_EQ(o.control().GetWartStandort(), 3);
}

TEST(SiteLoad, ButtonWithoutAnyCustomerNumberOnlyRaisesItsClick) {
    ServiceOrder o;
    o.harness.edit("txtDNummer")->setText("0");
    o.events.clear();
    qobject_cast<QToolButton*>(o.harness.widget("btnAnlage"))->click();
    EXPECT_EQ(o.events, QStringList({"btnAnlageClick"}));
    EXPECT_TRUE(o.host->asked.isEmpty());
    EXPECT_TRUE(o.dialogs->shown.isEmpty());
}

} // namespace
