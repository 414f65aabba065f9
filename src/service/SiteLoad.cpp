// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/SiteLoad.h"
#include "control/AddressView.h"
#include "control/ControlState.h"
#include "control/DocumentKinds.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Values.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include "service/Appointments.h"
#include "service/ServiceValues.h"
#include "service/SiteTakeover.h"
#include "service/SiteWindow.h"
#include "service/Staff.h"

namespace belegadressen {

namespace {
// Runs one step of a selection; a number too large for the document is told
// in words, any other failure skips the step silently.
template <class F>
void step(ServiceHub& services, F&& f,
          std::source_location where = std::source_location::current()) {
    try {
        f();
    } catch (const NumberOutOfRange& e) {
        skipOnError([&] { services.meldung(e.text()); });
    } catch (...) {
        logging::swallowed(where, "skipped a failing step of the site selection");
    }
}

const QString kFehlerZugriff = QStringLiteral("Fehler Zugriff Standort / Anlage.");
} // namespace

SiteLoad::SiteLoad(const ControlState& state, AddressRecords& records, Ui& ui, ServiceHub& services,
                   EventSink& events, AddressView& view, Appointments& appointments)
    : mState(state), mRecords(records), mUi(ui), mServices(services), mEvents(events), mView(view),
      mAppointments(appointments) {}

void SiteLoad::connectSignals() {
    connectGuarded(mUi.btnAnlage, &QToolButton::clicked, mUi.btnAnlage,
                   [this] { btnAnlage_Click(); });
}

void SiteLoad::LadeStandort(const QString& kundennummer, bool mitMeldung) {
    const ControlState& st = mState;
    if (!(st.MitWartung || st.MitKundendienst) || !documentKinds::loadsServiceData(st.mBelegart))
        return;
    try {
        if (st.AktAdresse == 2 && !mUi.txtDNummer->text().trimmed().isEmpty())
            mAppointments.LeereWartungsdaten(1, false);
        else
            mRecords.leereAdresse(1, false);
        mRecords.address(2).Nummer = kundennummer;

        mRsStandort = mServices.connection()->Execute(
            "Select * from Standorte where Kundennummer = " + quoted(kundennummer));
        Recordset& sites = *mRsStandort;
        if (sites.Eof()) {
            if (mitMeldung)
                mServices.meldung(
                    QStringLiteral("Es ist kein Standort für diese Kundennummer vorhanden."));
            if (st.AktAdresse == 1) kopiereAdresse1();
            return;
        }
        const QString kdnr = textOf(sites.Value("StandortKdnr"));
        const QString vermerkteKdnr = (!kdnr.isEmpty() && kdnr != kundennummer) ? kdnr : QString();
        sites.MoveNext();
        if (!sites.Eof()) {
            automatischeAuswahl();
            return;
        }
        sites.MoveFirst();
        uebernehmeStandort(sites, Takeover::Automatic);
        if (!vermerkteKdnr.isEmpty()) mRecords.address(2).Nummer = vermerkteKdnr;

        mRsAnlage = mServices.connection()->Execute(
            "Select * from Anlagenstamm where Kundennummer = " +
            quoted(textOf(sites.Value("Kundennummer"))) +
            " AND Standortnummer = " + quoted(textOf(sites.Value("Standortnummer"))));
        Recordset& equipment = *mRsAnlage;
        if (equipment.Eof()) return;
        equipment.MoveNext();
        if (!equipment.Eof()) {
            automatischeAuswahl();
            return;
        }
        equipment.MoveFirst();
        uebernehmeAnlage(equipment, Takeover::Automatic, false);
    } catch (const NumberOutOfRange& e) {
        mAutoAuswahl = false;
        skipOnError([&] { mServices.meldung(e.text()); });
    } catch (...) {
        mAutoAuswahl = false;
        skipOnError([&] { mServices.meldung(kFehlerZugriff); });
    }
}

void SiteLoad::releaseRows() {
    for (std::shared_ptr<Recordset>* rs : {&mRsStandort, &mRsAnlage}) {
        if (*rs) skipOnError([&] { (*rs)->Close(); });
        rs->reset();
    }
}

void SiteLoad::automatischeAuswahl() {
    mAutoAuswahl = true;
    btnAnlage_Click();
    mAutoAuswahl = false;
}

// A customer without sites is served at its own address.
void SiteLoad::kopiereAdresse1() {
    const AdressDaten& a = mState.address(1);
    AdressDaten& r = mRecords.address(2);
    r.Nummer = a.Nummer;
    r.Anrede = a.Anrede;
    r.Vorname = a.Vorname;
    r.Bez1 = a.Bez1;
    r.Bez2 = a.Bez2;
    r.Bez3 = a.Bez3;
    r.Bez4 = a.Bez4;
    r.HauptKonto = a.HauptKonto;
    r.PostfachPlz = a.PostfachPlz;
    r.Postfach = a.Postfach;
    r.Ort = a.Ort;
    r.Land = a.Land;
    r.Strasse = a.Strasse;
    r.Postleitzahl = a.Postleitzahl;
    r.WartAnsprechpartnerFax = a.WartAnsprechpartnerFax;
    r.WartAnsprechpartnerTelefon = a.WartAnsprechpartnerTelefon;
    r.WartAnsprechpartnerMobil = a.WartAnsprechpartnerMobil;
    r.AnsprechpartnerKD.clear();
    r.AnsprechpartnerKDID.clear();
    r.DruckAnsprechpartner = boolText(false);
}

void SiteLoad::uebernehmeStandort(const Recordset& site, Takeover how) {
    SiteTakeover takeover(
        mEvents, [this](const QString& nr) { return HoleMonteurname(nr); }, mState.mStandarddauer);
    takeover.standort(mRecords.address(2), site, how);
}

void SiteLoad::uebernehmeAnlage(const Recordset& equipment, Takeover how, bool bezeichnungRoh) {
    SiteTakeover takeover(
        mEvents, [this](const QString& nr) { return HoleMonteurname(nr); }, mState.mStandarddauer);
    takeover.anlage(mRecords.address(2), equipment, how, bezeichnungRoh);
}

void SiteLoad::btnAnlage_Click() {
    QString kunde;
    step(mServices, [&] {
        kunde = mUi.txtDNummer->text();
        const QString t = kunde.trimmed();
        if (t.isEmpty() || t == QLatin1String("0")) kunde = mState.address(1).Nummer;
    });
    if (!kunde.trimmed().isEmpty()) {
        bool neuerDialog = false;
        step(mServices,
             [&] { neuerDialog = mServices.app().PruefeNeueDialoge("FRMStandortAuskunft"); });
        if (neuerDialog)
            dialogAuswahl(kunde);
        else
            fensterAuswahl(kunde);
    }
    mEvents.raiseBtnAnlageClick();
}

void SiteLoad::dialogAuswahl(const QString& kunde) {
    std::shared_ptr<SiteInformationDialog> dialog;
    step(mServices, [&] { dialog = mServices.newSiteInformationDialog(); });
    if (!dialog) return;
    const QString nummer = kunde.trimmed();
    std::shared_ptr<Recordset> site, equipment;
    [&] {
        bool shown = false;
        step(mServices, [&] {
            dialog->setKundennummer(nummer);
            dialog->showStandortAuskunft();
            shown = true;
        });
        bool confirmed = false;
        step(mServices, [&] { confirmed = shown && dialog->statusUebernehmen(); });
        if (!confirmed) return;
        qint32 standort = 0, anlage = 0;
        step(mServices, [&] {
            standort = dialog->Standortnummer();
            anlage = dialog->Anlagenummer();
        });
        if (standort == 0) {
            mServices.meldung(
                QStringLiteral("Es wurde kein Standort oder keine Anlage ausgewählt."));
            return;
        }
        bool found = false;
        step(mServices, [&] {
            site = mServices.connection()->Execute(
                "Select * from Standorte where Kundennummer = " + quoted(nummer) +
                " and Standortnummer = " + quoted(QString::number(standort)));
            found = !site->Eof();
        });
        if (!found) {
            mServices.meldung(QStringLiteral("Der Standort ist nicht vorhanden."));
            return;
        }
        step(mServices, [&] { uebernehmeStandort(*site, Takeover::Selection); });
        if (anlage != 0)
            step(mServices, [&] {
                equipment = mServices.connection()->Execute(
                    "Select * from Anlagenstamm where Kundennummer = " + quoted(nummer) +
                    " and Standortnummer = " + quoted(QString::number(standort)) +
                    " and Anlagenummer = " + quoted(QString::number(anlage)));
                if (!equipment->Eof()) uebernehmeAnlage(*equipment, Takeover::Selection, false);
            });
        if (!mAutoAuswahl) step(mServices, [&] { mView.ZeigeAdresse(); });
    }();
    skipOnError([&] {
        if (site) site->Close();
    });
    skipOnError([&] {
        if (equipment) equipment->Close();
    });
    step(mServices, [&] { dialog->dispose(); });
}

void SiteLoad::fensterAuswahl(const QString& kunde) {
    std::unique_ptr<FrmAnlage> fenster;
    step(mServices, [&] { fenster = std::make_unique<FrmAnlage>(mServices, mUi.root); });
    if (!fenster) return;
    [&] {
        step(mServices, [&] {
            fenster->SetzeObjekte_Werte(mServices.app().ConnectStringDB(), kunde, mState.mAppObj,
                                        true);
        });
        step(mServices, [&] { mServices.dialogs().exec(*fenster); });
        if (!fenster->Uebernommen) return;
        std::shared_ptr<Recordset> site, equipment;
        step(mServices, [&] {
            site = fenster->ocxStandort()->GewaehlterStandort();
            equipment = fenster->ocxStandort()->GewaehlteAnlage();
        });
        if (!site || !equipment) {
            mServices.meldung(QStringLiteral("Es wurde keine Anlage ausgewählt."));
            return;
        }
        step(mServices, [&] { uebernehmeStandort(*site, Takeover::Selection); });
        step(mServices, [&] { uebernehmeAnlage(*equipment, Takeover::Selection, true); });
        if (!mAutoAuswahl) step(mServices, [&] { mView.ZeigeAdresse(); });
    }();
    fenster.reset();
}

QVariant SiteLoad::HoleAnlagenbezeichnung(const QString& kundennummer, qint16 standort,
                                          qint16 anlage) {
    auto rs = mServices.connection()->Execute(
        "Select Bezeichnung from Anlagenstamm where Kundennummer = " + quoted(kundennummer) +
        " AND Standortnummer = " + QString::number(standort) +
        " AND Anlagenummer = " + QString::number(anlage));
    QVariant answer = true;
    if (!rs->Eof()) answer = rs->Value("Bezeichnung").toString();
    rs->Close();
    return answer;
}

QVariant SiteLoad::HoleMonteurname(const QString& personalNr) {
    return belegadressen::HoleMonteurname(*mServices.connection(), personalNr);
}

} // namespace belegadressen
