// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SafeApplication.h"
#include <cstdio>
#include <exception>

SafeApplication::SafeApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
    QString text;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("unbekannter Fehler");
    }
    text = QStringLiteral("Unerwarteter Fehler, der Schritt wurde abgebrochen: %1").arg(text);
    if (mReport)
        mReport(text);
    else
        std::fprintf(stderr, "belegadressen-host: %s\n", qPrintable(text));
    return false;
}
