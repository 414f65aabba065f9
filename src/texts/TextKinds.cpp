#include "texts/TextKinds.h"
#include <array>
#include <cmath>

namespace belegadressen {

int textKindOfBelegart(qint16 belegart) {
    switch (belegart) {
    case 10:
    case 150:
        return 0;
    case 20:
    case 30:
    case 110:
    case 120:
        return 1;
    case 40:
        return 2;
    case 50:
    case 60:
    case 70:
    case 80:
    case 90:
    case 130:
        return 3;
    case 100:
        return 4;
    default:
        return -1;
    }
}

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
    return type && type->kind == textKindOfBelegart(belegart);
}

ButtonChoice buttonChoice(int index, bool fuerBeleg, qint16 belegart) {
    if (fuerBeleg) {
        const int kind = textKindOfBelegart(belegart);
        return {kind, kind < 0 ? 0 : kind};
    }
    return {index >= 0 && index < kTextKinds ? index : -1, index};
}

} // namespace belegadressen
