// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

namespace belegadressen {

// How places and streets are compared: lower case, umlauts and ß written out
// (ä → ae, ß → ss), other accents dropped, punctuation and runs of blanks as
// one blank. "MÜNCHEN", "muenchen" and " München " give "muenchen";
// "Frankfurt (Oder)" gives "frankfurt oder".
BELEGADRESSEN_EXPORT QString searchSpelling(const QString& text);

// The first word of a place in search spelling: the directory keeps it beside
// each place, so that "Frankfurt" finds "Frankfurt am Main" through an index.
BELEGADRESSEN_EXPORT QString placeWord(const QString& place);

// A street in search spelling with its usual endings written out:
// "Hauptstr.", "Hauptstrasse" and "Haupt-Straße" all give "hauptstrasse".
BELEGADRESSEN_EXPORT QString streetSpelling(const QString& street);

// Whether the place `candidate` is the typed place or begins with it word by
// word ("Frankfurt" begins "Frankfurt am Main", not "Frankfurter Berg").
bool placeBegins(const QString& candidate, const QString& typed);

// Whether `typed` is the place `place` misspelt, compared in search spelling:
// one letter dropped, added or changed, or two neighbours swapped; two such
// slips in a name of ten letters or more. The same spelling is no slip.
bool misspeltPlace(const QString& typed, const QString& place);

// Whether `typed` is `place` with words cut short by a dot, word by word:
// "Frankfurt a. M." for "Frankfurt am Main", "St. Ingbert" for "Sankt
// Ingbert". A dotted word stands for a word that begins with its first letter
// and holds its other letters in order; every other word is the same.
bool abbreviatesPlace(const QString& typed, const QString& place);

} // namespace belegadressen
