#include "service/ServiceFixture.h"
#include "platform/StandortListe2.h"
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

using namespace belegadressen;

namespace batest {

int ScriptedDialogs::exec(QDialog& dialog) {
    shown << dialog.objectName();
    if (script.empty()) {
        dialog.reject();
        return QDialog::Rejected;
    }
    Step next = std::move(script.front());
    script.pop_front();
    return next(dialog);
}

namespace {

void seedSites(TestDatabase& db) {
    const char* const rows[] = {
        "INSERT INTO Personalstamm (PersonalNr, Vorname, NachName) VALUES "
        "('M1','Anna','Amsel'), ('M2',NULL,'Bussard'), ('M3','Carl','Clemens')",
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, Ort, Straße, PLZ, Währung, KzDivers, "
        "Liefersperre, Telefon, Telefax, Telefon2, EMail, Hompage) VALUES "
        "('S1','Einzel GmbH','Ulm','Am Markt 1','89073','EUR',0,0,'0731-1','0731-2','0171-1',"
        " 'info@einzel.de','www.einzel.de'),"
        "('S2','Eine Anlage KG','Bonn','Rheinweg 2','53111','EUR',0,0,'0228-1','0228-2','0172-2',"
        " NULL,NULL),"
        "('S3','Viele Standorte AG','Kiel','Hafen 3','24103','EUR',0,0,NULL,NULL,NULL,NULL,NULL),"
        "('S4','Zwei Anlagen OHG','Jena','Saalweg 4','07743','EUR',0,0,NULL,NULL,NULL,NULL,NULL),"
        "('S5','Grosse Nummer eG','Hof','Weg 5','95028','EUR',0,0,NULL,NULL,NULL,NULL,NULL)",
        // One site, no equipment.
        "INSERT INTO Standorte (Kundennummer, Standortnummer, StandortKdnr, VertragsNummer, "
        "MonteurNummer, StandortAnrede, StandortVorname, StandortBez1, StandortBez2, "
        "StandortBez3, StandortBez4, StandortPostfachPLZ, StandortPostfach, StandortOrt, "
        "StandortLand, StandortStraße, StandortPlz, Ansprechpartner, AnsprechpartnerTelefon, "
        "AnsprechpartnerMobil, AnsprechpartnerFax, ErloesKontoKennung, StandortKundenInfo) VALUES "
        "('S1',3,'S1','V-S1','M1','Herr','Hans','Kesselhaus','Nord','Halle 2','Tor B','89001',"
        " 'PF 9','Neu-Ulm','D','Werkstraße 7','89231','Frau Rot','0731-77','0160-77','0731-78',"
        " 'E40','Schlüssel beim Pförtner'),"
        // One site with one equipment; the site belongs to another customer number.
        "('S2',1,'S2-BAU','V-S2','M2','Firma','','Baustelle Bonn','','','','','','Bonn-Süd','D',"
        " 'Baustraße 1','53113','Herr Grün','0228-55','0170-55','0228-56','E41','Zugang hinten'),"
        // Two sites.
        "('S3',1,NULL,'V-S3A','M1','','','Werk Nord','','','','','','Kiel','D','Nordkai 1',"
        " '24105',NULL,NULL,NULL,NULL,NULL,NULL),"
        "('S3',2,NULL,'V-S3B','M3','','','Werk Süd','','','','','','Kiel','D','Südkai 2',"
        " '24106','Frau Blau','0431-2',NULL,NULL,'E43','Süd'),"
        // One site with two equipments.
        "('S4',1,NULL,NULL,NULL,'','','Saalwerk','','','','','','Jena','D','Saalweg 9',"
        " '07745',NULL,NULL,NULL,NULL,'E44',NULL),"
        // A site number too large for the document.
        "('S5',40000,NULL,NULL,NULL,'','','Außenlager','','','','','','Hof','D','Lagerweg',"
        " '95030',NULL,NULL,NULL,NULL,NULL,NULL)",
        "INSERT INTO Anlagenstamm (Kundennummer, Standortnummer, Anlagenummer, Bezeichnung, "
        "LetzteWartung, VertragsNummer, ErloesKontoKennung, FormularST, FormularWA) VALUES "
        "('S2',1,7,'Heizkessel 40 kW','2024-03-01','V-A7','E51','ST-7','WA-7'),"
        "('S3',1,1,'Lüftung Nord','2023-01-10',NULL,NULL,'ST-N','WA-N'),"
        "('S3',2,5,'Kältemaschine Süd','2023-06-15','V-K5','E55','ST-K','WA-K'),"
        "('S4',1,1,'Pumpe A','2022-02-02','','','ST-P',NULL),"
        "('S4',1,2,'Pumpe B','2022-03-03',NULL,'E62','ST-Q','WA-Q')",
    };
    for (const char* row : rows)
        db.exec(QString::fromUtf8(row));
}

template <class... A> QString call(const char* name, const A&... a) {
    QStringList parts;
    (parts << ... << QVariant::fromValue(a).toString());
    return QString::fromUtf8(name) + "(" + parts.join(",") + ")";
}

} // namespace

ServiceOrder::ServiceOrder(qint16 belegart) {
    seedSites(harness.database());
    sql = std::make_shared<RecordingConnection>(harness.database().connection());
    host = std::make_shared<ServiceHost>(sql);
    BelegAdressen& w = control();
    useServices();
    w.setAppObj(host);
    w.AddBelegart(belegart);
    w.setMitWartung(true);
    w.setAktAdresse(1);

    auto rec = [this](QString e) { events << std::move(e); };
    QObject::connect(&w, &BelegAdressen::Change, [rec] { rec("Change"); });
    QObject::connect(&w, &BelegAdressen::btnAnlageClick, [rec] { rec("btnAnlageClick"); });
    QObject::connect(&w, &BelegAdressen::btnMonteurClick, [rec] { rec("btnMonteurClick"); });
    QObject::connect(&w, &BelegAdressen::btnAnsprechpartner,
                     [rec](const QString& k, bool f) { rec(call("btnAnsprechpartner", k, f)); });
    QObject::connect(&w, &BelegAdressen::btnAnsprechpartnerReset,
                     [rec](bool f) { rec(call("btnAnsprechpartnerReset", f)); });
    QObject::connect(&w, &BelegAdressen::ChangeErloekennung,
                     [rec](const QString& e) { rec(call("ChangeErloekennung", e)); });
    QObject::connect(&w, &BelegAdressen::ChangeStandortNotiz,
                     [rec](const QString& n) { rec(call("ChangeStandortNotiz", n)); });
    QObject::connect(
        &w, &BelegAdressen::ChangeAnlageFormular,
        [rec](const QString& a, const QString& b) { rec(call("ChangeAnlageFormular", a, b)); });
    QObject::connect(&w, &BelegAdressen::ChangeDatumLetzteWartung,
                     [rec](const QString& d) { rec(call("ChangeDatumLetzteWartung", d)); });
    QObject::connect(&w, &BelegAdressen::LoescheWarttermin,
                     [rec](bool m) { rec(call("LoescheWarttermin", m)); });
    QObject::connect(
        &w, &BelegAdressen::TerminEintragen,
        [rec](const QString& m, const QString& t, const QString& u, qint16 d, const QString& a,
              const QString& tel, const QString& fax, const QString& b,
              qint32 v) { rec(call("TerminEintragen", m, t, u, d, a, tel, fax, b, v)); });
    QObject::connect(&w, &BelegAdressen::TerminAssistent,
                     [rec](const QString& m, const QString& t, const QString& u, qint16 d) {
                         rec(call("TerminAssistent", m, t, u, d));
                     });
    harness.clearRecords();
}

void ServiceOrder::useServices() {
    Services services;
    services.messages = dialogs;
    services.dialogs = dialogs;
    services.siteInformationDialog = siteDialogFactory;
    control().setServices(services);
}

ScriptedDialogs::Step ServiceOrder::chooseByKeyboard(const QString& filter, int downs) {
    return [filter, downs](QDialog& dialog) {
        dialog.show();
        auto* liste = dialog.findChild<StandortListe2*>();
        if (!liste) return int(QDialog::Rejected);
        QLineEdit* suche = liste->suchfeld();
        QTest::keyClicks(suche, filter);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(suche, Qt::Key_Down);
        QTest::keyClick(suche, Qt::Key_Return);
        const int result = dialog.result();
        dialog.hide();
        return result;
    };
}

} // namespace batest
