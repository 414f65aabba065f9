// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/ResourceLibrary.h"

namespace belegadressen {

/// Pictures drawn on demand and the German message texts of the control.
class BELEGADRESSEN_EXPORT QtResourceLibrary : public ResourceLibrary {
public:
    /// The pictures the library draws.
    enum Picture {
        DeleteAppointment = 189,
        ButtonPressed = 234,
        ButtonReleased = 235,
        PostalCode = 338
    };
    /// The message texts the library holds.
    enum Message { TextKindMismatch = 10050, TextModuleMissing = 13048 };

    /// A null icon for an unknown number.
    QIcon Bild(int number) override;
    /// %1, %2, ... are replaced by the values in order; an unknown number
    /// answers an empty text.
    QString Text(int number, const QStringList& values = {}) override;
};

} // namespace belegadressen
