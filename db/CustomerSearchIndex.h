// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The index behind the customer search by any part of the name, street or
// place. SQLite: an FTS5 table with the trigram tokenizer over the customer
// table's own rows (external content), kept in step by triggers. PostgreSQL:
// a GIN trigram index (pg_trgm) over the three columns joined.
// Header-only, like DatabaseSetup.h, so that the sample writer, the host and
// the benchmarks share it.
#include "DatabaseSetup.h"
#include <QSqlDriver>

namespace belegadressen::dbsetup {

// The FTS5 table of the SQLite index.
inline QString sqliteCustomerSearchTable() { return QStringLiteral("Kundensuche"); }
// The name of the PostgreSQL index.
inline QString postgresCustomerSearchIndex() { return QStringLiteral("ix_kundenstamm_suche"); }

// The searched text of a customer on PostgreSQL; the index is built on
// exactly this expression, so a query must repeat it to the letter.
inline QString postgresCustomerSearchText() {
    return QStringLiteral("(coalesce(Bez1, '') || ' ' || coalesce(Straße, '') || ' ' || "
                          "coalesce(Ort, ''))");
}

inline bool isSqlite(const QSqlDatabase& db) {
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::SQLite;
}

// Whether the SQLite library behind the connection offers FTS5 with the
// trigram tokenizer (SQLite 3.34 and later, built with FTS5).
inline bool sqliteHasTrigram(const QSqlDatabase& db) {
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral(
            "CREATE VIRTUAL TABLE temp.ba_trigram_probe USING fts5(x, tokenize = 'trigram')")))
        return false;
    probe.exec(QStringLiteral("DROP TABLE temp.ba_trigram_probe"));
    return true;
}

// Whether the customer search index exists in the database.
inline bool hasCustomerSearchIndex(const QSqlDatabase& db) {
    QSqlQuery q(db);
    const bool found =
        isSqlite(db)
            ? q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                    "name = 'Kundensuche'"))
            : q.exec(QStringLiteral("SELECT 1 FROM pg_indexes WHERE schemaname = "
                                    "current_schema() AND indexname = 'ix_kundenstamm_suche'"));
    return found && q.next();
}

// The schema that holds pg_trgm's operator classes. A database without the
// extension gets it in public, which outlives every other schema an index
// could come to depend on; throws with the server's reason.
inline QString postgresTrigramSchema(QSqlDatabase& db) {
    QSqlQuery q(db);
    const QString where = QStringLiteral(
        "SELECT extnamespace::regnamespace::text FROM pg_extension WHERE extname = 'pg_trgm'");
    if (q.exec(where) && q.next()) return q.value(0).toString();
    if (!q.exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_trgm SCHEMA public")))
        throw std::runtime_error(
            "Die Erweiterung pg_trgm lässt sich nicht anlegen (Teilwortsuche): " +
            q.lastError().text().toStdString());
    if (q.exec(where) && q.next()) return q.value(0).toString();
    throw std::runtime_error("pg_trgm ist nach dem Anlegen nicht zu finden.");
}

// Creates the index over the rows already there (once, after a bulk load)
// and, on SQLite, the triggers that keep it in step with every later insert,
// update and delete. Throws std::runtime_error with a German reason when the
// engine cannot offer it.
inline void createCustomerSearchIndex(QSqlDatabase& db) {
    if (!isSqlite(db)) {
        const QString schema = postgresTrigramSchema(db);
        // A part made of frequent trigrams ("Hauptstra") costs the GIN index
        // the whole posting list of each, tens of milliseconds on a million
        // customers, where a plain scan stops at the limit within a few
        // thousand rows. The planner can tell the two apart only from the
        // expression's histogram: at the default size it sees no sample of
        // a part found in a few percent of the rows and guesses one percent
        // for every part. Ten times the samples let it estimate those, so a
        // frequent part is scanned and a rare one looked up in the index.
        run(db, {QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_suche ON Kundenstamm "
                                "USING gin (%1 %2.gin_trgm_ops)")
                     .arg(postgresCustomerSearchText(), schema),
                 QStringLiteral("ALTER INDEX ix_kundenstamm_suche ALTER COLUMN 1 SET STATISTICS "
                                "1000")});
        return;
    }
    if (!sqliteHasTrigram(db))
        throw std::runtime_error(
            "Die SQLite-Bibliothek kennt FTS5 mit Trigrammen nicht (ab SQLite 3.34); "
            "die Kundensuche findet nur Anfänge.");
    // External content: the FTS table keeps only its index and reads the
    // texts from Kundenstamm by rowid. Kundenstamm has no INTEGER PRIMARY
    // KEY, so a VACUUM may renumber its rows: run 'rebuild' after one.
    run(db,
        {QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS Kundensuche USING fts5(Bez1, Straße, "
                        "Ort, content = 'Kundenstamm', content_rowid = 'rowid', "
                        "tokenize = 'trigram')"),
         QStringLiteral("INSERT INTO Kundensuche (Kundensuche) VALUES ('rebuild')"),
         QStringLiteral("CREATE TRIGGER IF NOT EXISTS Kundensuche_neu AFTER INSERT ON Kundenstamm "
                        "BEGIN INSERT INTO Kundensuche (rowid, Bez1, Straße, Ort) VALUES "
                        "(new.rowid, new.Bez1, new.Straße, new.Ort); END"),
         QStringLiteral("CREATE TRIGGER IF NOT EXISTS Kundensuche_weg AFTER DELETE ON Kundenstamm "
                        "BEGIN INSERT INTO Kundensuche (Kundensuche, rowid, Bez1, Straße, Ort) "
                        "VALUES ('delete', old.rowid, old.Bez1, old.Straße, old.Ort); END"),
         QStringLiteral("CREATE TRIGGER IF NOT EXISTS Kundensuche_neu_gefasst AFTER UPDATE OF "
                        "Bez1, Straße, Ort ON Kundenstamm BEGIN INSERT INTO Kundensuche "
                        "(Kundensuche, rowid, Bez1, Straße, Ort) VALUES ('delete', old.rowid, "
                        "old.Bez1, old.Straße, old.Ort); INSERT INTO Kundensuche (rowid, Bez1, "
                        "Straße, Ort) VALUES (new.rowid, new.Bez1, new.Straße, new.Ort); END")});
}

} // namespace belegadressen::dbsetup
