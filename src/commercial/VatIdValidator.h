// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

// Checks the form and the check digit of a VAT identification number for the
// countries a German craft business mostly deals with (DE, AT, CH, FR, NL, BE,
// DK, LU, IT, PL). Blanks, dots and hyphens are ignored, letters may be
// small. It only informs: nothing is refused because of its answer.
class VatIdValidator {
public:
    enum class State {
        Empty,     // nothing to check
        Valid,     // form and check digit are right
        Invalid,   // wrong form or wrong check digit; `message` says which
        Unchecked, // a country without rules here
    };
    struct Result {
        State state = State::Empty;
        QString message;
    };

    static Result check(const QString& number);
};

} // namespace belegadressen
