// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QLatin1String>
#include <QString>
#include <QtGlobal>

namespace belegadressen {

// The offscreen platform reports every window hint it cannot follow; in a
// scripted run those lines would drown what the program prints. Installs a
// message handler that drops them and hands everything else on.
inline void installQuietOffscreen() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text.startsWith(QLatin1String("This plugin does not support"))) return;
            if (previous) previous(type, context, text);
        });
}

} // namespace belegadressen
