// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Constructs the control from the installed package, headless, and drives it
// once through the installed JavaScript bridge.
#include "control/BelegAdressen.h"
#include "scripting/ScriptBridge.h"
#include <QApplication>
#include <QJSEngine>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rc = 0;
    {
        belegadressen::BelegAdressen control;
        control.show();
        QApplication::processEvents();
        if (!control.findChild<QWidget*>(QStringLiteral("txtDNummer"))) {
            std::fputs("consumer: the control has no txtDNummer\n", stderr);
            rc = 1;
        }
        QJSEngine engine;
        belegadressen::ScriptBridge bridge(control);
        bridge.expose(engine, QStringLiteral("adressen"));
        const QJSValue name =
            engine.evaluate(QStringLiteral("adressen.invoke('AnzAdresse', [2]);"
                                           "adressen.invoke('AktAdresse', [1]);"
                                           "adressen.invoke('AddBez1', ['Skript']);"
                                           "adressen.invoke('GetBez1')"));
        if (name.toString() != QStringLiteral("Skript")) {
            std::fprintf(stderr, "consumer: the script bridge answered %s\n",
                         qPrintable(name.toString()));
            rc = 1;
        }
    }
    if (rc == 0) std::puts("consumer: BelegAdressen from the installed package works");
    return rc;
}
