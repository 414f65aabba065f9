// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QVariant>
#include <cmath>
#include <limits>
#include <optional>

namespace belegadressen {

// Whole numbers read from a database, a property store or a field fit the
// narrow integers of the host interface only when they are in range; a value
// outside is no value, never its low bits.
template <typename Int> std::optional<Int> toNarrow(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    bool ok = false;
    // A real number would be rounded by toLongLong: 3.5 is no count.
    const bool real = v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
    const qlonglong whole = real ? 0 : v.toLongLong(&ok);
    if (!ok) {
        // A real number or a text like "3.0".
        const double d = v.toDouble(&ok);
        if (!ok || !std::isfinite(d) || d != std::trunc(d) ||
            d < double(std::numeric_limits<Int>::min()) ||
            d > double(std::numeric_limits<Int>::max()))
            return std::nullopt;
        return static_cast<Int>(d);
    }
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(whole);
}

inline std::optional<qint16> toInt16(const QVariant& v) { return toNarrow<qint16>(v); }
inline std::optional<qint32> toInt32(const QVariant& v) { return toNarrow<qint32>(v); }

} // namespace belegadressen
