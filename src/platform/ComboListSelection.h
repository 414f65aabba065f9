// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/ListSelectionService.h"

namespace belegadressen {

/// Matches a value against each entry's item data; entries without item data
/// are matched by their position, so that value n selects position n.
class BELEGADRESSEN_EXPORT ComboListSelection : public ListSelectionService {
public:
    /// A value that matches no entry leaves the list without selection.
    void Select(QComboBox& list, const QVariant& value) override;
    /// The selected entry's item data, else its position; null without selection.
    QVariant SelectedValue(const QComboBox& list) override;
};

} // namespace belegadressen
