// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "data/DuplicateKeys.h"
#include "data/DuplicateMatch.h"
#include <vector>

namespace belegadressen {

class Connection;

// Which master a possible duplicate comes from; it decides how choosing it
// loads it (a customer number or a general address number).
enum class DuplicateSource { Kunde, Adresse };

struct DuplicateCandidate {
    DuplicateSource source;
    QString nummer;
    PartyAddress address; // as stored, for the hint's entry
    int score = 0;
    QString reason;
};

// Customers and general addresses that are probably the party `typed`
// describes, surest first. One statement, one indexed select per master,
// fetches the candidates through the stored keys (db/schema.sql indexes
// them): the same sound of the name under the same postal code, the same
// street and number in the same place, and under the same postal code every
// row whose keys are not yet written. compareParties then decides. Throws
// when the statement fails.
std::vector<DuplicateCandidate> findDuplicates(Connection& connection, const PartyAddress& typed);

// A master row the control has just written, with the values now stored.
struct WrittenRow {
    DuplicateSource source;
    QString nummer; // as written, untrimmed
    PartyAddress address;
};

// Writes the keys of that row, one statement: the database cleared them
// when the address changed. Throws when the statement fails.
void keyWrittenRow(Connection& connection, const WrittenRow& row);

namespace statements {
// Sets the keys of one row to those of `address`.
QString schluesselSetzen(DuplicateSource source, const QString& nummer,
                         const PartyAddress& address);
// The select of each master, and both joined by "union all".
QString kundenDubletten(const PartyAddress& typed);
QString adressenDubletten(const PartyAddress& typed);
QString dubletten(const PartyAddress& typed);
} // namespace statements

} // namespace belegadressen
