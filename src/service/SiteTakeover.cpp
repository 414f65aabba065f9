// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/SiteTakeover.h"
#include "control/EventSink.h"
#include "control/Values.h"
#include "service/ServiceValues.h"
#include "service/Staff.h"

namespace belegadressen {

namespace {
// A column taken unconverted: NULL leaves the field as it was.
void keepOnNull(QString& field, const QVariant& value) {
    if (!value.isNull()) field = value.toString();
}

bool isZero(const QVariant& v) {
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok && d == 0;
}
} // namespace

void SiteTakeover::standort(AdressDaten& r, const Recordset& s, Takeover how) {
    const bool auto_ = how == Takeover::Automatic;
    const QVariant kunde = s.Value("Kundennummer");
    if (auto_) {
        r.Nummer = textOf(kunde);
    } else {
        const QVariant kdnr = s.Value("StandortKdnr");
        const QString kdnrText = textOf(kdnr);
        if (!kdnrText.isEmpty() && kdnrText != textOf(kunde))
            r.Nummer = kdnrText;
        else
            keepOnNull(r.Nummer, kunde);
    }
    if (auto_) {
        r.WartKundennummer = textOf(kunde);
        r.HauptKonto = textOf(kunde);
    } else {
        keepOnNull(r.WartKundennummer, kunde);
        keepOnNull(r.HauptKonto, kunde);
    }
    r.WartStandort = smallNumber(s.Value("Standortnummer"), QStringLiteral("Standortnummer"));
    r.WartAnlagennummer = 0;
    if (auto_)
        r.WartVertragsnummer = textOf(s.Value("VertragsNummer"));
    else
        keepOnNull(r.WartVertragsnummer, s.Value("VertragsNummer"));
    r.WartMonteurName.clear();
    monteur(r, s.Value("MonteurNummer"), how);
    r.WartAnlagenBezeichnung.clear();
    r.DatumLetzteWartung.clear();
    if (!auto_) r.DatumLetzteRechnung.clear();
    r.WartTermin.clear();
    r.WartUhrzeit.clear();
    r.WartDauer = mStandarddauer;
    r.Anrede = textOf(s.Value("StandortAnrede"));
    r.Vorname = textOf(s.Value("StandortVorname"));
    r.Bez1 = textOf(s.Value("StandortBez1"));
    r.Bez2 = textOf(s.Value("StandortBez2"));
    r.Bez3 = textOf(s.Value("StandortBez3"));
    r.Bez4 = textOf(s.Value("StandortBez4"));
    r.PostfachPlz = textOf(s.Value("StandortPostfachPLZ"));
    r.Postfach = textOf(s.Value("StandortPostfach"));
    r.Ort = textOf(s.Value("StandortOrt"));
    r.Land = textOf(s.Value("StandortLand"));
    r.Strasse = textOf(s.Value("StandortStraße"));
    if (auto_)
        r.Postleitzahl = textOf(s.Value("StandortPlz"));
    else
        keepOnNull(r.Postleitzahl, s.Value("StandortPlz"));
    r.WartAnsprechpartner = textOf(s.Value("Ansprechpartner"));
    r.WartAnsprechpartnerTelefon = textOf(s.Value("AnsprechpartnerTelefon"));
    r.WartAnsprechpartnerMobil = textOf(s.Value("AnsprechpartnerMobil"));
    r.WartAnsprechpartnerFax = textOf(s.Value("AnsprechpartnerFax"));
    if (auto_) {
        r.WartAnsprechpartnerID.clear();
        r.AnsprechpartnerKD.clear();
        r.AnsprechpartnerKDID.clear();
        r.DruckAnsprechpartner = boolText(false);
    }

    const QVariant erloes = s.Value("ErloesKontoKennung");
    if (auto_)
        mEvents.raiseChangeErloekennung(textOf(erloes));
    else if (!erloes.isNull())
        mEvents.raiseChangeErloekennung(erloes.toString());
    mEvents.raiseChangeStandortNotiz(textOf(s.Value("StandortKundenInfo")));
}

// The technician's name is looked up only when the site names another one
// than the record holds; the same technician keeps the cleared name.
void SiteTakeover::monteur(AdressDaten& r, const QVariant& nummer, Takeover how) {
    if (nummer.isNull()) return;
    const QString text = nummer.toString();
    const QString current = how == Takeover::Selection ? r.WartMonteur.trimmed() : r.WartMonteur;
    if (current != text && !isZero(nummer)) {
        const QVariant name = mMonteurname(text);
        if (!isNotFound(name)) r.WartMonteurName = textOf(name);
    }
    r.WartMonteur = text;
}

void SiteTakeover::anlage(AdressDaten& r, const Recordset& a, Takeover how, bool bezeichnungRoh) {
    const bool auto_ = how == Takeover::Automatic;
    r.WartAnlagennummer = smallNumber(a.Value("Anlagenummer"), QStringLiteral("Anlagenummer"));
    const QString vertrag = textOf(a.Value("VertragsNummer"));
    if (!vertrag.trimmed().isEmpty()) r.WartVertragsnummer = vertrag;
    if (bezeichnungRoh)
        keepOnNull(r.WartAnlagenBezeichnung, a.Value("Bezeichnung"));
    else
        r.WartAnlagenBezeichnung = textOf(a.Value("Bezeichnung"));
    r.DatumLetzteWartung = textOf(a.Value("LetzteWartung"));
    r.WartTermin.clear();
    r.WartUhrzeit.clear();
    r.WartDauer = mStandarddauer;

    const QVariant erloes = a.Value("ErloesKontoKennung");
    const QVariant letzte = a.Value("LetzteWartung");
    const QVariant st = a.Value("FormularST");
    const QVariant wa = a.Value("FormularWA");
    if (auto_) {
        if (!textOf(erloes).isEmpty()) mEvents.raiseChangeErloekennung(textOf(erloes));
        mEvents.raiseChangeAnlageFormular(textOf(st), textOf(wa));
        mEvents.raiseChangeDatumLetzteWartung(textOf(letzte));
        return;
    }
    if (!textOf(erloes).trimmed().isEmpty()) mEvents.raiseChangeErloekennung(erloes.toString());
    // A NULL column cannot be handed on as a text: its event is left out.
    if (!letzte.isNull()) mEvents.raiseChangeDatumLetzteWartung(letzte.toString());
    if (!st.isNull() && !wa.isNull())
        mEvents.raiseChangeAnlageFormular(st.toString(), wa.toString());
}

} // namespace belegadressen
