// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/TextKindCatalogue.h"

namespace belegadressen {

/// Header codes "K" + kind, footer codes "F" + kind, kinds AN, AB, LS, RG, GS.
/// A kind outside 0..4 answers an empty code.
class BELEGADRESSEN_EXPORT StandardTextKindCatalogue : public TextKindCatalogue {
public:
    QString Kopftext(int kind) const override;
    QString Fusstext(int kind) const override;
};

} // namespace belegadressen
