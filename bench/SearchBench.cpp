// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The sample host's customer search as a user types, keystroke by keystroke,
// on a large sample: the search by any part of name, street or place beside
// the search by beginnings it replaces, on SQLite and on PostgreSQL (the
// server named by BA_PG_CONNINFO). Goal: p95 of a keystroke at most 10 ms.
#include "CustomerSearch.h"
#include "SampleDatabases.h"
#include "SearchStatement.h"
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

// What users type: names, places and streets, whole and in part, a number,
// and words that find nothing. Every keystroke runs one search.
const char* const kTyped[] = {"Meier",  "Bielefeld", "Hauptstraße", "eier",    "Müller",
                              "ahnhof", "100423",    "Schmidtz",    "elefeld", "Köln",
                              "xyzzy",  "Straße",    "Sanitär",     "ünchen",  "Bahnhof"};

// Each keystroke's text, in typing order.
QStringList keystrokes() {
    QStringList out;
    for (const char* word : kTyped) {
        const QString w = QString::fromUtf8(word);
        for (int n = 1; n <= w.size(); ++n)
            out << w.left(n);
    }
    return out;
}

enum class Kind { Beginnings, Parts };

struct Sample {
    bool postgres;
    int size;
    bool operator<(const Sample& o) const {
        return std::pair(postgres, size) < std::pair(o.postgres, o.size);
    }
};

const char* engineName(bool postgres) { return postgres ? "postgres" : "sqlite"; }

std::map<Sample, QSqlDatabase>& databases() {
    static std::map<Sample, QSqlDatabase> all;
    return all;
}

QSqlDatabase database(const Sample& s) {
    auto it = databases().find(s);
    if (it != databases().end()) return it->second;
    QSqlDatabase db = openSample(
        s.postgres, s.size, QStringLiteral("search-%1-%2").arg(engineName(s.postgres)).arg(s.size));
    databases()[s] = db;
    return db;
}

// Today's search: beginnings of number, name or place.
int beginnings(QSqlDatabase& db, const QString& typed) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(searchStatement(SearchTarget::customers(), typed)))
        throw std::runtime_error(q.lastError().text().toStdString());
    const int columns = q.record().count();
    int rows = 0;
    while (q.next()) {
        for (int c = 0; c < columns; ++c) {
            QVariant v = q.value(c);
            benchmark::DoNotOptimize(v);
        }
        ++rows;
    }
    return rows;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const auto index = std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5));
    return v[index];
}

struct Figures {
    double p50 = -1, p95 = -1, max = -1;
    int keystrokes = 0;
};
std::map<std::string, Figures>& figures() {
    static std::map<std::string, Figures> all;
    return all;
}

// The five slowest keystrokes of each benchmark, with their ms.
std::map<std::string, std::string>& slowKeystrokes() {
    static std::map<std::string, std::string> all;
    return all;
}

std::string name(Kind kind, const Sample& s) {
    return std::string(kind == Kind::Parts ? "Parts" : "Beginnings") + "/" +
           engineName(s.postgres) + "/" + std::to_string(s.size);
}

// One iteration types every word once; each keystroke is timed on its own.
void BM_Typing(benchmark::State& state, Kind kind, Sample sample) {
    std::optional<CustomerSearch> search;
    QSqlDatabase db;
    try {
        db = database(sample);
        if (kind == Kind::Parts) {
            search.emplace(db);
            if (!search->findsParts())
                throw std::runtime_error(search->notice().toStdString() +
                                         " (delete the cached sample to write it anew)");
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const QStringList typed = keystrokes();
    std::vector<double> ms;
    qint64 rows = 0;
    // The slowest time of each keystroke's text, to name the slow ones.
    std::map<QString, double> slowest;
    auto search1 = [&](const QString& text) -> qint64 {
        return kind == Kind::Parts ? search->find(text).rows.size() : beginnings(db, text);
    };
    try {
        // One untimed pass first: the figures are those of a warm database
        // (pages cached, plans and catalogue read), as a user sees after the
        // first few searches of the day.
        for (const QString& text : typed)
            search1(text);
        for (auto _ : state) {
            for (const QString& text : typed) {
                const auto start = Clock::now();
                rows += search1(text);
                const double t =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                ms.push_back(t);
                slowest[text] = std::max(slowest[text], t);
            }
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    std::vector<std::pair<double, QString>> bySlowness;
    for (const auto& [text, t] : slowest)
        bySlowness.emplace_back(t, text);
    std::sort(bySlowness.rbegin(), bySlowness.rend());
    std::string slow;
    for (std::size_t k = 0; k < std::min<std::size_t>(5, bySlowness.size()); ++k)
        slow += " \"" + bySlowness[k].second.toStdString() + "\" " +
                std::to_string(bySlowness[k].first).substr(0, 6);
    slowKeystrokes()[name(kind, sample)] = slow;
    Figures f{percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0), int(ms.size())};
    figures()[name(kind, sample)] = f;
    state.counters["p50_ms"] = f.p50;
    state.counters["p95_ms"] = f.p95;
    state.counters["max_ms"] = f.max;
    state.counters["rows/key"] = ms.empty() ? 0 : double(rows) / double(ms.size());
}

std::vector<int> sizes() {
    const QString configured = qEnvironmentVariable("BA_BENCH_SIZES", QStringLiteral("1000000"));
    std::vector<int> out;
    for (const QString& part : configured.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const int n = part.trimmed().toInt(); n > 0) out.push_back(n);
    return out;
}

std::vector<bool> engines() {
    const QString configured =
        qEnvironmentVariable("BA_BENCH_ENGINES", QStringLiteral("sqlite,postgres"));
    std::vector<bool> out;
    if (configured.contains(QLatin1String("sqlite"))) out.push_back(false);
    if (configured.contains(QLatin1String("postgres"))) out.push_back(true);
    return out;
}

constexpr double kGoalP95Ms = 10;
constexpr double kGoalMaxMs = 50;

void printTable(const std::vector<bool>& engines, const std::vector<int>& sizes) {
    auto shown = [](double v) { return v < 0 ? std::string("-") : std::to_string(v).substr(0, 6); };
    std::printf("\n%-9s %-10s %-11s %8s %8s %8s %10s\n", "engine", "customers", "search", "p50 ms",
                "p95 ms", "max ms", "keystrokes");
    for (bool pg : engines)
        for (int size : sizes)
            for (Kind kind : {Kind::Beginnings, Kind::Parts}) {
                const Figures f = figures()[name(kind, {pg, size})];
                std::printf("%-9s %-10d %-11s %8s %8s %8s %10d\n", engineName(pg), size,
                            kind == Kind::Parts ? "parts" : "beginnings", shown(f.p50).c_str(),
                            shown(f.p95).c_str(), shown(f.max).c_str(), f.keystrokes);
            }
    std::printf("goal: p95 of a keystroke's search (parts) <= %.0f ms, the slowest <= %.0f ms\n",
                kGoalP95Ms, kGoalMaxMs);
    std::printf("\nslowest keystrokes (ms):\n");
    for (const auto& [benchmark, slow] : slowKeystrokes())
        std::printf("  %s:%s\n", benchmark.c_str(), slow.c_str());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const std::vector<int> all = sizes();
    const std::vector<bool> onEngines = engines();
    for (bool pg : onEngines)
        for (int size : all)
            for (Kind kind : {Kind::Beginnings, Kind::Parts})
                benchmark::RegisterBenchmark(name(kind, {pg, size}).c_str(), BM_Typing, kind,
                                             Sample{pg, size})
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime()
                    ->MinTime(2.0);
    benchmark::RunSpecifiedBenchmarks();
    printTable(onEngines, all);
    databases().clear();
    benchmark::Shutdown();
    return 0;
}
