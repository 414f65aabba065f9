// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// A service order on the real control: sites seeded, modal windows scripted, events recorded.
#include "platform/StandortListe2.h"
#include "support/ControlHarness.h"
#include "windows/InfoSupport.h"

namespace batest {

// Records which dialog the control asks about; answers with `newDialog`.
class ServiceHost : public FakeHost {
public:
    using FakeHost::FakeHost;
    bool PruefeNeueDialoge(const QString& name) override {
        asked << name;
        return newDialog;
    }
    bool newDialog = false;
    QStringList asked;
};

// Staff, and customers S1 to S5 with their sites and equipment.
inline void seedSites(TestDatabase& db) {
    const char* const rows[] = {
        "INSERT INTO Personalstamm (PersonalNr, Vorname, NachName) VALUES "
        "('M1','Anna','Amsel'), ('M2',NULL,'Bussard'), ('M3','Carl','Clemens')",
        "INSERT INTO Kundenstamm (Kundennummer, Bez1, Ort, Währung) VALUES "
        "('S1','Einzel GmbH','Ulm','EUR'), ('S2','Eine Anlage KG','Bonn','EUR'), "
        "('S3','Viele Standorte AG','Kiel','EUR'), ('S4','Zwei Anlagen OHG','Jena','EUR'), "
        "('S5','Grosse Nummer eG','Hof','EUR')",
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

class ServiceOrder {
public:
    // A control for document kind `belegart` with the service panel on.
    explicit ServiceOrder(qint16 belegart = 110) {
        seedSites(harness.database());
        host = std::make_shared<ServiceHost>(harness.database().connection());
        belegadressen::BelegAdressen& w = control();
        w.setServices(scripted(dialogs, false));
        w.setAppObj(host);
        w.AddBelegart(belegart);
        w.setMitWartung(true);
        w.setAktAdresse(1);
        record(w,
               {"Change", "btnAnlageClick", "btnMonteurClick", "btnAnsprechpartner",
                "btnAnsprechpartnerReset", "ChangeErloekennung", "ChangeStandortNotiz",
                "ChangeAnlageFormular", "ChangeDatumLetzteWartung", "LoescheWarttermin",
                "TerminEintragen", "TerminAssistent"},
               events);
        harness.clearRecords();
    }

    belegadressen::BelegAdressen& control() { return harness.control(); }
    void click(const QString& b) { qobject_cast<QAbstractButton*>(harness.widget(b))->click(); }
    // Chooses in the site list by keyboard: the filter, `downs` times Down, then Enter.
    static ScriptedHost::Script chooseByKeyboard(const QString& filter, int downs = 1) {
        return [filter, downs](QDialog& dialog) {
            auto* liste = dialog.findChild<belegadressen::StandortListe2*>();
            if (!liste) return int(QDialog::Rejected);
            QTest::keyClicks(liste->suchfeld(), filter);
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(liste->suchfeld(), Qt::Key_Down);
            QTest::keyClick(liste->suchfeld(), Qt::Key_Return);
            return dialog.result();
        };
    }

    ControlHarness harness;
    std::shared_ptr<ScriptedHost> dialogs = std::make_shared<ScriptedHost>();
    std::shared_ptr<ServiceHost> host;
    QStringList events;
};

} // namespace batest
