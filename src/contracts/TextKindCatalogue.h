// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

namespace belegadressen {

/// The Textart codes of the text-module table, one per document kind
/// (0 offer, 1 order, 2 delivery note, 3 invoice, 4 credit note) for header and footer.
class BELEGADRESSEN_EXPORT TextKindCatalogue {
public:
    virtual ~TextKindCatalogue() = default;
    /// The header text code of a document kind.
    virtual QString Kopftext(int kind) const = 0;
    /// The footer text code of a document kind.
    virtual QString Fusstext(int kind) const = 0;
};

} // namespace belegadressen
