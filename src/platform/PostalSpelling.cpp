// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PostalSpelling.h"
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace belegadressen {

QString searchSpelling(const QString& text) {
    QString out;
    out.reserve(text.size() + 4);
    bool blank = true; // no blank at the start
    // Composed first, so that "u" with a combining diaeresis is the umlaut.
    for (const QChar c : text.normalized(QString::NormalizationForm_C).toLower()) {
        switch (c.unicode()) {
        case 0x00E4:
            out += QLatin1String("ae");
            blank = false;
            continue; // ä
        case 0x00F6:
            out += QLatin1String("oe");
            blank = false;
            continue; // ö
        case 0x00FC:
            out += QLatin1String("ue");
            blank = false;
            continue; // ü
        case 0x00DF:
            out += QLatin1String("ss");
            blank = false;
            continue; // ß
        default:
            break;
        }
        // Accents of other languages ("Genève", "Zürich" written "Zurich")
        // are dropped: the base letter remains.
        const QString plain = QString(c).normalized(QString::NormalizationForm_D);
        const QChar base = plain.isEmpty() ? c : plain.at(0);
        if (base.isLetterOrNumber()) {
            out += base;
            blank = false;
        } else if (!blank) {
            out += QLatin1Char(' ');
            blank = true;
        }
    }
    if (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out;
}

QString placeWord(const QString& place) {
    const QString key = searchSpelling(place);
    const qsizetype blank = key.indexOf(QLatin1Char(' '));
    return blank < 0 ? key : key.left(blank);
}

QString streetSpelling(const QString& street) {
    QString key = searchSpelling(street);
    // "Haupt-Straße" and "Haupt Straße" are the same street as "Hauptstraße".
    static const QRegularExpression ending(QStringLiteral(R"(\s?(str|strasse)$)"));
    key.replace(ending, QStringLiteral("strasse"));
    static const QRegularExpression inner(QStringLiteral(R"(\s?(str|strasse)\s)"));
    key.replace(inner, QStringLiteral("strasse "));
    return key;
}

bool placeBegins(const QString& candidate, const QString& typed) {
    const QString c = searchSpelling(candidate), t = searchSpelling(typed);
    if (t.isEmpty()) return false;
    return c == t || (c.startsWith(t) && c.at(t.size()) == QLatin1Char(' '));
}

namespace {

// Search spelling with an umlaut as its base letter ("München" gives
// "munchen"): a dropped or wrong umlaut is one slip, as the user sees it,
// not the two that its written-out form would make of it.
QString baseSpelling(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) plain += c;
    return searchSpelling(plain);
}

// Edit distance with swaps of neighbours (optimal string alignment), or
// `limit` + 1 as soon as it exceeds `limit`.
qsizetype slips(const QString& a, const QString& b, qsizetype limit) {
    if (std::abs(a.size() - b.size()) > limit) return limit + 1;
    // Three rows kept.
    const qsizetype n = b.size();
    std::vector<qsizetype> before(n + 1), previous(n + 1), row(n + 1);
    for (qsizetype j = 0; j <= n; ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = i;
        qsizetype best = row[0];
        for (qsizetype j = 1; j <= n; ++j) {
            const qsizetype cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[j] = std::min({previous[j] + 1, row[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], before[j - 2] + 1);
            best = std::min(best, row[j]);
        }
        if (best > limit) return limit + 1;
        before.swap(previous);
        previous.swap(row);
    }
    return previous[n];
}

} // namespace

bool misspeltPlace(const QString& typed, const QString& place) {
    const QString a = searchSpelling(typed), b = searchSpelling(place);
    if (a.isEmpty() || b.isEmpty() || a == b) return false;
    qsizetype letters = 0;
    for (const QChar c : b)
        if (c.isLetterOrNumber()) ++letters;
    const qsizetype allowed = letters >= 10 ? 2 : 1;
    return slips(a, b, allowed) <= allowed ||
           slips(baseSpelling(typed), baseSpelling(place), allowed) <= allowed;
}

bool abbreviatesPlace(const QString& typed, const QString& place) {
    static const QRegularExpression word(QStringLiteral(R"([\p{L}\p{N}]+\.?)"));
    QStringList words;
    bool dotted = false;
    for (auto it = word.globalMatch(typed); it.hasNext();) {
        const QString w = it.next().captured(0);
        dotted = dotted || w.endsWith(QLatin1Char('.'));
        words << w;
    }
    const QStringList full = searchSpelling(place).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!dotted || words.size() != full.size()) return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString w = searchSpelling(words[i]);
        if (!words[i].endsWith(QLatin1Char('.'))) {
            if (w != full[i]) return false;
            continue;
        }
        if (w.isEmpty() || !full[i].startsWith(w.at(0))) return false;
        qsizetype at = 0;
        for (const QChar c : w) {
            at = full[i].indexOf(c, at);
            if (at < 0) return false;
            ++at;
        }
    }
    return true;
}

} // namespace belegadressen
