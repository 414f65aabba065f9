// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QString>

namespace belegadressen {

// A value between single quotes: each single quote doubled, nothing else
// changed. Every statement of the control inserts its values through here.
// A value holding a NUL character is refused (Error), because the engines
// would silently cut it short there; so is a value that is not valid UTF-16
// (a lone surrogate), which the engines would pair with a neighbour or
// replace.
BELEGADRESSEN_EXPORT QString quoted(const QString& value);

// The value with its single quotes doubled, without the enclosing quotes, for
// templates that carry the quotes in their literal text.
BELEGADRESSEN_EXPORT QString doubledQuotes(const QString& value);

} // namespace belegadressen
