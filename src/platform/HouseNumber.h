// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

struct StreetAndNumber {
    QString street;
    QString number;
    // The line names a post-office box ("Postfach 1234"): it is all street,
    // no street name with a house number.
    bool postfach = false;
};

// Splits a typed street line into the street name and the house number at its
// end, the way addresses are written in Germany, Austria and Switzerland:
// "Hauptstraße 5a", "Lange Reihe 12 b", "Am Markt 3-5", "Weg 1/2",
// "Mariahilfer Straße 12/3/14", "Wiedner Gürtel 8/Top 4", "Hauptstr.5",
// "Gasse 7, Stiege 2, Top 14", "Weg 12 u. 14", "Ring 10 Whg. 3", "Allee 12 a-c",
// and the squares of Mannheim "Q 7, 24" (square Q 7, house 24).
// Numbers inside the name ("Straße des 17. Juni 12") stay with the name. A
// line without a number at its end is all street; a line that is only a
// number is all number. Both parts come back trimmed.
StreetAndNumber splitHouseNumber(const QString& line);

// A post-office box line: the box word in the spelling the posts print
// ("Postfach", "Postbus", "Postboks", "BP", "Case postale", "Casella postale",
// "PO Box") and what follows it. Abbreviations and other spellings are read as
// their word: "Postf.", "PF" → "Postfach", "B.P.", "Boîte postale" → "BP",
// "P.O. Box" → "PO Box". The word is empty when the line does not begin with
// one, or when a word and not a number follows it ("Postfachweg 3").
struct PostOfficeBox {
    QString word;
    QString number;
};
PostOfficeBox splitPostOfficeBox(const QString& line);

// Whether the line names a post-office box rather than a street: a box word
// and a number of digits and blanks ("Postfach 1234", "Postf. 12 34",
// "PF 1234", "Case postale 12", "Postbus 626", "BP 4711", "Postboks 12").
bool isPostOfficeBox(const QString& line);

// The street line again: name and number joined by one blank (after a
// comma for a square of Mannheim: "Q 7, 24").
QString joinHouseNumber(const QString& street, const QString& number);

} // namespace belegadressen
