// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/StandardTextKindCatalogue.h"
#include <array>

namespace belegadressen {

namespace {

QString code(QChar prefix, int kind) {
    static const std::array<const char*, 5> kinds{"AN", "AB", "LS", "RG", "GS"};
    if (kind < 0 || kind >= static_cast<int>(kinds.size())) return {};
    return prefix + QLatin1String(kinds[static_cast<size_t>(kind)]);
}

} // namespace

QString StandardTextKindCatalogue::Kopftext(int kind) const { return code(QLatin1Char('K'), kind); }

QString StandardTextKindCatalogue::Fusstext(int kind) const { return code(QLatin1Char('F'), kind); }

} // namespace belegadressen
