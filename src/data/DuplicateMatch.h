#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace belegadressen {

class Connection;

// Which master a possible duplicate comes from; it decides how choosing it
// loads it (a customer number or a general address number).
enum class DuplicateSource { Kunde, Adresse };

struct DuplicateCandidate {
    DuplicateSource source;
    QString nummer;
    QString bez1; // as stored, for the entry's tool tip
};

// The form two names are compared in: surrounding blanks dropped, lower case,
// umlauts and ß spelled out ("Müller" and " MUELLER " give "mueller"), so
// that the spellings a keyboard without umlauts produces match.
QString normalisedName(const QString& name);

// Postal codes match without regard to case and surrounding blanks.
QString normalisedPostalCode(const QString& plz);

bool sameName(const QString& a, const QString& b);

// The beginning of a name as the lookup's index holds it, the same SQL on
// SQLite and PostgreSQL: the first six characters of the name without its
// surrounding blanks, in small letters. A host that wants the lookup fast
// gives both masters an index on (PLZ, this expression); db/schema.sql has it.
inline constexpr const char* kNamePrefixExpression = "lower(substr(trim(Bez1), 1, 6))";
inline constexpr int kNamePrefixLength = 6;

// Every value kNamePrefixExpression can have for a stored name that matches
// the normalised name `normalised`, whatever case and umlaut spelling it was
// stored in and whether the engine's lower() knows umlauts.
QStringList namePrefixes(const QString& normalised);

// Customers and general addresses with the postal code `plz` whose first name
// line matches `bez1`: customers first, each master ordered by number. The
// statements narrow the rows by postal code and the name's beginning (an
// index answers both); the names are compared here, the same way on every
// engine. Throws when a statement fails or a value cannot be quoted.
std::vector<DuplicateCandidate> findDuplicates(Connection& connection, const QString& bez1,
                                               const QString& plz);

namespace statements {
// Source (1 customer, 2 general address), number and first name line of the
// rows of both masters with postal code `plz` whose name may match `bez1`,
// in one statement: one round trip for the whole check.
QString dublettenMitPlz(const QString& plz, const QString& bez1);
} // namespace statements

} // namespace belegadressen
