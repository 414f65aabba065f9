// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Setting up a database for BelegAdressen: applying db/schema.sql and opening
// PostgreSQL from a libpq connection string. Header-only so that the sample
// writer and the tests share it without a library of their own.
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>
#include <utility>

namespace belegadressen::dbsetup {

// The statements of a script: whole-line "--" comments dropped, split where a
// line ends with ';'.
inline QStringList statements(const QString& script) {
    QStringList out;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--"))) continue;
        current += raw + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            current = current.trimmed();
            current.chop(1);
            out << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) out << current.trimmed();
    return out;
}

inline QString readScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    return QString::fromUtf8(file.readAll());
}

inline void run(QSqlDatabase& db, const QStringList& sql) {
    QSqlQuery query(db);
    for (const QString& statement : sql) {
        if (!query.exec(statement))
            throw std::runtime_error(query.lastError().text().toStdString() +
                                     "\n in: " + statement.left(200).toStdString());
    }
}

inline bool isIndex(const QString& statement) {
    static const QRegularExpression index(QStringLiteral("^CREATE\\s+(UNIQUE\\s+)?INDEX\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return index.match(statement).hasMatch();
}

// SQLite's LIKE ignores case and uses an index only when the index does too;
// the shared schema cannot say so, as NOCASE is SQLite's alone. These serve
// prefix searches by number, name and place.
inline QStringList sqliteSearchIndexes() {
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_nr_nocase ON Kundenstamm "
                           "(Kundennummer COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_bez1_nocase ON Kundenstamm "
                           "(Bez1 COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_ort_nocase ON Kundenstamm "
                           "(Ort COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_adressenstamm_nr_nocase ON "
                           "Adressenstamm (AdressNummer COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_adressenstamm_bez1_nocase ON "
                           "Adressenstamm (Bez1 COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_adressenstamm_ort_nocase ON "
                           "Adressenstamm (Ort COLLATE NOCASE)")};
}

// The columns that, changed by any program, make the duplicate keys of a
// row stale; the database clears the keys then, the control's code writes
// them again (fillDuplicateKeys). Our own key update changes none of them.
inline QStringList duplicateKeyTriggers(const QSqlDatabase& db) {
    const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
    QStringList out;
    for (const auto& [table, number] :
         {std::pair{"Kundenstamm", "Kundennummer"}, std::pair{"Adressenstamm", "AdressNummer"}}) {
        const QString t = QLatin1String(table), n = QLatin1String(number);
        const QString name = QStringLiteral("tr_%1_dublette").arg(t.toLower());
        if (sqlite) {
            // Replaced, not kept: a trigger of an older database clears fewer keys.
            out << QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(name)
                << QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE OF Vorname, Bez1, "
                                  "Straße, PLZ, Ort ON %2 BEGIN UPDATE %2 SET "
                                  "Namensschluessel = NULL, Anschriftschluessel = NULL, "
                                  "Strassenschluessel = NULL WHERE %3 = NEW.%3; END")
                       .arg(name, t, n);
            continue;
        }
        out << QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger AS $$ BEGIN "
                              "NEW.Namensschluessel := NULL; NEW.Anschriftschluessel := NULL; "
                              "NEW.Strassenschluessel := NULL; RETURN NEW; END $$ LANGUAGE "
                              "plpgsql")
                   .arg(name)
            << QStringLiteral("CREATE OR REPLACE TRIGGER %1 BEFORE UPDATE ON %2 FOR EACH ROW WHEN "
                              "(OLD.Vorname IS DISTINCT FROM NEW.Vorname OR OLD.Bez1 IS DISTINCT "
                              "FROM NEW.Bez1 OR OLD.Straße IS DISTINCT FROM NEW.Straße OR OLD.PLZ "
                              "IS DISTINCT FROM NEW.PLZ OR OLD.Ort IS DISTINCT FROM NEW.Ort) "
                              "EXECUTE FUNCTION %1()")
                   .arg(name, t);
    }
    return out;
}

// Brings a database written before the duplicate keys existed up to date:
// the key columns, their indexes and the triggers. The keys themselves stay
// NULL until fillDuplicateKeys writes them; the lookup compares such rows of
// the same postal code all the same. A database keyed before the street key
// existed gets it from its address keys (the part after the place), in one
// statement per table, and the name index over it in place of the one over
// the address key.
inline void addDuplicateKeys(QSqlDatabase& db) {
    const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
    for (const char* table : {"Kundenstamm", "Adressenstamm"}) {
        const QString t = QLatin1String(table);
        for (const char* column :
             {"Namensschluessel", "Anschriftschluessel", "Strassenschluessel"}) {
            // Asked of the table itself: the drivers' catalogue lookups do
            // not all follow PostgreSQL's search path.
            QSqlQuery probe(db);
            if (probe.exec(
                    QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(QLatin1String(column), t)))
                continue;
            QStringList sql{
                QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT").arg(t, QLatin1String(column))};
            if (QLatin1String(column) == QLatin1String("Strassenschluessel")) {
                // The street key of a keyed row is its address key after the
                // place ("" without a street); a row without keys keeps NULL.
                // With the column in one transaction: never a keyed row
                // without it, which the lookup's first arm would pass over.
                const QString after = sqlite
                                          ? QStringLiteral("substr(Anschriftschluessel, "
                                                           "instr(Anschriftschluessel, '|') + 1)")
                                          : QStringLiteral("substr(Anschriftschluessel, "
                                                           "strpos(Anschriftschluessel, '|') + 1)");
                sql << QStringLiteral("UPDATE %1 SET Strassenschluessel = CASE WHEN "
                                      "Anschriftschluessel = '' THEN '' ELSE %2 END WHERE "
                                      "Anschriftschluessel IS NOT NULL")
                           .arg(t, after);
            }
            if (!db.transaction()) throw std::runtime_error(db.lastError().text().toStdString());
            try {
                run(db, sql);
            } catch (...) {
                db.rollback();
                throw;
            }
            if (!db.commit()) throw std::runtime_error(db.lastError().text().toStdString());
        }
        run(db, {QStringLiteral("DROP INDEX IF EXISTS ix_%1_dublette_name").arg(t.toLower()),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS ix_%1_dublette_name_strasse ON %2 "
                                "(Namensschluessel, PLZ, Strassenschluessel)")
                     .arg(t.toLower(), t),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS ix_%1_dublette_anschrift ON %2 "
                                "(Anschriftschluessel)")
                     .arg(t.toLower(), t)});
    }
    run(db, duplicateKeyTriggers(db));
}

// Creates every table, index and trigger of the script at `path`.
inline void applySchema(QSqlDatabase& db, const QString& path) {
    run(db, statements(readScript(path)));
    run(db, duplicateKeyTriggers(db));
}

// Carries a libpq "key=value ..." string (values may stand in single quotes)
// over to a QPSQL connection; `dbname`, when given, replaces the database.
inline void setConnInfo(QSqlDatabase& db, const QString& connInfo, const QString& dbname = {}) {
    static const QRegularExpression pair(
        QStringLiteral("(\\w+)\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|\\S*)"));
    QStringList options;
    for (auto it = pair.globalMatch(connInfo); it.hasNext();) {
        const auto match = it.next();
        const QString key = match.captured(1);
        QString value = match.captured(2);
        if (value.startsWith(QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2)
                        .replace(QLatin1String("\\\\"), QLatin1String("\\"))
                        .replace(QLatin1String("\\'"), QLatin1String("'"));
        if (key == QLatin1String("host"))
            db.setHostName(value);
        else if (key == QLatin1String("port"))
            db.setPort(value.toInt());
        else if (key == QLatin1String("user"))
            db.setUserName(value);
        else if (key == QLatin1String("password"))
            db.setPassword(value);
        else if (key == QLatin1String("dbname"))
            db.setDatabaseName(value);
        else
            options << match.captured(0);
    }
    if (!dbname.isEmpty()) db.setDatabaseName(dbname);
    db.setConnectOptions(options.join(QLatin1Char(';')));
}

} // namespace belegadressen::dbsetup
