// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/SqlText.h"
#include "contracts/Error.h"

namespace belegadressen {

namespace {

// The position of the first code unit that is no character of its own: a
// high surrogate without a low one after it, or a low one without a high one
// before it. -1 when the text is valid UTF-16.
qsizetype firstLoneSurrogate(const QString& value) {
    const qsizetype size = value.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = value.at(i);
        if (!c.isSurrogate()) continue;
        if (c.isHighSurrogate() && i + 1 < size && value.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

} // namespace

QString doubledQuotes(const QString& value) {
    if (value.contains(QChar(0)))
        throw Error(Error::Database,
                    QStringLiteral("Der Wert enthält ein Nullzeichen und wird nicht gesendet."));
    // SQLite would pair a lone surrogate with the next code unit (a doubled
    // quote loses its first half), PostgreSQL would store "?": either way
    // the statement or the value is not what was written.
    const qsizetype lone = firstLoneSurrogate(value);
    if (lone >= 0)
        throw Error(Error::Database,
                    QStringLiteral("Der Wert enthält an Stelle %1 ein ungültiges Zeichen (ein "
                                   "einzelnes Ersatzzeichen U+%2) und wird nicht gesendet.")
                        .arg(lone + 1)
                        .arg(QString::number(value.at(lone).unicode(), 16).toUpper()));
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + doubledQuotes(value) + QLatin1Char('\'');
}

} // namespace belegadressen
