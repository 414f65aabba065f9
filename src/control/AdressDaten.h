// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <vector>

namespace belegadressen {

// One address of the document, fields in declaration order.
struct AdressDaten {
    qint16 Kennzeichen = 0;
    qint16 AnzSeiten = 0;
    QString Nummer;
    QString Anrede;
    QString Vorname;
    QString Bez1;
    QString Bez2;
    QString Bez3;
    QString Bez4;
    QString HauptKonto;
    QString AnsprechpartnerKD;
    QString AnsprechpartnerKDID;
    QString DruckAnsprechpartner; // text form of a boolean, see boolText()
    QString MwstKnz;
    QString UstIdentNr;
    double Rabatt = 0;
    QString Zahlungsart;
    QString PostfachPlz;
    QString Postfach;
    QString Zahlungsbedingungen;
    bool KzDivers = false;
    bool DruckAufbewahrungsfrist = false;
    bool MitUeberweisungen = false;
    QString Ort;
    QString Land;
    QString Strasse;
    QString Postleitzahl;
    QString Versandart;
    QString Waehrung;
    qint16 Waehrungserfassung = 0;
    double Wechselkurs = 0;
    double WechselkursHauswaehrung = 0;
    qint16 Kursbehandlung = 0;
    QString Vertreter1;
    QString Vertreter2;
    QString Vertreter3;
    QString VKD_Nr;
    QString RKD_Nr;
    QString VAD_Nr;
    QString RAD_Nr;
    QString Versandtext;
    QString RechnungText;
    QString KAnNr;
    QString KAuNr;
    QString KLsNr;
    QString KReNr;
    QString KGuNr;
    QString FAnNr;
    QString FAuNr;
    QString FLsNr;
    QString FReNr;
    QString FGuNr;
    bool Liefersperre = false;
    QString WartTermin;
    double WartDauer = 0;
    QString WartUhrzeit;
    QString WartAnsprechpartner;
    QString WartAnsprechpartnerID;
    QString WartAnsprechpartnerTelefon;
    QString WartAnsprechpartnerMobil;
    QString WartAnsprechpartnerFax;
    qint16 WartStandort = 0;
    QString WartMonteur;
    qint16 WartAnlagennummer = 0;
    QString WartVertragsnummer;
    QString WartAnlagenBezeichnung;
    QString WartMonteurName;
    QString WartKundennummer;
    QString DatumLetzteWartung;
    QString DatumLetzteRechnung;
    QString Bemerkung;
    bool RechnungPerPDF = false;
};

// The text form in which DruckAnsprechpartner keeps its boolean.
QString boolText(bool value);
bool textBool(const QString& text);

// Resets element `index` of the address array. The appointment of element 1
// survives when it is set and keepAppointment is false; the technician of
// element 1 always survives.
void LeereAdresse(AdressDaten& r, int index, bool resetAppointment, const QString& homeCurrency,
                  double standardDuration);

} // namespace belegadressen
