// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "texts/TextKinds.h"
#include "control/DocumentKinds.h"
#include <array>
#include <cmath>

namespace belegadressen {

std::optional<TextType> textTypeOf(const QVariant& texttyp) {
    if (!texttyp.isValid() || texttyp.isNull()) return std::nullopt;
    bool ok = false;
    const double value = texttyp.toString().trimmed().toDouble(&ok);
    if (!ok || value != std::floor(value) || value < 0 || value > 9) return std::nullopt;
    // Footer types 0..4 and header types 5..9, each in the kind order
    // invoice, offer, credit note, order, delivery note.
    static constexpr std::array<int, 5> kindOf = {3, 0, 4, 1, 2};
    const int type = static_cast<int>(value);
    return TextType{kindOf[static_cast<size_t>(type % 5)], type >= 5 ? 0 : 1};
}

bool texttypFits(const QVariant& texttyp, bool fuerBeleg, qint16 belegart) {
    if (!fuerBeleg) return true;
    const auto type = textTypeOf(texttyp);
    return type && type->kind == documentKinds::kindIndex(belegart);
}

ButtonChoice buttonChoice(int index, bool fuerBeleg, qint16 belegart) {
    if (fuerBeleg) {
        const int kind = documentKinds::kindIndex(belegart);
        return {kind, kind < 0 ? 0 : kind};
    }
    return {index >= 0 && index < kTextKinds ? index : -1, index};
}

} // namespace belegadressen
