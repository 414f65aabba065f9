// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QSqlDatabase>
#include <QString>

// Where the host's data lives: a SQLite file or a PostgreSQL server.
struct DatabaseChoice {
    QString sqliteFile; // used when pgConnInfo is empty
    QString pgConnInfo; // libpq style "host=... port=... dbname=... user=..."
};

struct OpenedDatabase {
    QSqlDatabase db;
    QString connectString; // what ConnectStringDB() tells the control
    QString description;   // shown in the window's status bar
};

// Where the form's design-time properties are kept when no file is named:
// beside a SQLite file, else in the user's configuration folder.
QString defaultPropertiesFile(const DatabaseChoice& choice);

// Opens the database; throws std::runtime_error with a readable reason.
// A missing SQLite file is an error rather than a new empty database.
OpenedDatabase openHostDatabase(const DatabaseChoice& choice, const QString& connectionName);
