// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QStringList>

namespace belegadressen {

// The parts of an address that tell whether two of them are the same party.
struct PartyAddress {
    QString vorname;
    QString bez1;
    QString strasse;
    QString plz;
    QString ort;
};

// The words that name the party: first name and name line read together,
// without legal forms ("GmbH & Co. KG", "e.K.", "UG (haftungsbeschränkt)"),
// titles ("Dr.", "Prof.", "Dipl.-Ing."), "&" and "und". A name that is
// nothing but such words keeps them.
QStringList nameWords(const QString& vorname, const QString& bez1);

// The code by which German names that sound alike compare equal ("Meier",
// "Meyer", "Maier" give "67"): letters map to digit classes, repeats collapse
// and vowels count only at the start.
QString soundCode(const QString& folded);

// The street without the house number, in the form its spellings share
// ("Hauptstraße", "Haupt-Str." give "hauptstr"), and the number without
// blanks, two numbers kept apart by "-" ("7 b" gives "7b", "7 - 9" "7-9").
struct StreetForm {
    QString street;
    QString number;
};
StreetForm streetForm(const QString& line);

// The keys the masters store so that one indexed statement finds the
// candidates: the sound code of the name line (the first name only when the
// line is empty), and place, street and house number together. Empty when
// there is nothing to key.
QString nameKey(const QString& vorname, const QString& bez1);
QString addressKey(const QString& strasse, const QString& ort);
// The street part of the address key alone (street and house number, without
// the place), so that the same street under a postal code is an index
// condition whatever the place is called there. Empty without a street.
QString streetKey(const QString& strasse);

// The stored name keys a typed name may meet: its whole name (first name in
// the line of a stored row), its name line alone (the stored row has no first
// name), and without a first name of its own its line less the first word
// (the stored row keeps that word as its first name).
QStringList nameKeysOf(const QString& vorname, const QString& bez1);

enum class NameAgreement { None, Similar, Sound, Same };

// Whether `stored` is the party `typed` describes, how sure, and why.
struct DuplicateVerdict {
    bool duplicate = false;
    int score = 0;  // higher is surer; only for ordering
    QString reason; // "gleicher Name, gleiche Straße"
};

// An address in the forms the comparison reads, computed once: the typed
// address is compared with many stored ones.
struct PartyForm {
    explicit PartyForm(const PartyAddress& a);
    // A stored row with its address key: street, number and place are read
    // from the key, which addressKey wrote from the same fields.
    PartyForm(const PartyAddress& a, const QString& storedAddressKey);
    QStringList words;     // first name and name line
    QStringList lineWords; // the name line alone
    bool hasFirstName = false;
    StreetForm street;
    QString plz; // trimmed
    QString town;
};

DuplicateVerdict compareParties(const PartyForm& typed, const PartyForm& stored);
DuplicateVerdict compareParties(const PartyAddress& typed, const PartyAddress& stored);

// How two lists of name words agree, the strongest way that applies.
NameAgreement compareNames(const QStringList& a, const QStringList& b);

} // namespace belegadressen
