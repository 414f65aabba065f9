// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/DuplicateLookup.h"
#include "contracts/Connection.h"
#include "contracts/Error.h"
#include "contracts/Recordset.h"
#include "platform/ConnectionRecovery.h"
#include "platform/SqlConnection.h"
#include "platform/SqlText.h"
#include "platform/WriteTransaction.h"
#include <QSqlDriver>
#include <algorithm>
#include <exception>
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

// Rows keyed per transaction: few commits (each a disk flush on SQLite) and
// round trips, short enough that another writer waits only a moment.
constexpr int kFillBatch = 2000;

const QString kNull = QStringLiteral("NULL");

QString literal(const QVariant& value) { return value.isNull() ? kNull : quoted(value.toString()); }

// The columns a key is made of; a row whose values differ from those read
// was changed meanwhile and must not get keys made from the old ones.
const char* const kKeyColumns[] = {"Vorname", "Bez1", "Straße", "Ort"};

struct Master {
    const char* table;
    const char* number;
};

// Keys rows read before: one statement that writes only rows still without
// keys and unchanged since they were read, and answers the numbers it keyed.
// Rows read inside the same SQLite write transaction cannot have changed
// (`locked`): the statement then only names them.
QString batchUpdate(const Master& m, const QList<QVariantList>& rows, bool locked) {
    QStringList values;
    values.reserve(rows.size());
    for (const QVariantList& r : rows) {
        QString v = QLatin1Char('(') + quoted(r[0].toString()) + QStringLiteral(", ") +
                    quoted(nameKey(r[1].toString(), r[2].toString())) + QStringLiteral(", ") +
                    quoted(addressKey(r[3].toString(), r[4].toString())) + QStringLiteral(", ") +
                    quoted(streetKey(r[3].toString()));
        if (!locked)
            for (int k = 1; k <= 4; ++k)
                v += QStringLiteral(", ") + literal(r[k]);
        values << v + QLatin1Char(')');
    }
    QString columns = QStringLiteral("nr, nk, ak, sk");
    QString unchanged;
    if (!locked) {
        columns += QStringLiteral(", vo, b1, st, ot");
        unchanged = QStringLiteral(" and (k.Namensschluessel is null or k.Anschriftschluessel is "
                                   "null or k.Strassenschluessel is null)");
        const char* const vColumns[] = {"vo", "b1", "st", "ot"};
        for (int k = 0; k < 4; ++k)
            unchanged += QStringLiteral(" and (k.%1 = v.%2 or (k.%1 is null and v.%2 is null))")
                             .arg(QString::fromUtf8(kKeyColumns[k]), QLatin1String(vColumns[k]));
    }
    return QStringLiteral(
               "with v(%1) as (values %2) update %3 as k set Namensschluessel = v.nk, "
               "Anschriftschluessel = v.ak, Strassenschluessel = v.sk from v where k.%4 = v.nr%5 "
               "returning %4")
        .arg(columns, values.join(QStringLiteral(", ")), QLatin1String(m.table),
             QLatin1String(m.number), unchanged);
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

// The page cache a SQLite fill works with, in KiB: the key indexes take
// their new entries all over, and with the default cache (2 MB) each batch
// reads and writes the same pages again.
constexpr int kFillCacheKiB = 32768;

class KeyFill {
public:
    explicit KeyFill(Connection& connection) : mConnection(connection) {
        if (onSqlite(connection)) widenCache();
    }
    ~KeyFill() {
        if (!mCacheSize) return;
        try {
            mConnection.Execute(QStringLiteral("PRAGMA cache_size = %1").arg(*mCacheSize));
        } catch (const Error&) {
            // The connection keeps the larger cache; nothing else changes.
        }
    }
    KeyFill(const KeyFill&) = delete;
    KeyFill& operator=(const KeyFill&) = delete;

    // The rows without keys are found once through the key indexes; each
    // batch then reads its rows again by number inside its transaction, so
    // that rows another fill keyed meanwhile drop out.
    void fill(const Master& m) {
        const QStringList numbers = unkeyed(m);
        for (qsizetype start = 0; start < numbers.size(); start += kFillBatch)
            keyBatch(m, numbers.mid(start, kFillBatch));
    }

    DuplicateKeyFill counts;

private:
    // The host's own setting comes back when the fill ends.
    void widenCache() {
        const std::shared_ptr<Recordset> rs =
            mConnection.Execute(QStringLiteral("PRAGMA cache_size"));
        if (!rs || rs->Eof()) return;
        bool ok = false;
        const int size = rs->Value(QStringLiteral("cache_size")).toInt(&ok);
        rs->Close();
        // Negative: KiB; positive: pages, of 4 KiB unless the host chose otherwise.
        if (!ok || (size < 0 ? -size : size * 4) >= kFillCacheKiB) return;
        mConnection.Execute(QStringLiteral("PRAGMA cache_size = -%1").arg(kFillCacheKiB));
        mCacheSize = size;
    }

    QStringList unkeyed(const Master& m) {
        const QString number = QLatin1String(m.number);
        const std::shared_ptr<Recordset> rs = mConnection.Execute(
            QStringLiteral("select %1 from %2 where Namensschluessel is null or "
                           "Anschriftschluessel is null or Strassenschluessel is null order by %1")
                .arg(number, QLatin1String(m.table)));
        QStringList numbers;
        if (!rs) return numbers;
        for (; !rs->Eof(); rs->MoveNext())
            numbers << rs->Value(number).toString();
        rs->Close();
        return numbers;
    }

    // One transaction that only one fill at a time holds: another fill
    // waits for it and then finds these rows keyed. Like every write of the
    // control it refuses to run inside a transaction the host has open.
    void keyBatch(const Master& m, const QStringList& numbers) {
        QList<QVariantList> rows;
        try {
            WriteTransaction tx(mConnection);
            if (tx.postgres())
                mConnection.Execute(
                    QStringLiteral("select pg_advisory_xact_lock(hashtext('fillDuplicateKeys'))"));
            rows = read(m, numbers);
            const int keyed =
                rows.isEmpty() ? 0
                               : rowsOf(mConnection.Execute(batchUpdate(m, rows, !tx.postgres())));
            tx.commit();
            counts.keyed += keyed;
            return;
        } catch (const ConnectionTrouble&) {
            throw;
        } catch (const Error&) {
            if (rows.isEmpty()) throw;
        }
        // A row the database refuses to key spoils the whole statement. A
        // statement that no row passes is no fault of a row and ends the fill.
        std::exception_ptr error;
        if (keyApart(m, rows, error) == rows.size() && rows.size() > 1)
            std::rethrow_exception(error);
    }

    // Keys the rows of a refused batch in halves, and those halves in
    // halves, until the refused rows stand alone: they are skipped. Each
    // statement checks that its rows are unchanged, as no transaction holds
    // them. A lost or locked database ends the fill. Answers the rows refused.
    qsizetype keyApart(const Master& m, const QList<QVariantList>& rows,
                       std::exception_ptr& error) {
        const qsizetype half = rows.size() / 2;
        const QList<QList<QVariantList>> parts =
            rows.size() == 1 ? QList<QList<QVariantList>>{rows}
                             : QList<QList<QVariantList>>{rows.mid(0, half), rows.mid(half)};
        qsizetype refused = 0;
        for (const QList<QVariantList>& part : parts) {
            try {
                counts.keyed += rowsOf(mConnection.Execute(batchUpdate(m, part, false)));
            } catch (const ConnectionTrouble&) {
                throw;
            } catch (const Error&) {
                error = std::current_exception();
                if (part.size() > 1) {
                    refused += keyApart(m, part, error);
                } else {
                    ++counts.skipped;
                    ++refused;
                }
            }
        }
        return refused;
    }

    QList<QVariantList> read(const Master& m, const QStringList& numbers) {
        const QString number = QLatin1String(m.number);
        QStringList in;
        in.reserve(numbers.size());
        for (const QString& n : numbers)
            in << quoted(n);
        const std::shared_ptr<Recordset> rs = mConnection.Execute(
            QStringLiteral("select %1, Vorname, Bez1, Straße, Ort from %2 where %1 in (%3) and "
                           "(Namensschluessel is null or Anschriftschluessel is null or "
                           "Strassenschluessel is null)")
                .arg(number, QLatin1String(m.table), in.join(QStringLiteral(", "))));
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

    Connection& mConnection;
    std::optional<int> mCacheSize; // the host's, while the fill widened it
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
