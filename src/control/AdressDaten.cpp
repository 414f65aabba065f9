// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/AdressDaten.h"

namespace belegadressen {

QString boolText(bool value) { return value ? QStringLiteral("Wahr") : QStringLiteral("Falsch"); }

bool textBool(const QString& text) {
    const QString t = text.trimmed();
    return t.compare("Wahr", Qt::CaseInsensitive) == 0 ||
           t.compare("True", Qt::CaseInsensitive) == 0 || t == "-1" || t == "1";
}

void LeereAdresse(AdressDaten& r, int index, bool resetAppointment, const QString& homeCurrency,
                  double standardDuration) {
    r.Kennzeichen = 0;
    r.Nummer.clear();
    r.Anrede.clear();
    r.Vorname.clear();
    r.Bez1.clear();
    r.Bez2.clear();
    r.Bez3.clear();
    r.Bez4.clear();
    r.AnsprechpartnerKD.clear();
    r.DruckAnsprechpartner = boolText(false);
    r.AnsprechpartnerKDID.clear();
    r.HauptKonto.clear();
    r.MwstKnz = QStringLiteral("0");
    r.UstIdentNr.clear();
    r.Rabatt = 0;
    r.Zahlungsart.clear();
    r.PostfachPlz.clear();
    r.Postfach.clear();
    r.Zahlungsbedingungen.clear();
    r.KzDivers = false;
    r.DruckAufbewahrungsfrist = false;
    r.RechnungPerPDF = false;
    r.MitUeberweisungen = false;
    r.Ort.clear();
    r.Land.clear();
    r.Strasse.clear();
    r.Postleitzahl.clear();
    r.Versandart.clear();
    r.Waehrung = homeCurrency;
    r.Waehrungserfassung = 1;
    r.WechselkursHauswaehrung = 0;
    r.Wechselkurs = 0;
    r.Kursbehandlung = 1;
    for (QString* f : {&r.Vertreter1, &r.Vertreter2, &r.Vertreter3, &r.VKD_Nr, &r.RKD_Nr, &r.VAD_Nr,
                       &r.RAD_Nr, &r.Versandtext, &r.RechnungText, &r.KAnNr, &r.KAuNr, &r.KLsNr,
                       &r.KReNr, &r.KGuNr, &r.FAnNr, &r.FAuNr, &r.FLsNr, &r.FReNr, &r.FGuNr})
        f->clear();
    r.DatumLetzteWartung.clear();
    r.DatumLetzteRechnung.clear();
    r.Bemerkung.clear();

    // An appointment already entered on the service address outlives a new
    // customer number unless the caller asks for a full reset.
    const bool keepAppointment = index == 1 && !r.WartTermin.isEmpty() && !resetAppointment;
    if (!keepAppointment) {
        r.WartTermin.clear();
        r.WartDauer = standardDuration;
        r.WartUhrzeit.clear();
    }
    r.WartAnlagenBezeichnung.clear();
    r.WartMonteurName.clear();
    r.WartAnsprechpartner.clear();
    r.WartAnsprechpartnerID.clear();
    r.WartAnsprechpartnerTelefon.clear();
    r.WartAnsprechpartnerMobil.clear();
    r.WartAnsprechpartnerFax.clear();
    r.WartStandort = 0;
    if (index != 1) r.WartMonteur.clear();
    r.WartAnlagennummer = 0;
    r.WartVertragsnummer.clear();
    r.Liefersperre = false;
    r.WartKundennummer.clear();
}

} // namespace belegadressen
