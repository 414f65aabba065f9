// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "hostile/HostileValues.h"
#include <QStringList>
#include <random>

namespace hostile {

QString units(std::initializer_list<char16_t> codeUnits) {
    return QString(reinterpret_cast<const QChar*>(codeUnits.begin()), qsizetype(codeUnits.size()));
}

namespace {

// Quotes, wildcards, injections, umlauts, marks, surrogate pairs, numbers at and past limits.
const QStringList& fragments() {
    static const QStringList list = [] {
        QStringList l =
            QString::fromUtf8("'|''|'''|\\|\\'|'\\|\\\\|%|_|%_%|!|!%|\"|`|;|--|/*|*/|"
                              "'); delete from Kundenstamm; --|' or '1'='1|' OR 1=1 --|E'\\x41'|$$|"
                              "$tag$|\\0|\\n|\t|\r\n|\n| |   |\u00A0|Müller|Straße|ÄÖÜäöüß|Zürich|"
                              "O'Brien|10001|A-100|e\u0301|a\u0308|\u200F|\u200E|\u202E|\u2066|"
                              "\u200B||\u05E9\u05DC\u05D5\u05DD|\u0645\u0631\u062D\u0628\u0627")
                .split(QLatin1Char('|'));
        l << units({0xD83D, 0xDE00}) << units({0xD83D, 0xDD27}) << units({0xDBFF, 0xDFFF});
        l << QStringLiteral("32767|32768|-32768|-32769|65535|65536|65539|2147483647|2147483648|"
                            "-2147483649|4294967295|4294967296|9223372036854775807|"
                            "9223372036854775808|1e308|1e309|-0|0x7fff|NaN|inf|1,5|1.000,25||0|000")
                 .split(QLatin1Char('|'));
        return l;
    }();
    return list;
}

// Pieces that must be refused.
const QStringList& refusedFragments() {
    static const QStringList list = {QString(QChar(0)),      units({0xD800}),
                                     units({0xDC00}),        units({0xDE00, 0xD83D}),
                                     units({0xD83D, u'\''}), units({u'\'', 0xDFFF, u'\''})};
    return list;
}

// True when `text` holds a NUL or a surrogate without its partner.
bool mustBeRefused(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isNull() || c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace

std::vector<Value> generate(int count, quint32 seed) {
    std::vector<Value> out;
    out.reserve(size_t(count));
    auto add = [&](const QString& text) { out.push_back({text, mustBeRefused(text)}); };

    // A quote, a backslash and a doubled quote in every position of a name.
    const QString base = QStringLiteral("Müller & Söhne GmbH");
    for (const QString& inserted :
         {QStringLiteral("'"), QStringLiteral("\\"), QStringLiteral("''")})
        for (qsizetype at = 0; at <= base.size(); ++at)
            add(QString(base).insert(at, inserted));
    for (const QString& f : fragments())
        add(f);
    for (const QString& f : refusedFragments())
        add(QStringLiteral("A") + f + QStringLiteral("'B"));
    // Empty, blank and very long texts.
    add(QString());
    add(QStringLiteral(" "));
    add(QString(100000, QLatin1Char('\'')));
    QString longMixed;
    while (longMixed.size() < 100000)
        longMixed += QStringLiteral("Grüße '\\%_ ") + units({0xD83D, 0xDE00});
    add(longMixed);

    std::mt19937 random(seed);
    const QStringList& pieces = fragments();
    const QStringList& bad = refusedFragments();
    while (int(out.size()) < count) {
        QString text;
        const int parts = 1 + int(random() % 5);
        for (int p = 0; p < parts; ++p) // one in forty is a piece that must be refused
            text += random() % 40 == 0 ? bad[int(random() % bad.size())]
                                       : pieces[int(random() % pieces.size())];
        add(text);
    }
    return out;
}

} // namespace hostile
