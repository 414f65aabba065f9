// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/SqlIdentifier.h"
#include "contracts/Error.h"
#include <QSet>

namespace belegadressen {

namespace {

// PostgreSQL's NAMEDATALEN less one.
constexpr qsizetype kMaxIdentifierBytes = 63;

bool isReserved(const QString& name) {
    // Words both engines refuse, or read differently, as a bare table or
    // column name.
    static const QSet<QString> words = {
        QStringLiteral("all"),    QStringLiteral("and"),        QStringLiteral("as"),
        QStringLiteral("asc"),    QStringLiteral("between"),    QStringLiteral("by"),
        QStringLiteral("case"),   QStringLiteral("check"),      QStringLiteral("collate"),
        QStringLiteral("column"), QStringLiteral("constraint"), QStringLiteral("create"),
        QStringLiteral("cross"),  QStringLiteral("default"),    QStringLiteral("delete"),
        QStringLiteral("desc"),   QStringLiteral("distinct"),   QStringLiteral("drop"),
        QStringLiteral("else"),   QStringLiteral("end"),        QStringLiteral("except"),
        QStringLiteral("exists"), QStringLiteral("false"),      QStringLiteral("foreign"),
        QStringLiteral("from"),   QStringLiteral("full"),       QStringLiteral("group"),
        QStringLiteral("having"), QStringLiteral("in"),         QStringLiteral("inner"),
        QStringLiteral("insert"), QStringLiteral("intersect"),  QStringLiteral("into"),
        QStringLiteral("is"),     QStringLiteral("join"),       QStringLiteral("left"),
        QStringLiteral("like"),   QStringLiteral("limit"),      QStringLiteral("natural"),
        QStringLiteral("not"),    QStringLiteral("null"),       QStringLiteral("offset"),
        QStringLiteral("on"),     QStringLiteral("or"),         QStringLiteral("order"),
        QStringLiteral("outer"),  QStringLiteral("primary"),    QStringLiteral("references"),
        QStringLiteral("right"),  QStringLiteral("select"),     QStringLiteral("set"),
        QStringLiteral("table"),  QStringLiteral("then"),       QStringLiteral("to"),
        QStringLiteral("true"),   QStringLiteral("union"),      QStringLiteral("unique"),
        QStringLiteral("update"), QStringLiteral("using"),      QStringLiteral("values"),
        QStringLiteral("when"),   QStringLiteral("where"),      QStringLiteral("with"),
    };
    return words.contains(name.toLower());
}

bool isNameStart(QChar c) { return c == QLatin1Char('_') || c.isLetter(); }
bool isNamePart(QChar c) {
    return isNameStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

bool isPlainIdentifier(const QString& name) {
    if (name.isEmpty() || !isNameStart(name.front())) return false;
    for (const QChar c : name)
        // Surrogates are refused with the rest: no name of the schema needs
        // a character beyond the basic plane.
        if (c.isSurrogate() || !isNamePart(c)) return false;
    if (name.toUtf8().size() > kMaxIdentifierBytes) return false;
    return !isReserved(name);
}

QString checkedIdentifier(const QString& name, const QString& role) {
    if (!isPlainIdentifier(name)) {
        QString shown = name.left(80);
        shown.replace(QChar(0), QLatin1Char(' '));
        throw Error(Error::Database,
                    QStringLiteral("„%1“ ist kein gültiger %2: erlaubt sind Buchstaben, Ziffern "
                                   "und _, am Anfang keine Ziffer.")
                        .arg(shown, role));
    }
    return name;
}

QStringList checkedIdentifiers(const QStringList& names, const QString& role) {
    for (const QString& name : names)
        checkedIdentifier(name, role);
    return names;
}

} // namespace belegadressen
