// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "HostDatabase.h"
#include "../../db/DatabaseSetup.h"
#include "data/DuplicateKeys.h"
#include "data/PostalSpellings.h"
#include "data/SqlConnection.h"
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>
#include <QStringList>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

OpenedDatabase openSqlite(const QString& file, const QString& name) {
    if (!QFileInfo::exists(file))
        fail(QStringLiteral("Datenbank %1 nicht gefunden (Beispieldaten: scripts/demo)").arg(file));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(file);
    if (!db.open()) fail(QStringLiteral("SQLite %1: %2").arg(file, db.lastError().text()));
    // A database written by an older writer gets its search indexes now.
    belegadressen::dbsetup::run(db, belegadressen::dbsetup::sqliteSearchIndexes());
    const QString path = QFileInfo(file).absoluteFilePath();
    return {db, QStringLiteral("Driver=SQLite;Database=%1").arg(path),
            QStringLiteral("SQLite %1").arg(path)};
}

OpenedDatabase openPostgres(const QString& connInfo, const QString& name) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    QStringList options;
    QString shown;
    const QStringList parts = connInfo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq <= 0) fail(QStringLiteral("--pg: '%1' ist kein Schlüssel=Wert").arg(part));
        const QString key = part.left(eq).toLower();
        const QString value = part.mid(eq + 1);
        if (key == QLatin1String("host"))
            db.setHostName(value);
        else if (key == QLatin1String("port"))
            db.setPort(value.toInt());
        else if (key == QLatin1String("dbname"))
            db.setDatabaseName(value);
        else if (key == QLatin1String("user"))
            db.setUserName(value);
        else if (key == QLatin1String("password"))
            db.setPassword(value);
        else
            options << part;
        if (key != QLatin1String("password")) shown += part + QLatin1Char(' ');
    }
    // The control's statements rely on plain quoting and UTF-8 text.
    options << QStringLiteral("options='-c standard_conforming_strings=on -c "
                              "client_encoding=UTF8'");
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!db.open()) {
        // Older drivers refuse the options string; the server defaults are the same.
        db.setConnectOptions();
        if (!db.open()) fail(QStringLiteral("PostgreSQL: %1").arg(db.lastError().text()));
    }
    return {db, QStringLiteral("Driver=PostgreSQL;%1").arg(shown.trimmed()),
            QStringLiteral("PostgreSQL %1").arg(shown.trimmed())};
}

} // namespace

OpenedDatabase openHostDatabase(const DatabaseChoice& choice, const QString& connectionName) {
    OpenedDatabase opened = !choice.pgConnInfo.isEmpty()
                                ? openPostgres(choice.pgConnInfo, connectionName)
                                : openSqlite(choice.sqliteFile, connectionName);
    // The duplicate warning finds rows by keys our code computes: a database
    // of an older writer gets the columns, and rows that another program
    // wrote or changed since the last start get their keys now.
    belegadressen::dbsetup::addDuplicateKeys(opened.db);
    belegadressen::SqlConnection connection(opened.db);
    belegadressen::fillDuplicateKeys(connection);
    // Postal rows the host loaded itself are read only with their spellings.
    belegadressen::fillPostalSpellings(connection);
    return opened;
}

QString defaultPropertiesFile(const DatabaseChoice& choice) {
    if (choice.pgConnInfo.isEmpty()) {
        const QFileInfo file(choice.sqliteFile);
        return file.absoluteDir().filePath(file.completeBaseName() + QStringLiteral(".beleg.json"));
    }
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("beleg.json"));
}
