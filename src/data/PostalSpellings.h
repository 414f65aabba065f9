// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"

namespace belegadressen {

class Connection;

/// Writes the search spellings of the postal directory (`OrtWort`,
/// `StrasseSuche` of `Postleitzahlen`) into every row that has none: rows a
/// host wrote itself, by plain SQL or its own import of the post's data. The
/// check reads no row without them, so call it after such an import (the
/// control's own import writes them). Returns the number of rows it found
/// without them; throws Error when a statement fails.
BELEGADRESSEN_EXPORT int fillPostalSpellings(Connection& connection);

} // namespace belegadressen
