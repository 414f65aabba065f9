// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The sample host: one document window of a craft business's order
// processing around the address block.
#include "DocumentWindow.h"
#include "HostOptions.h"
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

} // namespace

int main(int argc, char** argv) {
    SafeApplication app(argc, argv);
    // A German application: Qt's own buttons and menus say German too.
    startGermanProgram(QStringLiteral("belegadressen-host"), print);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Beispiel-Beleg mit dem Adressblock"));
    parser.addHelpOption();
    const HostOptions options(parser);
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
    parser.addOptions({scriptOption, limitOption});
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

    try {
        const OpenedDatabase opened = openHostDatabase(options.database(), QStringLiteral("host"));
        DocumentWindow::Setup setup =
            DocumentWindow::Setup::on(opened, options.user(), options.propertiesFile());
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
