// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"

namespace belegadressen {

class Connection;

/// What a fill of the duplicate keys did.
struct DuplicateKeyFill {
    int keyed = 0;   ///< rows this fill wrote keys for
    int skipped = 0; ///< rows the database refused to key; they stay without
};

/// Writes the duplicate warning's keys (`Namensschluessel`,
/// `Anschriftschluessel`, `Strassenschluessel`) of every row of `Kundenstamm` and `Adressenstamm`
/// that has none: rows written or changed by other programs, whose keys the
/// database clears. Call it at start or after an import.
///
/// Works in batches of 2,000 rows, each read and keyed in one
/// transaction. A fill that runs at the same time as another (another
/// workstation, another thread with its own connection) waits for the
/// other's batch and then goes on with the rows still without keys: the two
/// share the rows, no row is keyed twice, and each returns only when no row
/// is left. A row changed by another program during the fill is not keyed
/// from its old values; it keeps no keys for the next fill. A row the
/// database refuses to key (a constraint, a trigger) is skipped and counted.
/// On SQLite the connection's page cache is raised to 32 MB while the fill
/// runs (`PRAGMA cache_size`) and set back afterwards.
/// Throws Error when the database cannot be read or locked, and with a
/// message, writing nothing, while the host has a transaction open on the
/// connection, as every write of the control does: its commits would commit
/// the host's work with them.
BELEGADRESSEN_EXPORT DuplicateKeyFill fillDuplicateKeys(Connection& connection);

} // namespace belegadressen
