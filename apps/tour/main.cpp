// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The scripted tour: drives the sample host's document window without a
// display, as a user would, prints what happened and saves a screenshot of
// every step. Not installed: it shows the control working, not how to host it.
#include "DocumentWindow.h"
#include "HostOptions.h"
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
    startGermanProgram(QStringLiteral("belegadressen-tour"), say);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Rundgang durch den Beispiel-Beleg ohne Bildschirm"));
    parser.addHelpOption();
    const HostOptions options(parser);
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Ordner der Bildschirmfotos (Vorgabe tour)"),
                                       QStringLiteral("DIR"), QStringLiteral("tour"));
    parser.addOption(outOption);
    parser.process(app);
    belegadressen::installQuietOffscreen();

    const QString folder = parser.value(outOption);
    QDir().mkpath(folder);
    try {
        const OpenedDatabase opened = openHostDatabase(options.database(), QStringLiteral("tour"));
        DocumentWindow::Setup setup =
            DocumentWindow::Setup::on(opened, options.user(), options.propertiesFile());
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
