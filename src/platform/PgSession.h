// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Error.h"
#include <QSqlDatabase>
#include <QSqlError>

namespace belegadressen {

/// Throws Error unless the PostgreSQL session behind `db` reads a backslash
/// in a quoted value literally (standard_conforming_strings on) and takes
/// our text as UTF-8 (client_encoding UTF8). Both settings are reported by
/// the server whenever they change, so the check normally reads the values
/// the client library keeps and costs no round trip; only when that library
/// cannot be reached in the running process does it ask the server.
void requireSafePostgresSession(const QSqlDatabase& db);

/// Whether the client library has found the PostgreSQL connection behind
/// `db` broken (whoever's statement met the loss); false when that cannot be
/// told without a round trip.
bool postgresConnectionBroken(const QSqlDatabase& db);
/// The driver's error as the control reports it (Error::Database with the
/// driver's text, or a German text when the driver gave none).
Error databaseError(const QSqlError& error);

} // namespace belegadressen
