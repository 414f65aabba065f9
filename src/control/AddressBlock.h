// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QStringList>

namespace belegadressen {

struct AdressDaten;

// What the address zone of a window envelope prints of an address.
struct Anschrift {
    QString anrede, vorname, bez1, bez2, bez3, bez4;
    QString ansprechpartner;
    bool ansprechpartnerDrucken = false; // "Druck in Anschrift"
    QString strasse, plz, ort, land;
    QString postfach, postfachPlz;
};

Anschrift anschriftAus(const AdressDaten& record);

// How one destination country writes its postal line and names itself.
struct CountryRule {
    const char* land;        // as the address field holds it: D, A, CH, ...
    const char* countryLine; // last line when the letter goes abroad
    const char* postalLine;  // {plz} and {ort}; {ORT} for the place in capitals
    bool dutchCode;          // "1234AB" is written "1234 AB"
    const char* boxWord;     // before a post-office box number
};

// The rule of a country, nullptr for one the table does not know.
const CountryRule* countryRule(const QString& land);

// The field's width: 35 characters at 10 pt.
inline constexpr int kAnschriftBreite = 35;
// The address zone holds at most six lines.
inline constexpr int kAnschriftZeilen = 6;

// The printable lines of an address for a letter sent from `heimatland`
// (empty land: the home country): salutation and names, the further name
// lines, the contact person when it is to be printed, the post-office box with
// its own postal code or else the street, the postal line, and abroad the
// country in German capitals. No blank lines. "Herr" in the salutation and at
// the contact person is printed "Herrn". The box is written in the
// destination post's word ("Postfach", "Postbus", "BP", "Postboks", in
// Switzerland and Belgium by the language of the place), a typed word never
// twice. Over six lines, lines are dropped in this order: name line 4, name
// line 3, the contact person, name line 2 (five lines are then left at
// most). A line wider than the field is shortened by the abbreviations of
// abbreviate(), never cut.
QStringList anschriftZeilen(const Anschrift& a, const QString& heimatland);

// The usual abbreviations, applied one by one until the line fits, each only
// to a word of its own: "Gesellschaft mit beschränkter Haftung" → "GmbH",
// "Straße" → "Str.", " und " → " u. ", ...; on a street line also the street
// word that ends the street name ("Hafenstraße 5" → "Hafenstr. 5").
QString abbreviate(const QString& line, int width = kAnschriftBreite, bool streetLine = false);

} // namespace belegadressen
