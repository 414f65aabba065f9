// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/DuplicateMatch.h"
#include "platform/HouseNumber.h"
#include "platform/PostalSpelling.h"
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <vector>

namespace belegadressen {

namespace {

// Legal forms, titles and joining words: they say nothing about who the
// party is, and one record has them where another leaves them out.
const QSet<QString>& fillerWords() {
    static const QSet<QString> words{
        QStringLiteral("gmbh"),      QStringLiteral("mbh"),  QStringLiteral("ag"),
        QStringLiteral("kg"),        QStringLiteral("kgaa"), QStringLiteral("ohg"),
        QStringLiteral("gbr"),       QStringLiteral("ug"),   QStringLiteral("haftungsbeschraenkt"),
        QStringLiteral("co"),        QStringLiteral("inh"),  QStringLiteral("inhaber"),
        QStringLiteral("inhaberin"), QStringLiteral("dr"),   QStringLiteral("dres"),
        QStringLiteral("prof"),      QStringLiteral("dipl"), QStringLiteral("ing"),
        QStringLiteral("med"),       QStringLiteral("und"),  QStringLiteral("u")};
    return words;
}

// "e.K.", "e.Kfm.", "e.V." fold to two words; the "e" alone is dropped only
// when one of these follows it.
bool endsRegisteredForm(const QString& next) {
    return next == QLatin1String("k") || next == QLatin1String("v") ||
           next == QLatin1String("kfm") || next == QLatin1String("kfr");
}

QStringList foldedWords(const QString& text) {
    return searchSpelling(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

QStringList nameWords(const QString& vorname, const QString& bez1) {
    const QStringList all = foldedWords(vorname) + foldedWords(bez1);
    QStringList kept;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString& w = all.at(i);
        if (w == QLatin1String("e") && i + 1 < all.size() && endsRegisteredForm(all.at(i + 1))) {
            ++i;
            continue;
        }
        if (!fillerWords().contains(w)) kept << w;
    }
    return kept.isEmpty() ? all : kept;
}

namespace {

bool in(char16_t c, const char* set) {
    for (; *set; ++set)
        if (c == char16_t(*set)) return true;
    return false;
}

} // namespace

QString soundCode(const QString& folded) {
    QString letters;
    for (const QChar c : folded)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) letters += c;
    QString raw;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const char16_t c = letters.at(i).unicode();
        const char16_t prev = i > 0 ? letters.at(i - 1).unicode() : 0;
        const char16_t next = i + 1 < letters.size() ? letters.at(i + 1).unicode() : 0;
        if (in(c, "aeijouy")) {
            raw += QLatin1Char('0');
        } else if (c == u'h') {
            continue;
        } else if (c == u'b') {
            raw += QLatin1Char('1');
        } else if (c == u'p') {
            raw += QLatin1Char(next == u'h' ? '3' : '1');
        } else if (c == u'd' || c == u't') {
            raw += QLatin1Char(in(next, "csz") ? '8' : '2');
        } else if (in(c, "fvw")) {
            raw += QLatin1Char('3');
        } else if (in(c, "gkq")) {
            raw += QLatin1Char('4');
        } else if (c == u'c') {
            const bool hard =
                i == 0 ? in(next, "ahkloqrux") : !in(prev, "sz") && in(next, "ahkoqux");
            raw += QLatin1Char(hard ? '4' : '8');
        } else if (c == u'x') {
            raw += in(prev, "ckq") ? QStringLiteral("8") : QStringLiteral("48");
        } else if (c == u'l') {
            raw += QLatin1Char('5');
        } else if (c == u'm' || c == u'n') {
            raw += QLatin1Char('6');
        } else if (c == u'r') {
            raw += QLatin1Char('7');
        } else if (c == u's' || c == u'z') {
            raw += QLatin1Char('8');
        }
    }
    QString code;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (i > 0 && raw.at(i) == raw.at(i - 1)) continue;
        if (raw.at(i) == QLatin1Char('0') && i > 0) continue;
        code += raw.at(i);
    }
    return code;
}

namespace {

// The house number as compared: its numbers and letters without blanks, and
// a "-" between two numbers. A range or a list ("7-9", "7/9", "12 u. 14")
// names other houses than the number its digits make together ("79").
QString numberForm(const QString& number) {
    static const QRegularExpression runs(QStringLiteral("[0-9]+|[a-z]+"));
    QStringList parts;
    for (auto it = runs.globalMatch(searchSpelling(number)); it.hasNext();)
        parts << it.next().captured();
    const auto isNumber = [&](qsizetype i) {
        return i >= 0 && i < parts.size() && parts.at(i).at(0).isDigit();
    };
    QString out;
    bool lastWasNumber = false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& p = parts.at(i);
        // "u." and "und" between two numbers join them like a hyphen.
        if ((p == QLatin1String("u") || p == QLatin1String("und")) && isNumber(i - 1) &&
            isNumber(i + 1))
            continue;
        if (isNumber(i) && lastWasNumber) out += QLatin1Char('-');
        out += p;
        lastWasNumber = isNumber(i);
    }
    return out;
}

} // namespace

StreetForm streetForm(const QString& line) {
    const StreetAndNumber split = splitHouseNumber(line);
    QString street = foldedWords(split.street).join(QString());
    street.replace(QLatin1String("strasse"), QLatin1String("str"));
    return {street, numberForm(split.number)};
}

// Never a null string: stored, that would read as "not yet keyed".
QString nameKey(const QString& vorname, const QString& bez1) {
    const QStringList line = nameWords(QString(), bez1);
    return QStringLiteral("") +
           soundCode((line.isEmpty() ? nameWords(vorname, QString()) : line).join(QString()));
}

QStringList nameKeysOf(const QString& vorname, const QString& bez1) {
    QStringList keys;
    const auto add = [&](const QStringList& words) {
        const QString k = soundCode(words.join(QString()));
        if (!words.isEmpty() && !keys.contains(k)) keys << k;
    };
    add(nameWords(vorname, bez1));
    const QStringList line = nameWords(QString(), bez1);
    add(line);
    if (nameWords(vorname, QString()).isEmpty() && line.size() > 1) add(line.mid(1));
    return keys;
}

QString streetKey(const QString& strasse) {
    const StreetForm s = streetForm(strasse);
    if (s.street.isEmpty()) return QStringLiteral("");
    return s.street + QLatin1Char(' ') + s.number;
}

QString addressKey(const QString& strasse, const QString& ort) {
    const QString street = streetKey(strasse);
    if (street.isEmpty()) return street;
    return foldedWords(ort).join(QString()) + QLatin1Char('|') + street;
}

namespace {

// Edits (insert, delete, replace, swap of neighbours) that turn a into b.
int editDistance(const QString& a, const QString& b) {
    const auto n = a.size(), m = b.size();
    std::vector<std::vector<int>> d(static_cast<size_t>(n + 1), std::vector<int>(size_t(m + 1)));
    for (qsizetype i = 0; i <= n; ++i)
        d[size_t(i)][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            int v = std::min({d[size_t(i - 1)][size_t(j)] + 1, d[size_t(i)][size_t(j - 1)] + 1,
                              d[size_t(i - 1)][size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                v = std::min(v, d[size_t(i - 2)][size_t(j - 2)] + 1);
            d[size_t(i)][size_t(j)] = v;
        }
    }
    return d[size_t(n)][size_t(m)];
}

// A typo or two, more for longer names; short names must match otherwise.
int allowedEdits(qsizetype length) { return length >= 12 ? 2 : length >= 6 ? 1 : 0; }

} // namespace

NameAgreement compareNames(const QStringList& a, const QStringList& b) {
    if (a.isEmpty() || b.isEmpty()) return NameAgreement::None;
    const QString ja = a.join(QString()), jb = b.join(QString());
    QStringList sa = a, sb = b;
    sa.sort();
    sb.sort();
    if (ja == jb || sa == sb) return NameAgreement::Same;
    if (soundCode(ja) == soundCode(jb)) return NameAgreement::Sound;
    const qsizetype shorter = std::min(ja.size(), jb.size());
    if (editDistance(ja, jb) <= allowedEdits(shorter)) return NameAgreement::Similar;
    return NameAgreement::None;
}

PartyForm::PartyForm(const PartyAddress& a)
    : words(nameWords(a.vorname, a.bez1)), lineWords(nameWords(QString(), a.bez1)),
      hasFirstName(!nameWords(a.vorname, QString()).isEmpty()), street(streetForm(a.strasse)),
      plz(a.plz.trimmed()), town(foldedWords(a.ort).join(QString())) {}

PartyForm::PartyForm(const PartyAddress& a, const QString& storedAddressKey)
    : words(nameWords(a.vorname, a.bez1)), lineWords(nameWords(QString(), a.bez1)),
      hasFirstName(!nameWords(a.vorname, QString()).isEmpty()), plz(a.plz.trimmed()) {
    const qsizetype bar = storedAddressKey.indexOf(QLatin1Char('|'));
    const qsizetype blank = storedAddressKey.lastIndexOf(QLatin1Char(' '));
    if (bar < 0 || blank < bar) {
        // No street, or no key yet: what the fields say.
        street = streetForm(a.strasse);
        town = foldedWords(a.ort).join(QString());
        return;
    }
    town = storedAddressKey.left(bar);
    street = {storedAddressKey.mid(bar + 1, blank - bar - 1), storedAddressKey.mid(blank + 1)};
}

namespace {

// A first name on one side only says nothing against the other: "Meier"
// and "Hans" + "Meier", or a firm with and without its contact's first name.
// `surnameOnly` tells that the names agree only with that first name left
// out and the other side's name is a single word: then they share no more
// than a surname ("Günther GbR" and "Michael Günther"), unlike a firm's name
// of several words with and without its contact's first name.
NameAgreement nameAgreement(const PartyForm& a, const PartyForm& b, bool& surnameOnly) {
    surnameOnly = false;
    NameAgreement best = compareNames(a.words, b.words);
    if (best == NameAgreement::Same || a.hasFirstName == b.hasFirstName) return best;
    const PartyForm& with = a.hasFirstName ? a : b;
    const PartyForm& without = a.hasFirstName ? b : a;
    const NameAgreement line = compareNames(with.lineWords, without.words);
    if (line <= best) return best;
    surnameOnly = without.words.size() == 1;
    return line;
}

} // namespace

DuplicateVerdict compareParties(const PartyAddress& typed, const PartyAddress& stored) {
    return compareParties(PartyForm(typed), PartyForm(stored));
}

DuplicateVerdict compareParties(const PartyForm& typed, const PartyForm& stored) {
    DuplicateVerdict v;
    const StreetForm &ta = typed.street, &sa = stored.street;
    const bool streetKnown = !ta.street.isEmpty() && !sa.street.isEmpty();
    const bool sameStreet = streetKnown && ta.street == sa.street && ta.number == sa.number;
    // Another street or number is another site of the party: a branch, not a repeat.
    if (streetKnown && !sameStreet) return v;

    const bool samePlz =
        !typed.plz.isEmpty() && typed.plz.compare(stored.plz, Qt::CaseInsensitive) == 0;
    const bool sameTown = !typed.town.isEmpty() && typed.town == stored.town;
    // Under another postal code only the same street and number in the same town tell.
    if (!samePlz && !(sameTown && sameStreet)) return v;

    bool surnameOnly = false;
    const NameAgreement name = nameAgreement(typed, stored, surnameOnly);
    if (name == NameAgreement::None) return v;
    // A surname is shared by many under a postal code of a town ("Günther GbR"
    // and the person "Michael Günther"); alone it tells only at the same
    // street and number.
    if (surnameOnly && !sameStreet) return v;

    v.duplicate = true;
    QStringList why;
    switch (name) {
    case NameAgreement::Same:
        why << QStringLiteral("gleicher Name");
        v.score = 100;
        break;
    case NameAgreement::Sound:
        why << QStringLiteral("gleich klingender Name");
        v.score = 90;
        break;
    default:
        why << QStringLiteral("ähnlicher Name");
        v.score = 75;
        break;
    }
    if (sameStreet) {
        why << QStringLiteral("gleiche Straße");
        v.score += 20;
    }
    if (samePlz) {
        v.score += 10;
    } else {
        why << QStringLiteral("andere PLZ");
    }
    v.reason = why.join(QStringLiteral(", "));
    return v;
}

} // namespace belegadressen
