// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Master-data selects exactly as agreed with the host's database (spacing
// included); the quoted number follows.
#include <QString>

namespace batest {

inline const QString kCustomerSelect = QStringLiteral(
    "select Kundennummer, Anrede, Vorname, Bez1, Bez2, Bez3, Bez4, HauptKonto, MwSt_KZ, "
    "UStIdentNr, Auftragsrabatt, Zahlungsart, KostID, PostfachPlz, Postfach, ZahlungsbedSchl, "
    "KzDivers, DruckAufbewahrungsfrist, Ort, Straße, Land, PLZ, Versandart, Währung, "
    "Währungserfassung, Liefersperre, MitUeberweisungen, VertreterNr1, VertreterNr2, "
    "VertreterNr3, Telefon, Telefon2, Telefon3, Telefax, EMail, Hompage, BezTelefon1, "
    "BezTelefon2, BezTelefon3, BezTelefax, BezEMail, BezHompage, RG_KdNr, VS_KdNr, VS_AdrNr, "
    "RG_AdrNr, KopftextAN, KopftextAB, KopftextLS, KopftextRG, KopftextGS, FußtextAN, "
    "FußtextAB,FußtextLS, FußtextRG, FußtextGS,  InterneBemerkung, Kundengruppe, "
    "RechnungPerPDF FROM Kundenstamm where KundenNummer = ");

inline const QString kAddressSelect = QStringLiteral(
    "select AdressNummer, Bez1, Bez2, Bez3, Straße, Land, PLZ, Ort, Telefon, Telefax, AnredeHW, "
    "Vorname, Telefon, Telefon2, Telefon3, Telefax, EMail, Homepage, BezTelefon1, BezTelefon2, "
    "BezTelefon3, BezTelefax, BezEMail, BezHomepage FROM Adressenstamm where AdressNummer = ");

} // namespace batest
