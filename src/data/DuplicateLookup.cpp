#include "data/DuplicateLookup.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include "platform/SqlText.h"
#include <algorithm>

namespace belegadressen {

namespace statements {

namespace {

// The code as typed, in capitals and in small letters: an equality per
// spelling keeps the lookup on the index.
QString plzIn(const QString& plz) {
    QStringList values;
    for (const QString& s : {plz, plz.toUpper(), plz.toLower()})
        if (!values.contains(quoted(s))) values << quoted(s);
    return QStringLiteral("PLZ in (") + values.join(QStringLiteral(", ")) + QLatin1Char(')');
}

// Each arm is answered by one index: (Namensschluessel, PLZ,
// Strassenschluessel) for the first two, (Anschriftschluessel) for the
// third. With a street typed, a row of the same name at another street can
// never match (it is a branch), so the first arm keeps only rows without a
// street or with the same street and number, whatever their place is called
// under that postal code; all three are key columns, so the engine reads no
// other row of the name's sound.
QString candidates(const char* source, const char* numberColumn, const char* table,
                   const PartyAddress& typed) {
    const QString plz = plzIn(typed.plz.trimmed());
    QStringList keys;
    for (const QString& k : nameKeysOf(typed.vorname, typed.bez1))
        keys << quoted(k);
    const QString address = addressKey(typed.strasse, typed.ort);
    QString sameName =
        QStringLiteral("Namensschluessel in (%1) and %2").arg(keys.join(QStringLiteral(", ")), plz);
    if (!address.isEmpty())
        sameName += QStringLiteral(" and Strassenschluessel in ('', %1)")
                        .arg(quoted(streetKey(typed.strasse)));
    QString sql =
        QStringLiteral(
            "select '%1' as Quelle, %2 as Nummer, Vorname, Bez1, Straße, PLZ, "
            "Ort, Anschriftschluessel from %3 where (%4) or (Namensschluessel is null and %5)")
            .arg(QLatin1String(source), QLatin1String(numberColumn), QLatin1String(table), sameName,
                 plz);
    if (!address.isEmpty()) sql += QStringLiteral(" or Anschriftschluessel = ") + quoted(address);
    return sql;
}

} // namespace

QString kundenDubletten(const PartyAddress& typed) {
    return candidates("K", "Kundennummer", "Kundenstamm", typed);
}

QString adressenDubletten(const PartyAddress& typed) {
    return candidates("A", "AdressNummer", "Adressenstamm", typed);
}

QString dubletten(const PartyAddress& typed) {
    return kundenDubletten(typed) + QStringLiteral(" union all ") + adressenDubletten(typed);
}

QString schluesselSetzen(DuplicateSource source, const QString& nummer,
                         const PartyAddress& address) {
    const bool kunde = source == DuplicateSource::Kunde;
    return QStringLiteral("update %1 set Namensschluessel = %2, Anschriftschluessel = %3, "
                          "Strassenschluessel = %4 where %5 = %6")
        .arg(kunde ? QLatin1String("Kundenstamm") : QLatin1String("Adressenstamm"),
             quoted(nameKey(address.vorname, address.bez1)),
             quoted(addressKey(address.strasse, address.ort)), quoted(streetKey(address.strasse)),
             kunde ? QLatin1String("Kundennummer") : QLatin1String("AdressNummer"), quoted(nummer));
}

} // namespace statements

namespace {

QString text(const Recordset& rs, const char* column) {
    return rs.Value(QString::fromUtf8(column)).toString();
}

PartyAddress partyOf(const Recordset& rs) {
    return {text(rs, "Vorname"), text(rs, "Bez1"), text(rs, "Straße"), text(rs, "PLZ"),
            text(rs, "Ort")};
}

} // namespace

std::vector<DuplicateCandidate> findDuplicates(Connection& connection, const PartyAddress& typed) {
    std::vector<DuplicateCandidate> found;
    if (nameWords(typed.vorname, typed.bez1).isEmpty() || typed.plz.trimmed().isEmpty())
        return found;
    const PartyForm form(typed);
    // One round trip for both masters: on a server each statement costs a
    // wait of its own.
    const std::shared_ptr<Recordset> rs = connection.Execute(statements::dubletten(typed));
    if (!rs) return found;
    for (; !rs->Eof(); rs->MoveNext()) {
        const PartyAddress stored = partyOf(*rs);
        const DuplicateVerdict v =
            compareParties(form, PartyForm(stored, text(*rs, "Anschriftschluessel")));
        if (!v.duplicate) continue;
        const DuplicateSource source = text(*rs, "Quelle") == QLatin1String("K")
                                           ? DuplicateSource::Kunde
                                           : DuplicateSource::Adresse;
        found.push_back({source, text(*rs, "Nummer"), stored, v.score, v.reason});
    }
    rs->Close();
    // Surest first; among equals customers before general addresses, then by number.
    std::stable_sort(found.begin(), found.end(),
                     [](const DuplicateCandidate& a, const DuplicateCandidate& b) {
                         if (a.score != b.score) return a.score > b.score;
                         if (a.source != b.source) return a.source == DuplicateSource::Kunde;
                         return a.nummer < b.nummer;
                     });
    return found;
}

namespace {

int fillKeys(Connection& connection, DuplicateSource source) {
    const char* numberColumn = source == DuplicateSource::Kunde ? "Kundennummer" : "AdressNummer";
    std::vector<WrittenRow> rows;
    const std::shared_ptr<Recordset> rs = connection.Execute(
        QStringLiteral("select %1, Vorname, Bez1, Straße, Ort from %2 where Namensschluessel is "
                       "null or Anschriftschluessel is null or Strassenschluessel is null")
            .arg(QLatin1String(numberColumn), source == DuplicateSource::Kunde
                                                  ? QLatin1String("Kundenstamm")
                                                  : QLatin1String("Adressenstamm")));
    if (!rs) return 0;
    for (; !rs->Eof(); rs->MoveNext())
        rows.push_back({source,
                        text(*rs, numberColumn),
                        {text(*rs, "Vorname"), text(*rs, "Bez1"), text(*rs, "Straße"), QString(),
                         text(*rs, "Ort")}});
    rs->Close();
    for (const WrittenRow& r : rows)
        keyWrittenRow(connection, r);
    return static_cast<int>(rows.size());
}

} // namespace

void keyWrittenRow(Connection& connection, const WrittenRow& row) {
    connection.Execute(statements::schluesselSetzen(row.source, row.nummer, row.address));
}

int fillDuplicateKeys(Connection& connection) {
    return fillKeys(connection, DuplicateSource::Kunde) +
           fillKeys(connection, DuplicateSource::Adresse);
}

} // namespace belegadressen
