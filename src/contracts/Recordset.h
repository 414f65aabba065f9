// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>
#include <QVariant>

namespace belegadressen {

/// A forward-read result: the current row's columns by name (case-insensitive),
/// NULL as a null QVariant.
class BELEGADRESSEN_EXPORT Recordset {
public:
    virtual ~Recordset() = default;
    /// True past the last row.
    virtual bool Eof() const = 0;
    /// The value of a column of the current row.
    virtual QVariant Value(const QString& column) const = 0;
    /// Whether the result has a column of this name.
    virtual bool HasColumn(const QString& column) const = 0;
    /// Moves to the next row.
    virtual void MoveNext() = 0;
    /// Moves back to the first row.
    virtual void MoveFirst() = 0;
    /// Releases the result.
    virtual void Close() = 0;
};

} // namespace belegadressen
