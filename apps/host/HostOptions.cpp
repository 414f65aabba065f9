// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "HostOptions.h"
#include "GermanQt.h"
#include <QApplication>

namespace {

QString defaultUser() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("Benutzer") : user;
}

} // namespace

void startGermanProgram(const QString& name, const std::function<void(const QString&)>& print) {
    QApplication::setApplicationName(name);
    QApplication::setOrganizationName(QStringLiteral("BelegAdressen"));
    if (installGermanQtTranslations().isEmpty())
        print(QStringLiteral("[Hinweis] Qts deutsche Übersetzungen (qtbase_de) fehlen; "
                             "Standardknöpfe des Beispiels erscheinen englisch."));
}

HostOptions::HostOptions(QCommandLineParser& parser)
    : mParser(parser),
      mDb(QStringLiteral("db"), QStringLiteral("SQLite-Datenbank (Vorgabe beispiel.sqlite)"),
          QStringLiteral("FILE"), QStringLiteral("beispiel.sqlite")),
      mPg(QStringLiteral("pg"),
          QStringLiteral("PostgreSQL statt SQLite: \"host=... port=... dbname=... user=...\""),
          QStringLiteral("CONNINFO")),
      mUser(QStringLiteral("user"), QStringLiteral("Benutzername"), QStringLiteral("NAME"),
            defaultUser()),
      mProperties(QStringLiteral("properties"),
                  QStringLiteral("Formulareinstellungen (JSON; Vorgabe neben der Datenbank)"),
                  QStringLiteral("FILE")) {
    parser.addOptions({mDb, mPg, mUser, mProperties});
}

DatabaseChoice HostOptions::database() const { return {mParser.value(mDb), mParser.value(mPg)}; }

QString HostOptions::user() const { return mParser.value(mUser); }

QString HostOptions::propertiesFile() const {
    const QString named = mParser.value(mProperties);
    return named.isEmpty() ? defaultPropertiesFile(database()) : named;
}
