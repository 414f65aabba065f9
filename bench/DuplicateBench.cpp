// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The duplicate check of a new address against the customer load, on the
// sample database of 1,000,000 customers (BA_BENCH_DUP_SIZE to change it),
// on each engine of BA_BENCH_ENGINES. Duplicate/<engine>/check_vs_load runs
// a load and a check in turn and reports their ratio (`check/load`) taken
// under the same machine load: the check should not cost more than a load.
// The checks type a customer of the most crowded postal code again: its name
// in other spelling with its street (`lookup`), a name and street nobody has
// (`lookup_new`), its street under another postal code of its town
// (`lookup_moved`), and its name without a street (`lookup_no_street`: every
// row of that sound under the postal code is a candidate; the sample repeats
// names far more than a real customer base, 60 postal codes for 1,000,000
// customers).
#include "BenchHost.h"
#include "SampleDatabases.h"
#include "control/BelegAdressen.h"
#include "data/DuplicateLookup.h"
#include "platform/SqlConnection.h"
#include <QApplication>
#include <QDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>
#include <stdexcept>

namespace ba = belegadressen;

namespace {

struct Customer {
    QString nummer;
    ba::PartyAddress address;
};

struct DupFixture {
    QSqlDatabase db;
    std::shared_ptr<ba::SqlConnection> connection;
    std::shared_ptr<QuietMessages> silent;
    std::unique_ptr<ba::BelegAdressen> control;
    Customer customers[2];
    qsizetype rowsOfCode = 0; // customers sharing the first one's postal code
    QString otherCode;        // another postal code of the same place
};

int size() {
    const int n = qEnvironmentVariableIntValue("BA_BENCH_DUP_SIZE");
    return n > 0 ? n : 1000000;
}

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString one(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql) || !q.next()) fail(q.lastError().text() + QStringLiteral(" in ") + sql);
    return q.value(0).toString();
}

// An engine and a sample: the crowded one (60 postal codes) or the one
// spread over the directory's codes.
struct Which {
    bool postgres;
    bool spread;
    bool operator<(const Which& o) const {
        return std::pair(postgres, spread) < std::pair(o.postgres, o.spread);
    }
};

// Kept to the end of the process: main() owns the application object, and
// widgets must not outlive it in a static destructor.
std::map<Which, DupFixture*>& fixtures() {
    static auto* f = new std::map<Which, DupFixture*>;
    return *f;
}

DupFixture& fixture(Which which) {
    if (DupFixture* f = fixtures()[which]) return *f;
    auto made = std::make_unique<DupFixture>();
    made->db =
        openSample(which.postgres, size(),
                   QStringLiteral("dup-bench-%1-%2")
                       .arg(which.postgres ? QStringLiteral("pg") : QStringLiteral("lite"))
                       .arg(which.spread ? QStringLiteral("spread") : QStringLiteral("crowded")),
                   nullptr, which.spread);
    QSqlQuery q(made->db);
    // Two customers of the home country with a street, without a remark, in
    // the most crowded postal code of the sample: the lookup's worst case.
    const QString plz =
        one(q, QStringLiteral("SELECT PLZ FROM Kundenstamm WHERE Land = 'D' GROUP BY PLZ ORDER BY "
                              "COUNT(*) DESC, PLZ LIMIT 1"));
    if (!q.exec(QStringLiteral("SELECT Kundennummer, Vorname, Bez1, Straße, PLZ, Ort FROM "
                               "Kundenstamm WHERE Land = "
                               "'D' AND COALESCE(InterneBemerkung, '') = '' AND Bez1 IS NOT NULL "
                               "AND Straße IS NOT "
                               "NULL AND PLZ = '%1' ORDER BY Kundennummer LIMIT 2")
                    .arg(plz)))
        fail(q.lastError().text());
    for (Customer& c : made->customers) {
        if (!q.next()) fail(QStringLiteral("no two customers in the sample"));
        c = {q.value(0).toString(),
             {q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
              q.value(4).toString(), q.value(5).toString()}};
    }
    made->rowsOfCode =
        one(q, QStringLiteral("SELECT COUNT(*) FROM Kundenstamm WHERE PLZ = '%1'").arg(plz))
            .toLongLong();
    made->otherCode =
        one(q, QStringLiteral("SELECT COALESCE(MIN(PLZ), '00000') FROM Kundenstamm "
                              "WHERE Ort = '%1' AND PLZ <> '%2'")
                   .arg(QString(made->customers[0].address.ort).replace("'", "''"), plz));
    made->connection = std::make_shared<ba::SqlConnection>(made->db);
    made->silent = std::make_shared<QuietMessages>();
    ba::Services services;
    services.messages = made->silent;
    services.dialogs = std::make_shared<NoDialogs>();
    made->control = std::make_unique<ba::BelegAdressen>(services);
    made->control->resize(900, 600);
    made->control->show();
    made->control->setAppObj(std::make_shared<BenchHost>(made->connection));
    made->control->AddLandeswaehrung(QStringLiteral("EUR"));
    made->control->AddBelegart(50);
    made->control->setAnzAdresse(3);
    made->control->setAktAdresse(1);
    QCoreApplication::processEvents();
    DupFixture* f = made.release();
    fixtures()[which] = f;
    return *f;
}

DupFixture* fixtureOrSkip(benchmark::State& state, Which which) {
    try {
        return &fixture(which);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

// The customer as a clerk types it again: capitals, umlauts spelled out,
// the street abbreviated.
ba::PartyAddress retyped(const Customer& c) {
    ba::PartyAddress a = c.address;
    a.bez1 = a.bez1.toUpper()
                 .replace(QString::fromUtf8("Ü"), QStringLiteral("UE"))
                 .replace(QString::fromUtf8("Ä"), QStringLiteral("AE"))
                 .replace(QString::fromUtf8("Ö"), QStringLiteral("OE"));
    a.strasse.replace(QString::fromUtf8("straße"), QStringLiteral("str."));
    return a;
}

void BM_Load(benchmark::State& state, Which which) {
    DupFixture* f = fixtureOrSkip(state, which);
    if (!f) return;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f->control->fktDragNummer(f->customers[i++ & 1].nummer));
        if (i % 64 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    if (f->silent->count != 0) state.SkipWithError("the load reported a message");
}

void lookup(benchmark::State& state, Which which, int kind) {
    DupFixture* f = fixtureOrSkip(state, which);
    if (!f) return;
    std::size_t found = 0;
    int i = 0;
    for (auto _ : state) {
        ba::PartyAddress typed = retyped(f->customers[i++ & 1]);
        if (kind == 1)
            typed = {{}, "Neubau Quaxenberger GmbH", "Quaxenweg 999", typed.plz, typed.ort};
        if (kind == 2) typed.plz = f->otherCode;
        if (kind == 3) typed.strasse.clear();
        found = ba::findDuplicates(*f->connection, typed).size();
        benchmark::DoNotOptimize(found);
    }
    if ((kind == 1) != (found == 0)) state.SkipWithError("unexpected number of matches");
    state.counters["rows of the code"] = double(f->rowsOfCode);
    state.counters["matches"] = double(found);
}

// The check's statement alone through QtSql, every column of every row read:
// what the check costs without the comparison and the connection's buffering.
void BM_LookupRaw(benchmark::State& state, Which which) {
    DupFixture* f = fixtureOrSkip(state, which);
    if (!f) return;
    int i = 0, rows = 0;
    for (auto _ : state) {
        QSqlQuery q(f->db);
        q.setForwardOnly(true);
        if (!q.exec(ba::statements::dubletten(retyped(f->customers[i++ & 1])))) {
            state.SkipWithError(qPrintable(q.lastError().text()));
            return;
        }
        rows = 0;
        while (q.next()) {
            for (int c = 0; c < 8; ++c)
                benchmark::DoNotOptimize(q.value(c).toString());
            ++rows;
        }
    }
    state.counters["rows"] = rows;
}

// A load and a check in turn, so that both meet the same machine load.
void BM_CheckVsLoad(benchmark::State& state, Which which) {
    DupFixture* f = fixtureOrSkip(state, which);
    if (!f) return;
    using Clock = std::chrono::steady_clock;
    double load = 0, check = 0;
    int i = 0;
    for (auto _ : state) {
        const Customer& c = f->customers[i++ & 1];
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(f->control->fktDragNummer(c.nummer));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(ba::findDuplicates(*f->connection, retyped(c)).size());
        const auto t2 = Clock::now();
        load += std::chrono::duration<double, std::micro>(t1 - t0).count();
        check += std::chrono::duration<double, std::micro>(t2 - t1).count();
        if (i % 64 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    if (i == 0) return;
    state.counters["load_us"] = load / i;
    state.counters["check_us"] = check / i;
    state.counters["check/load"] = load > 0 ? check / load : 0;
}

// Registered for the engines of BA_BENCH_ENGINES before main() runs.
const bool kRegistered = [] {
    const QString configured =
        qEnvironmentVariable("BA_BENCH_ENGINES", QStringLiteral("sqlite,postgres"));
    for (const bool pg : {false, true}) {
        if (!configured.contains(pg ? QLatin1String("postgres") : QLatin1String("sqlite")))
            continue;
        // The crowded sample under the names of before, the spread one under "spread/".
        for (const bool spread : {false, true}) {
            const std::string e =
                std::string(pg ? "PostgreSQL" : "SQLite") + (spread ? "/spread" : "");
            const Which w{pg, spread};
            benchmark::RegisterBenchmark(("Duplicate/" + e + "/check_vs_load").c_str(),
                                         BM_CheckVsLoad, w)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("Duplicate/" + e + "/load").c_str(), BM_Load, w)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("Duplicate/" + e + "/lookup_raw").c_str(), BM_LookupRaw,
                                         w)
                ->Unit(benchmark::kMicrosecond);
            for (const auto& [name, kind] :
                 {std::pair{"lookup", 0}, std::pair{"lookup_new", 1}, std::pair{"lookup_moved", 2},
                  std::pair{"lookup_no_street", 3}})
                benchmark::RegisterBenchmark(("Duplicate/" + e + "/" + name).c_str(), lookup, w,
                                             kind)
                    ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

} // namespace
