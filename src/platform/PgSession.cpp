// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PgSession.h"
#include "contracts/Error.h"
#include <QLibrary>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace belegadressen {

namespace {

using ParameterStatus = const char* (*)(const void* conn, const char* name);

// The PostgreSQL driver plugin has already loaded the client library when a
// PostgreSQL connection exists; we look its functions up there instead of
// linking it, so that hosts that only use SQLite carry no client library.
QFunctionPointer clientFunction(const char* name) {
#ifdef Q_OS_WIN
    QLibrary library(QStringLiteral("libpq"));
#else
    QLibrary library(QStringLiteral("pq"), 5);
#endif
    // Never unloaded: the driver keeps using it.
    return library.resolve(name);
}

ParameterStatus parameterStatusFunction() {
    static const auto function =
        reinterpret_cast<ParameterStatus>(clientFunction("PQparameterStatus"));
    return function;
}

using ConnectionStatus = int (*)(const void* conn);

ConnectionStatus connectionStatusFunction() {
    static const auto function = reinterpret_cast<ConnectionStatus>(clientFunction("PQstatus"));
    return function;
}

// The driver hands out its connection as a pointer variant; the type is
// named after the client library's struct or its typedef.
const void* clientConnection(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<const void* const*>(handle.constData());
}

struct SessionSettings {
    QString standardStrings;
    QString encoding;
};

SessionSettings askServer(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select current_setting('standard_conforming_strings'), "
                                   "pg_client_encoding()")) ||
        !query.next())
        throw databaseError(query.lastError());
    return {query.value(0).toString(), query.value(1).toString()};
}

SessionSettings readSettings(const QSqlDatabase& db) {
    const ParameterStatus status = parameterStatusFunction();
    const void* conn = status ? clientConnection(db) : nullptr;
    if (conn) {
        const char* standardStrings = status(conn, "standard_conforming_strings");
        const char* encoding = status(conn, "client_encoding");
        // Servers before protocol 3 report neither; ask them.
        if (standardStrings && encoding)
            return {QString::fromLatin1(standardStrings), QString::fromLatin1(encoding)};
    }
    return askServer(db);
}

// The reported value keeps the spelling the session was set with; the
// server folds case and drops punctuation and knows UTF8 also as UNICODE.
bool isUtf8(const QString& encoding) {
    QString folded;
    for (const QChar c : encoding)
        if (c.isLetterOrNumber()) folded += c.toLower();
    return folded == QLatin1String("utf8") || folded == QLatin1String("unicode");
}

} // namespace

bool postgresConnectionBroken(const QSqlDatabase& db) {
    constexpr int kConnectionBad = 1; // CONNECTION_BAD of the client library
    const ConnectionStatus status = connectionStatusFunction();
    const void* conn = status ? clientConnection(db) : nullptr;
    return conn && status(conn) == kConnectionBad;
}

Error databaseError(const QSqlError& error) {
    QString text = error.text().trimmed();
    if (text.isEmpty()) text = QStringLiteral("Die SQL-Anweisung ist fehlgeschlagen.");
    return Error(Error::Database, text);
}

void requireSafePostgresSession(const QSqlDatabase& db) {
    const SessionSettings settings = readSettings(db);
    if (settings.standardStrings.compare(QLatin1String("on"), Qt::CaseInsensitive) != 0)
        throw Error(Error::Database,
                    QStringLiteral("Die PostgreSQL-Verbindung arbeitet mit "
                                   "standard_conforming_strings = %1: Backslashes in Texten "
                                   "würden als Escapezeichen gelesen. Bitte "
                                   "standard_conforming_strings = on einstellen.")
                        .arg(settings.standardStrings));
    if (!isUtf8(settings.encoding))
        throw Error(Error::Database,
                    QStringLiteral("Die PostgreSQL-Verbindung verwendet die Zeichenkodierung "
                                   "%1. Bitte die Client-Kodierung UTF8 einstellen.")
                        .arg(settings.encoding));
}

} // namespace belegadressen
