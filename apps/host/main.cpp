// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The sample host: one document window of a craft business's order
// processing around the address block.
#include "DocumentWindow.h"
#include "GermanQt.h"
#include "HostDatabase.h"
#include "QuietOffscreen.h"
#include "SafeApplication.h"
#include "ScriptRunner.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace {

void print(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString defaultUser() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("Benutzer") : user;
}

} // namespace

int main(int argc, char** argv) {
    SafeApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("belegadressen-host"));
    QApplication::setOrganizationName(QStringLiteral("BelegAdressen"));
    // A German application: Qt's own buttons and menus say German too.
    if (installGermanQtTranslations().isEmpty())
        print(QStringLiteral("[Hinweis] Qts deutsche Übersetzungen (qtbase_de) fehlen; "
                             "Standardknöpfe des Beispiels erscheinen englisch."));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Beispiel-Beleg mit dem Adressblock"));
    parser.addHelpOption();
    const QCommandLineOption dbOption(QStringLiteral("db"),
                                      QStringLiteral("SQLite-Datenbank (Vorgabe beispiel.sqlite)"),
                                      QStringLiteral("FILE"), QStringLiteral("beispiel.sqlite"));
    const QCommandLineOption pgOption(
        QStringLiteral("pg"),
        QStringLiteral("PostgreSQL statt SQLite: \"host=... port=... dbname=... user=...\""),
        QStringLiteral("CONNINFO"));
    const QCommandLineOption userOption(QStringLiteral("user"), QStringLiteral("Benutzername"),
                                        QStringLiteral("NAME"), defaultUser());
    const QCommandLineOption propsOption(
        QStringLiteral("properties"),
        QStringLiteral("Formulareinstellungen (JSON; Vorgabe neben der Datenbank)"),
        QStringLiteral("FILE"));
    const QCommandLineOption scriptOption(
        QStringLiteral("script"),
        QStringLiteral("JavaScript-Datei ausführen (Adressblock als \"adressen\"); ohne "
                       "Bildschirm möglich, Fehler beenden mit Code 1"),
        QStringLiteral("FILE"));
    const QCommandLineOption limitOption(
        QStringLiteral("script-limit"),
        QStringLiteral("Skript oder Ereignisbehandlung nach SEK Sekunden am Stück abbrechen "
                       "(Vorgabe 10, 0: nie)"),
        QStringLiteral("SEK"), QStringLiteral("10"));
    parser.addOptions({dbOption, pgOption, userOption, propsOption, scriptOption, limitOption});
    parser.process(app);

    // Without a display only a script runs; the scripted tour of the window is
    // a program of its own (belegadressen-tour).
    const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen");
    if (headless && !parser.isSet(scriptOption)) {
        print(QStringLiteral("Ohne Bildschirm läuft nur ein Skript (--script DATEI); den "
                             "Rundgang zeigt belegadressen-tour."));
        return 2;
    }
    if (headless) belegadressen::installQuietOffscreen();

    DatabaseChoice choice{parser.value(dbOption), parser.value(pgOption)};
    QString properties = parser.value(propsOption);
    if (properties.isEmpty()) properties = defaultPropertiesFile(choice);

    try {
        const OpenedDatabase opened = openHostDatabase(choice, QStringLiteral("host"));
        DocumentWindow::Setup setup =
            DocumentWindow::Setup::on(opened, parser.value(userOption), properties);
        setup.interactive = !headless;
        if (headless) setup.echo = [](const QString& line) { print(QStringLiteral("   ") + line); };
        DocumentWindow window(setup);
        app.setReporter([&window](const QString& text) { window.log(text); });
        int code = 0;
        if (parser.isSet(scriptOption)) {
            bool ok = false;
            const double seconds = parser.value(limitOption).toDouble(&ok);
            if (!ok || seconds < 0 || seconds > 86400) {
                print(QStringLiteral("--script-limit erwartet Sekunden von 0 bis 86400"));
                return 2;
            }
            code = runHostScript(window, parser.value(scriptOption), headless,
                                 std::chrono::milliseconds(qRound64(seconds * 1000)));
        } else {
            window.show();
            code = app.exec();
        }
        app.setReporter({});
        return code;
    } catch (const std::exception& e) {
        const QString text = QString::fromUtf8(e.what());
        std::fprintf(stderr, "belegadressen-host: %s\n", qPrintable(text));
        if (!headless) QMessageBox::critical(nullptr, QStringLiteral("Beleg"), text);
        return 1;
    }
}
