// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QStringList>

namespace belegadressen {

// The country codes the address's country field offers, in its order. An
// empty country means the home country and is no code of its own.
inline const QStringList& countryCodes() {
    static const QStringList codes = {
        QStringLiteral("D"),  QStringLiteral("F"),  QStringLiteral("A"), QStringLiteral("B"),
        QStringLiteral("CH"), QStringLiteral("DK"), QStringLiteral("L"), QStringLiteral("NL")};
    return codes;
}

} // namespace belegadressen
