// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

namespace belegadressen {

/// Converts between the stored form of a date and its display form "dd.mm.yyyy".
class BELEGADRESSEN_EXPORT DateTextService {
public:
    virtual ~DateTextService() = default;
    /// The display form of a stored date.
    virtual QString ToDisplay(const QString& stored) = 0;
    /// The stored form of a displayed date.
    virtual QString ToStored(const QString& display) = 0;
};

} // namespace belegadressen
