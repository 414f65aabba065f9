#pragma once
#include "belegadressen_export.h"

namespace belegadressen {

class Connection;

/// Writes the duplicate warning's keys (`Namensschluessel`,
/// `Anschriftschluessel`, `Strassenschluessel`) of every row of `Kundenstamm` and `Adressenstamm`
/// that has none: rows written or changed by other programs, whose keys the
/// database clears. Call it at start or after an import. Returns the number of
/// rows keyed; throws Error when a statement fails.
BELEGADRESSEN_EXPORT int fillDuplicateKeys(Connection& connection);

} // namespace belegadressen
