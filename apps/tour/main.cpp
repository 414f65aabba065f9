// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The scripted tour: drives the sample host's document window without a
// display, as a user would, prints what happened and saves a screenshot of
// every step. Not installed: it shows the control working, not how to host it.
#include "DocumentWindow.h"
#include "GermanQt.h"
#include "HostDatabase.h"
#include "QuietOffscreen.h"
#include "SafeApplication.h"
#include "Tour.h"
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    // Headless unless told otherwise: the tour never waits for a user.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    SafeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("belegadressen-tour"));
    QApplication::setOrganizationName(QStringLiteral("BelegAdressen"));
    if (installGermanQtTranslations().isEmpty())
        say(QStringLiteral("[Hinweis] Qts deutsche Übersetzungen (qtbase_de) fehlen; "
                           "Standardknöpfe des Beispiels erscheinen englisch."));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Rundgang durch den Beispiel-Beleg ohne Bildschirm"));
    parser.addHelpOption();
    const QCommandLineOption dbOption(QStringLiteral("db"),
                                      QStringLiteral("SQLite-Datenbank (Vorgabe beispiel.sqlite)"),
                                      QStringLiteral("FILE"), QStringLiteral("beispiel.sqlite"));
    const QCommandLineOption pgOption(
        QStringLiteral("pg"),
        QStringLiteral("PostgreSQL statt SQLite: \"host=... port=... dbname=... user=...\""),
        QStringLiteral("CONNINFO"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Ordner der Bildschirmfotos (Vorgabe tour)"),
                                       QStringLiteral("DIR"), QStringLiteral("tour"));
    const QCommandLineOption userOption(QStringLiteral("user"), QStringLiteral("Benutzername"),
                                        QStringLiteral("NAME"),
                                        qEnvironmentVariable("USER", QStringLiteral("Benutzer")));
    const QCommandLineOption propsOption(
        QStringLiteral("properties"),
        QStringLiteral("Formulareinstellungen (JSON; Vorgabe neben der Datenbank)"),
        QStringLiteral("FILE"));
    parser.addOptions({dbOption, pgOption, outOption, userOption, propsOption});
    parser.process(app);
    belegadressen::installQuietOffscreen();

    const DatabaseChoice choice{parser.value(dbOption), parser.value(pgOption)};
    const QString folder = parser.value(outOption);
    QDir().mkpath(folder);
    // The form's settings where the host keeps them: beside an SQLite file,
    // else in the program's settings folder.
    QString properties = parser.value(propsOption);
    if (properties.isEmpty()) properties = defaultPropertiesFile(choice);
    try {
        const OpenedDatabase opened = openHostDatabase(choice, QStringLiteral("tour"));
        DocumentWindow::Setup setup =
            DocumentWindow::Setup::on(opened, parser.value(userOption), properties);
        setup.interactive = false;
        setup.echo = [](const QString& line) { say(QStringLiteral("   ") + line); };
        DocumentWindow window(setup);
        app.setReporter([&window](const QString& text) { window.log(text); });
        const int code = Tour(window, folder).run();
        app.setReporter({});
        return code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "belegadressen-tour: %s\n", e.what());
        return 1;
    }
}
