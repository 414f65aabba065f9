// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QVariant>

class QComboBox;

namespace belegadressen {

/// Selects a drop-down entry by its value and reads the selected value back.
class BELEGADRESSEN_EXPORT ListSelectionService {
public:
    virtual ~ListSelectionService() = default;
    /// Selects the entry holding a value.
    virtual void Select(QComboBox& list, const QVariant& value) = 0;
    /// The value of the selected entry.
    virtual QVariant SelectedValue(const QComboBox& list) = 0;
};

} // namespace belegadressen
