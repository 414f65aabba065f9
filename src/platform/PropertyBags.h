// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/PropertyBag.h"
#include <QMap>
#include <QStringList>

namespace belegadressen {

/// A property store held in memory. Writing a value equal to its default
/// removes the key; reading a missing key answers the default. A stored value
/// of another type than the default is converted to the default's type when
/// it can be (a font kept as text comes back as a QFont).
class BELEGADRESSEN_EXPORT MemoryPropertyBag : public PropertyBag {
public:
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue) override;
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue) override;

    /// Whether a key is stored.
    bool contains(const QString& key) const { return mValues.contains(key); }
    /// The stored value of a key, null when missing.
    QVariant value(const QString& key) const { return mValues.value(key); }
    /// The stored keys.
    QStringList keys() const { return mValues.keys(); }
    /// The number of stored keys.
    qsizetype count() const { return mValues.size(); }
    /// Removes every key.
    void clear() { mValues.clear(); }

protected:
    /// The stored values by key.
    QMap<QString, QVariant> mValues;
};

/// The same store kept in a JSON file: one object, key to value. Texts,
/// numbers and truth values are stored as such, fonts as their toString()
/// text, anything else as its text.
class BELEGADRESSEN_EXPORT JsonPropertyBag : public MemoryPropertyBag {
public:
    /// Replaces the contents by the file's; false (and empty) when the file
    /// cannot be read or is no JSON object.
    bool load(const QString& path);
    /// Writes the contents to the file; false when it cannot be written.
    bool save(const QString& path) const;
};

} // namespace belegadressen
