// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>
#include <QVariant>

namespace belegadressen {

/// The host form's property store. Writing a value equal to its default
/// omits the key; reading a missing key answers the default.
class BELEGADRESSEN_EXPORT PropertyBag {
public:
    virtual ~PropertyBag() = default;
    /// The stored value of a key, or the default when it is missing.
    virtual QVariant ReadProperty(const QString& key, const QVariant& defaultValue) = 0;
    /// Stores a value; a value equal to the default removes the key.
    virtual void WriteProperty(const QString& key, const QVariant& value,
                               const QVariant& defaultValue) = 0;
};

} // namespace belegadressen
