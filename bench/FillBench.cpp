// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// fillDuplicateKeys on a master of 100,000 customers without keys
// (BA_BENCH_FILL_SIZE to change it), on each engine of BA_BENCH_ENGINES; the
// PostgreSQL run needs BA_PG_CONNINFO and works in a schema of its own that
// it drops again. Each iteration clears the keys first (not timed) and then
// keys every row.
#include "../db/DatabaseSetup.h"
#include "contracts/Error.h"
#include "data/DuplicateKeys.h"
#include "platform/SqlConnection.h"
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace ba = belegadressen;
namespace setup = belegadressen::dbsetup;

namespace {

int size() {
    const int n = qEnvironmentVariableIntValue("BA_BENCH_FILL_SIZE");
    return n > 0 ? n : 100000;
}

struct FillDatabase {
    QTemporaryDir dir;
    QString name;
    QString schema; // PostgreSQL
    std::shared_ptr<ba::SqlConnection> connection;

    explicit FillDatabase(bool postgres)
        : name(postgres ? QStringLiteral("fill_pg") : QStringLiteral("fill_sqlite")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        if (postgres) {
            setup::setConnInfo(db, qEnvironmentVariable("BA_PG_CONNINFO"));
            schema = QStringLiteral("ba_fill_bench_%1").arg(QCoreApplication::applicationPid());
        } else {
            db.setDatabaseName(dir.filePath(QStringLiteral("fill.db")));
        }
        if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
        if (postgres)
            setup::run(db, {QStringLiteral("SET client_min_messages = warning"),
                            QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema),
                            QStringLiteral("CREATE SCHEMA %1").arg(schema),
                            QStringLiteral("SET search_path TO %1").arg(schema)});
        setup::applySchema(db, QStringLiteral(BA_BENCH_SCHEMA));
        const QString n = QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
        setup::run(db, {n.arg(size()) +
                        QStringLiteral(
                            "INSERT INTO Kundenstamm (Kundennummer, Vorname, Bez1, Straße, PLZ, "
                            "Ort) SELECT 'K' || (1000000 + i), CASE WHEN i % 3 = 0 THEN NULL "
                            "ELSE 'Anna' END, 'Müller Haustechnik ' || i, 'Hauptstraße ' || (i "
                            "% 300), '24103', CASE WHEN i % 2 = 0 THEN 'Kiel' ELSE 'Lübeck' END "
                            "FROM n")});
        if (postgres) setup::run(db, {QStringLiteral("ANALYZE Kundenstamm")});
        connection = std::make_shared<ba::SqlConnection>(db);
    }
    ~FillDatabase() {
        connection.reset();
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (!schema.isEmpty()) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
};

void BM_Fill(benchmark::State& state, bool postgres) {
    std::unique_ptr<FillDatabase> fixture;
    try {
        fixture = std::make_unique<FillDatabase>(postgres);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(fixture->name, false);
    ba::DuplicateKeyFill fill;
    for (auto _ : state) {
        state.PauseTiming();
        setup::run(db, {QStringLiteral("UPDATE Kundenstamm SET Namensschluessel = NULL, "
                                       "Anschriftschluessel = NULL")});
        state.ResumeTiming();
        try {
            fill = ba::fillDuplicateKeys(*fixture->connection);
        } catch (const ba::Error& e) {
            state.SkipWithError(e.text().toStdString().c_str());
            return;
        }
    }
    state.counters["rows"] = fill.keyed;
    state.counters["skipped"] = fill.skipped;
    state.counters["rows_per_s"] =
        benchmark::Counter(fill.keyed, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString engines =
        qEnvironmentVariable("BA_BENCH_ENGINES", QStringLiteral("sqlite,postgres"));
    for (const bool pg : {false, true}) {
        if (!engines.contains(pg ? QLatin1String("postgres") : QLatin1String("sqlite"))) continue;
        if (pg && qEnvironmentVariableIsEmpty("BA_PG_CONNINFO")) continue;
        benchmark::RegisterBenchmark(
            (std::string("FillDuplicateKeys/") + (pg ? "PostgreSQL" : "SQLite")).c_str(), BM_Fill,
            pg)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
