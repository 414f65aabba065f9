// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "HostDatabase.h"
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <functional>

// Names the program and loads Qt's German texts; when they are missing,
// `print` is told that Qt's own buttons stay English.
void startGermanProgram(const QString& name, const std::function<void(const QString&)>& print);

// The options the sample host and the tour share: the database (a SQLite
// file or a PostgreSQL server), the user and the file of the form's settings.
class HostOptions {
public:
    // Adds the options to `parser`, which must outlive this.
    explicit HostOptions(QCommandLineParser& parser);
    DatabaseChoice database() const;
    QString user() const;
    // The file named, else where the host keeps it for the database.
    QString propertiesFile() const;

private:
    QCommandLineParser& mParser;
    QCommandLineOption mDb, mPg, mUser, mProperties;
};
