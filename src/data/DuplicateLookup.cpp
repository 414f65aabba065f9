#include "data/DuplicateLookup.h"
#include "contracts/Connection.h"
#include "contracts/Error.h"
#include "contracts/Recordset.h"
#include "platform/ConnectionRecovery.h"
#include "platform/SqlConnection.h"
#include "platform/SqlText.h"
#include <QSqlDriver>
#include <algorithm>
#include <optional>

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
// Anschriftschluessel) for the first two, (Anschriftschluessel) for the
// third. With a street typed, a row of the same name at another street can
// never match (it is a branch), so the first arm keeps only rows without a
// street or with the same street and number; the index holds both columns,
// so the engine drops the others before reading the row.
QString candidates(const char* source, const char* numberColumn, const char* table,
                   const PartyAddress& typed) {
    const QString plz = plzIn(typed.plz.trimmed());
    QStringList keys;
    for (const QString& k : nameKeysOf(typed.vorname, typed.bez1))
        keys << quoted(k);
    const QString address = addressKey(typed.strasse, typed.ort);
    QString sameName =
        QStringLiteral("Namensschluessel in (%1) and %2").arg(keys.join(QStringLiteral(", ")), plz);
    if (!address.isEmpty()) {
        // The street part of the key holds letters, digits, blanks and "-"
        // only: no character that LIKE would read as a pattern.
        const QString street = address.mid(address.indexOf(QLatin1Char('|')));
        sameName += QStringLiteral(" and (Anschriftschluessel = '' or Anschriftschluessel like ") +
                    quoted(QLatin1Char('%') + street) + QLatin1Char(')');
    }
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
    return QStringLiteral("update %1 set Namensschluessel = %2, Anschriftschluessel = %3 where "
                          "%4 = %5")
        .arg(kunde ? QLatin1String("Kundenstamm") : QLatin1String("Adressenstamm"),
             quoted(nameKey(address.vorname, address.bez1)),
             quoted(addressKey(address.strasse, address.ort)),
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

// Rows keyed per transaction: few commits (each a disk flush on SQLite) and
// round trips, short enough that another writer waits only a moment.
constexpr int kFillBatch = 500;

const QString kNull = QStringLiteral("NULL");

QString literal(const QVariant& value) { return value.isNull() ? kNull : quoted(value.toString()); }

// The columns a key is made of; a row whose values differ from those read
// was changed meanwhile and must not get keys made from the old ones.
const char* const kKeyColumns[] = {"Vorname", "Bez1", "Straße", "Ort"};

struct Master {
    const char* table;
    const char* number;
};

// Keys one batch of rows read inside the fill's transaction: one statement
// that writes only rows still without keys and unchanged since they were
// read, and answers the numbers it keyed.
QString batchUpdate(const Master& m, const QList<QVariantList>& rows) {
    QStringList values;
    values.reserve(rows.size());
    for (const QVariantList& r : rows) {
        const PartyAddress a{r[1].toString(), r[2].toString(), r[3].toString(), QString(),
                             r[4].toString()};
        values << QLatin1Char('(') + quoted(r[0].toString()) + QStringLiteral(", ") +
                      quoted(nameKey(a.vorname, a.bez1)) + QStringLiteral(", ") +
                      quoted(addressKey(a.strasse, a.ort)) + QStringLiteral(", ") + literal(r[1]) +
                      QStringLiteral(", ") + literal(r[2]) + QStringLiteral(", ") + literal(r[3]) +
                      QStringLiteral(", ") + literal(r[4]) + QLatin1Char(')');
    }
    QString unchanged;
    const char* const vColumns[] = {"vo", "b1", "st", "ot"};
    for (int k = 0; k < 4; ++k)
        unchanged += QStringLiteral(" and (k.%1 = v.%2 or (k.%1 is null and v.%2 is null))")
                         .arg(QString::fromUtf8(kKeyColumns[k]), QLatin1String(vColumns[k]));
    return QStringLiteral("with v(nr, nk, ak, vo, b1, st, ot) as (values %1) update %2 as k set "
                          "Namensschluessel = v.nk, Anschriftschluessel = v.ak from v where "
                          "k.%3 = v.nr and (k.Namensschluessel is null or k.Anschriftschluessel "
                          "is null)%4 returning %3")
        .arg(values.join(QStringLiteral(", ")), QLatin1String(m.table), QLatin1String(m.number),
             unchanged);
}

int rowsOf(const std::shared_ptr<Recordset>& rs) {
    int n = 0;
    if (!rs) return 0;
    for (; !rs->Eof(); rs->MoveNext())
        ++n;
    rs->Close();
    return n;
}

bool onSqlite(Connection& connection) {
    if (const auto* sql = dynamic_cast<const SqlConnection*>(&connection))
        return sql->database().driver()->dbmsType() == QSqlDriver::SQLite;
    try {
        connection.Execute(QStringLiteral("select sqlite_version()"));
        return true;
    } catch (const Error&) {
        return false;
    }
}

class KeyFill {
public:
    explicit KeyFill(Connection& connection)
        : mConnection(connection), mSqlite(onSqlite(connection)) {}

    void fill(const Master& m) {
        std::optional<QString> last;
        for (;;) {
            const QList<QVariantList> rows = keyBatch(m, last);
            if (rows.isEmpty()) return;
            last = rows.last().first().toString();
        }
    }

    DuplicateKeyFill counts;

private:
    // One transaction that only one fill at a time holds: another fill
    // waits for it and then sees these rows keyed. Answers the rows read.
    QList<QVariantList> keyBatch(const Master& m, const std::optional<QString>& after) {
        if (mSqlite) {
            mConnection.Execute(QStringLiteral("BEGIN IMMEDIATE"));
        } else {
            mConnection.Execute(QStringLiteral("BEGIN"));
        }
        QList<QVariantList> rows;
        try {
            if (!mSqlite)
                mConnection.Execute(
                    QStringLiteral("select pg_advisory_xact_lock(hashtext('fillDuplicateKeys'))"));
            rows = read(m, after);
            const int keyed =
                rows.isEmpty() ? 0 : rowsOf(mConnection.Execute(batchUpdate(m, rows)));
            mConnection.Execute(QStringLiteral("COMMIT"));
            counts.keyed += keyed;
            return rows;
        } catch (const ConnectionTrouble&) {
            rollback();
            throw;
        } catch (const Error&) {
            rollback();
            if (rows.isEmpty()) throw;
        }
        // A row the database refuses to key spoils the whole statement: each
        // row alone then, and the refused ones are skipped. A lost or locked
        // database is no fault of a row, nor is a statement no row passes:
        // either ends the fill.
        int refused = 0;
        for (const QVariantList& row : rows) {
            try {
                counts.keyed += rowsOf(mConnection.Execute(batchUpdate(m, {row})));
            } catch (const ConnectionTrouble&) {
                throw;
            } catch (const Error&) {
                if (++refused == rows.size() && rows.size() > 1) throw;
            }
        }
        counts.skipped += refused;
        return rows;
    }

    QList<QVariantList> read(const Master& m, const std::optional<QString>& after) {
        const QString number = QLatin1String(m.number);
        QString sql = QStringLiteral("select %1, Vorname, Bez1, Straße, Ort from %2 where "
                                     "(Namensschluessel is null or Anschriftschluessel is null)")
                          .arg(number, QLatin1String(m.table));
        if (after) sql += QStringLiteral(" and %1 > %2").arg(number, quoted(*after));
        sql += QStringLiteral(" order by %1 limit %2").arg(number).arg(kFillBatch);
        const std::shared_ptr<Recordset> rs = mConnection.Execute(sql);
        QList<QVariantList> rows;
        if (!rs) return rows;
        for (; !rs->Eof(); rs->MoveNext()) {
            QVariantList r{rs->Value(number)};
            for (const char* column : kKeyColumns)
                r << rs->Value(QString::fromUtf8(column));
            rows << r;
        }
        rs->Close();
        return rows;
    }

    void rollback() {
        try {
            mConnection.Execute(QStringLiteral("ROLLBACK"));
        } catch (const Error&) {
            // The transaction is gone with the failure already.
        }
    }

    Connection& mConnection;
    bool mSqlite;
};

} // namespace

void keyWrittenRow(Connection& connection, const WrittenRow& row) {
    connection.Execute(statements::schluesselSetzen(row.source, row.nummer, row.address));
}

DuplicateKeyFill fillDuplicateKeys(Connection& connection) {
    KeyFill fill(connection);
    fill.fill({"Kundenstamm", "Kundennummer"});
    fill.fill({"Adressenstamm", "AdressNummer"});
    return fill.counts;
}

} // namespace belegadressen
