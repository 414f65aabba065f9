// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

// A value as text, NULL (and no value) as empty text: keys of the
// master-data fields and text columns of the master rows read this way.
inline QString textOf(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

// The VAT identification number belongs to tax key 1 only. Keys are compared
// as numbers, so that "1", " 1" and "1.0" from a host's table all count.
inline bool isTaxKeyOne(const QVariant& key) {
    if (key.isNull()) return false;
    bool ok = false;
    const double number = key.toString().trimmed().toDouble(&ok);
    return ok && number == 1.0;
}

} // namespace belegadressen
