// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The word lists and fixed master data of the sample database.
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

namespace sample {

// A small, fast, deterministic generator (splitmix64).
class Rng {
public:
    // The seed is mixed first, so that neighbouring seeds give unrelated
    // sequences rather than the same one shifted by a step.
    explicit Rng(quint64 seed) : mState(mix(seed + 0x5851F42D4C957F2Dull)) {}
    quint64 next() { return mix(mState += 0x9E3779B97F4A7C15ull); }
    int below(qsizetype n) { return static_cast<int>(next() % static_cast<quint64>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class List> const auto& pick(const List& list) { return list[below(list.size())]; }

private:
    static quint64 mix(quint64 z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    quint64 mState;
};

struct Place {
    QString plz;
    QString ort;
    QString ortsteil;
    QStringList streets;
};

struct ForeignPlace {
    QString land;
    QString plz;
    QString ort;
    QString street;
    QString currency;
    QString taxKey;
    QString vatPrefix; // empty: no VAT id
};

struct StaffMember {
    QString nr;
    QString titel;
    QString vorname;
    QString nachname;
    QString durchwahl;
    QString kurzzeichen;
};

struct TextModule {
    QString textart;
    QString textnummer;
    QString sprache;
    QString langtext;
};

struct Lists {
    QStringList maleFirstNames, femaleFirstNames, lastNames, trades, legalForms, streets,
        institutions, quotedCompanies, equipment, remarks, infos, contactRoles;
    QVector<Place> places; // the postal directory
    QVector<ForeignPlace> foreign;
    QVector<StaffMember> staff;
    QVector<TextModule> texts;
};

const Lists& lists();

// The places of a postal directory file (UTF-8; per line postal code and
// place, then optionally district and street, separated by tabs; lines
// starting with "#" are comments), one per postal code and place, each with
// streets of the sample's street list: a sample spread over the real codes
// rather than crowded into a few. Throws std::runtime_error when the file
// cannot be read or holds no place.
QVector<Place> placesOfDirectory(const QString& file);

// Appends the text modules with long texts of several paragraphs.
void addLongTexts(QVector<TextModule>& texts);

// Umlauts and ß spelled out, lower case, letters and digits only: for mail
// addresses and home pages.
QString slug(const QString& text);

} // namespace sample
