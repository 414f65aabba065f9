// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "platform/SqlText.h"
#include <QString>

namespace belegadressen::statements {

// The customer row of the number entry, exactly as the master data expects it.
inline QString kundeSelect(const QString& nummer) {
    return QStringLiteral(
               "select Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, HauptKonto, MwSt_KZ, "
               "UStIdentNr, Auftragsrabatt, Zahlungsart, KostID, PostfachPlz, Postfach, "
               "ZahlungsbedSchl, KzDivers, DruckAufbewahrungsfrist, Ort, Straße, Land, PLZ, "
               "Versandart, Währung, Währungserfassung, Liefersperre, MitUeberweisungen, "
               "VertreterNr1, VertreterNr2, VertreterNr3, Telefon, Telefon2, Telefon3, Telefax, "
               "EMail, Hompage, BezTelefon1, BezTelefon2, BezTelefon3, BezTelefax, BezEMail, "
               "BezHompage, RG_KdNr, VS_KdNr, VS_AdrNr, RG_AdrNr, KopftextAN, KopftextAB, "
               "KopftextLS, KopftextRG, KopftextGS, FußtextAN, FußtextAB,FußtextLS, FußtextRG, "
               "FußtextGS,  InterneBemerkung, Kundengruppe, RechnungPerPDF FROM Kundenstamm where "
               "KundenNummer = ") +
           quoted(nummer);
}

// The general-address row.
inline QString adresseSelect(const QString& nummer) {
    return QStringLiteral(
               "select AdressNummer, Bez1, Bez2, Bez3, Straße, Land, PLZ, Ort, Telefon, Telefax, "
               "AnredeHW, Vorname, Telefon, Telefon2, Telefon3, Telefax, EMail, Homepage, "
               "BezTelefon1, BezTelefon2, BezTelefon3, BezTelefax, BezEMail, BezHomepage FROM "
               "Adressenstamm where AdressNummer = ") +
           quoted(nummer);
}

} // namespace belegadressen::statements
