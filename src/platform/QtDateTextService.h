// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/DateTextService.h"

namespace belegadressen {

/// Stored form ISO 8601 "yyyy-MM-dd", display form "dd.MM.yyyy". Both
/// directions accept either form; a text that is no valid date (an empty
/// field, its blank mask) passes through unchanged.
class BELEGADRESSEN_EXPORT QtDateTextService : public DateTextService {
public:
    QString ToDisplay(const QString& stored) override;
    QString ToStored(const QString& display) override;
};

} // namespace belegadressen
