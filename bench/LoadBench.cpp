// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The customer load of the control against the raw cost of its statements
// through QtSql, on sample databases of different sizes, on SQLite and on
// PostgreSQL (the server named by BA_PG_CONNINFO), in one run.
#include "BenchHost.h"
#include "QuietOffscreen.h"
#include "SampleDatabases.h"
#include "control/BelegAdressen.h"
#include "data/Statements.h"
#include "platform/SqlConnection.h"
#include "platform/SqlText.h"
#include <QApplication>
#include <QDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace ba = belegadressen;

namespace {

// Passes every statement on and notes them while `recording` is set.
class RecordingConnection final : public ba::Connection {
public:
    explicit RecordingConnection(std::shared_ptr<ba::Connection> inner)
        : mInner(std::move(inner)) {}
    std::shared_ptr<ba::Recordset> Execute(const QString& sql) override {
        if (recording) statements << sql;
        // The time inside the connection: running the statement and
        // buffering its rows; the rest of a load is the control's own work.
        const auto start = std::chrono::steady_clock::now();
        auto result = mInner->Execute(sql);
        inside += std::chrono::steady_clock::now() - start;
        return result;
    }
    bool recording = false;
    QStringList statements;
    std::chrono::steady_clock::duration inside{};

private:
    std::shared_ptr<ba::Connection> mInner;
};

struct Customer {
    QString number;
    QString currency;
    QString kostId;
};

// The home currency setUpBenchDocument gives the control.
const QString kHomeCurrency = QStringLiteral("EUR");

struct Fixture {
    QSqlDatabase db;
    std::shared_ptr<RecordingConnection> connection;
    std::shared_ptr<QuietMessages> messages;
    std::unique_ptr<ba::BelegAdressen> control;
    std::array<Customer, 2> customers;
    // The statements the control sent for one load of each customer.
    std::array<QStringList, 2> loadStatements;
};

enum class Engine { SQLite, PostgreSQL };

const char* engineName(Engine e) { return e == Engine::SQLite ? "sqlite" : "postgres"; }

// One database of one size on one engine.
struct Sample {
    Engine engine;
    int size;
    bool operator<(const Sample& o) const {
        return std::pair(engine, size) < std::pair(o.engine, o.size);
    }
};

std::map<Sample, std::unique_ptr<Fixture>>& fixtures() {
    static std::map<Sample, std::unique_ptr<Fixture>> all;
    return all;
}

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

// Two customers whose load runs every statement of a load: a foreign
// currency (both rate lookups) and a cost assignment; no internal remark, so
// no info window is scheduled. The rest of the profile (no tax key, home
// country, one representative) keeps the work per load the same in every
// database, so that the sizes compare.
std::array<Customer, 2> pickCustomers(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral(
            "SELECT Kundennummer, Währung, KostID FROM Kundenstamm WHERE Währung = 'USD' AND "
            "KostID IN (SELECT KostID FROM Kostenzuordnung) AND COALESCE(InterneBemerkung, '') "
            "= '' AND MwSt_KZ = '0' AND Land = 'D' AND COALESCE(VertreterNr1, '') <> '' AND "
            "COALESCE(VertreterNr2, '') = '' AND COALESCE(VertreterNr3, '') = '' ORDER BY "
            "Kundennummer LIMIT 2")))
        fail(q.lastError().text());
    std::array<Customer, 2> out;
    for (Customer& c : out) {
        if (!q.next()) fail(QStringLiteral("no two customers of the benchmark's profile"));
        c = {q.value(0).toString(), q.value(1).toString().trimmed(), q.value(2).toString()};
    }
    return out;
}

void configure(ba::BelegAdressen& c, std::shared_ptr<ba::HostApplication> host,
               const ba::Services& services) {
    // The sample host's design and start order.
    c.setServices(services);
    c.InitProperties();
    c.setMitVersandanschrift(true);
    c.setMitRechnungsanschrift(true);
    c.setFuerBeleg(true);
    c.setMitKopftext(true);
    c.setMitFusstext(true);
    c.setMitVersandarten(true);
    c.setMitSachbearbeiter(true);
    c.setMitAuftragsrabatt(true);
    c.setMitRechnungPerPDF(true);
    c.setMitDebitorenkonto(true);
    c.setMitPostfach(true);
    c.setMitKundendienst(true);
    c.setMitWartung(true);
    c.setAppObj(std::move(host));
    setUpBenchDocument(c); // an invoice: no service data
}

Fixture& fixture(const Sample& sample) {
    auto& slot = fixtures()[sample];
    if (slot) return *slot;
    auto f = std::make_unique<Fixture>();
    QString connectString;
    f->db = openSample(sample.engine == Engine::PostgreSQL, sample.size,
                       QStringLiteral("bench-%1-%2")
                           .arg(QString::fromLatin1(engineName(sample.engine)))
                           .arg(sample.size),
                       &connectString);
    f->customers = pickCustomers(f->db);
    f->connection =
        std::make_shared<RecordingConnection>(std::make_shared<ba::SqlConnection>(f->db));
    f->messages = std::make_shared<QuietMessages>();
    ba::Services services;
    services.messages = f->messages;
    services.dialogs = std::make_shared<NoDialogs>();
    f->control = std::make_unique<ba::BelegAdressen>();
    f->control->resize(900, 600);
    f->control->show();
    configure(*f->control, std::make_shared<BenchHost>(f->connection, connectString), services);
    QCoreApplication::processEvents();

    // One load each, checked, and the statements of one load noted.
    for (std::size_t k = 0; k < f->customers.size(); ++k) {
        const Customer& c = f->customers[k];
        f->connection->recording = true;
        f->connection->statements.clear();
        const qint32 result = f->control->fktDragNummer(c.number);
        f->connection->recording = false;
        if (result != -1 || f->control->GetNummer() != c.number || f->messages->count != 0)
            fail(QStringLiteral("customer %1 not loaded (result %2, message \"%3\")")
                     .arg(c.number)
                     .arg(result)
                     .arg(f->messages->last));
        f->loadStatements[k] = f->connection->statements;
    }
    slot = std::move(f);
    return *slot;
}

// The fixture of a size, or none after telling the benchmark why.
Fixture* fixtureOrSkip(benchmark::State& state, const Sample& size) {
    try {
        return &fixture(size);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

// Runs a statement and reads every value of every row.
void readAll(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) fail(q.lastError().text());
    const int columns = q.record().count();
    while (q.next())
        for (int i = 0; i < columns; ++i) {
            QVariant v = q.value(i);
            benchmark::DoNotOptimize(v);
        }
}

// The customer select exactly as the control sends it.
QString customerSelect(const QString& number) { return ba::statements::kundeSelect(number); }

QString rateSelect(const QString& currency) {
    return QStringLiteral("Select Kurs from Währungen where Währung = ") + ba::quoted(currency);
}

QString costSelect(const QString& kostId) {
    return QStringLiteral(
               "Select Kostenstelle, Kostentraeger from Kostenzuordnung where KostID = ") +
           ba::quoted(kostId);
}

// Posted events (repaints, deferred deletes) are handled now and then,
// outside the measured time, as the host's event loop would between loads.
constexpr int kEventsEvery = 64;

void settle(benchmark::State& state, int i) {
    if (i % kEventsEvery != 0) return;
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// From leaving the number field to the last event: the host's drop of a
// number runs exactly that path. Two customers alternate, so every
// iteration really loads.
void BM_Load(benchmark::State& state, Sample size) {
    Fixture* f = fixtureOrSkip(state, size);
    if (!f) return;
    using Clock = std::chrono::steady_clock;
    Clock::duration loads{};
    f->connection->inside = {};
    int i = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const qint32 result = f->control->fktDragNummer(f->customers[i & 1].number);
        loads += Clock::now() - start;
        benchmark::DoNotOptimize(result);
        settle(state, ++i);
    }
    state.counters["statements"] = double(f->loadStatements[0].size());
    if (loads.count() > 0)
        state.counters["in_sql"] = double(f->connection->inside.count()) / double(loads.count());
    if (f->messages->count != 0) state.SkipWithError(qPrintable(f->messages->last));
    // The same number of rounds of the raw statements right after, so that
    // the ratios compare times taken under the same load of the machine.
    QSqlQuery q(f->db);
    q.setForwardOnly(true);
    Clock::duration raw{}, replay{};
    try {
        for (int k = 0; k < i; ++k) {
            const Customer& c = f->customers[k & 1];
            auto start = Clock::now();
            readAll(q, customerSelect(c.number));
            readAll(q, rateSelect(c.currency));
            readAll(q, rateSelect(kHomeCurrency));
            readAll(q, costSelect(c.kostId));
            raw += Clock::now() - start;
            start = Clock::now();
            for (const QString& sql : f->loadStatements[k & 1])
                readAll(q, sql);
            replay += Clock::now() - start;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    if (raw.count() > 0) state.counters["vs_raw"] = double(loads.count()) / double(raw.count());
    if (replay.count() > 0)
        state.counters["vs_replay"] = double(loads.count()) / double(replay.count());
}

// The same statements through QtSql alone: the customer select, the two rate
// lookups and the cost assignment.
void BM_RawSql(benchmark::State& state, Sample size) {
    Fixture* f = fixtureOrSkip(state, size);
    if (!f) return;
    QSqlQuery q(f->db);
    q.setForwardOnly(true);
    int i = 0;
    try {
        for (auto _ : state) {
            const Customer& c = f->customers[i & 1];
            readAll(q, customerSelect(c.number));
            readAll(q, rateSelect(c.currency));
            readAll(q, rateSelect(kHomeCurrency));
            readAll(q, costSelect(c.kostId));
            ++i;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    state.counters["statements"] = 4;
}

// Every statement the control sent during one load, replayed through QtSql.
void BM_RawReplay(benchmark::State& state, Sample size) {
    Fixture* f = fixtureOrSkip(state, size);
    if (!f) return;
    QSqlQuery q(f->db);
    q.setForwardOnly(true);
    int i = 0;
    try {
        for (auto _ : state) {
            for (const QString& sql : f->loadStatements[i & 1])
                readAll(q, sql);
            ++i;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    state.counters["statements"] = double(f->loadStatements[0].size());
}

// Keeps the measured time of every benchmark for the table at the end.
class TableReporter final : public benchmark::ConsoleReporter {
public:
    explicit TableReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const double unit = microsecondsPer(run.time_unit);
            const std::string key = run.run_name.str();
            // Single runs, or the median when only aggregates are reported.
            if (run.run_type == Run::RT_Iteration) {
                mReal[key].push_back(run.GetAdjustedRealTime() * unit);
                mCpu[key].push_back(run.GetAdjustedCPUTime() * unit);
            } else if (run.aggregate_name == "median") {
                mMedianReal[key] = run.GetAdjustedRealTime() * unit;
                mMedianCpu[key] = run.GetAdjustedCPUTime() * unit;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Median over repetitions, in microseconds; negative when not run.
    double real(const std::string& name) const { return median(mReal, mMedianReal, name); }
    double cpu(const std::string& name) const { return median(mCpu, mMedianCpu, name); }

private:
    using Times = std::map<std::string, std::vector<double>>;
    static double median(const Times& times, const std::map<std::string, double>& medians,
                         const std::string& name) {
        if (auto m = medians.find(name); m != medians.end()) return m->second;
        auto it = times.find(name);
        if (it == times.end() || it->second.empty()) return -1;
        std::vector<double> v = it->second;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    static double microsecondsPer(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-3;
        case benchmark::kMicrosecond:
            return 1;
        case benchmark::kMillisecond:
            return 1e3;
        case benchmark::kSecond:
            return 1e6;
        }
        return 1;
    }
    Times mReal;
    Times mCpu;
    std::map<std::string, double> mMedianReal;
    std::map<std::string, double> mMedianCpu;
};

std::vector<int> sizes() {
    const QString configured =
        qEnvironmentVariable("BA_BENCH_SIZES", QStringLiteral("1000,1000000"));
    std::vector<int> out;
    for (const QString& part : configured.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const int n = part.trimmed().toInt(); n > 0) out.push_back(n);
    return out;
}

// BA_BENCH_ENGINES: "sqlite", "postgres" or both (the default).
std::vector<Engine> engines() {
    const QString configured =
        qEnvironmentVariable("BA_BENCH_ENGINES", QStringLiteral("sqlite,postgres"));
    std::vector<Engine> out;
    if (configured.contains(QLatin1String("sqlite"))) out.push_back(Engine::SQLite);
    if (configured.contains(QLatin1String("postgres"))) out.push_back(Engine::PostgreSQL);
    return out;
}

std::string name(const char* what, Sample s) {
    return std::string(what) + "/" + engineName(s.engine) + "/" + std::to_string(s.size);
}

QString figure(double us) { return us < 0 ? QStringLiteral("-") : QString::number(us, 'f', 1); }
QString ratio(double a, double b) {
    return a < 0 || b <= 0 ? QStringLiteral("-") : QString::number(a / b, 'f', 2);
}

// The goals: a load within 1.5 times the raw cost of its statements, and the
// largest database's load within 1.2 times the smallest one's.
constexpr double kGoalVsRaw = 1.5;
constexpr double kGoalVsSmall = 1.2;

void printTable(const TableReporter& r, const std::vector<Engine>& engines,
                const std::vector<int>& sizes) {
    // Wall-clock time is what a user waits; CPU time is steadier on a shared machine.
    std::printf("\n%-9s %-10s %10s %10s %10s %10s %10s %10s %10s\n", "engine", "customers",
                "load us", "raw us", "load/raw", "replay us", "load/repl", "cpu load", "cpu ratio");
    for (Engine e : engines) {
        for (int size : sizes) {
            const Sample s{e, size};
            const double load = r.real(name("Load", s));
            const double raw = r.real(name("RawSql", s));
            const double replay = r.real(name("RawReplay", s));
            const double cpuLoad = r.cpu(name("Load", s));
            std::printf("%-9s %-10d %10s %10s %10s %10s %10s %10s %10s\n", engineName(e), size,
                        qPrintable(figure(load)), qPrintable(figure(raw)),
                        qPrintable(ratio(load, raw)), qPrintable(figure(replay)),
                        qPrintable(ratio(load, replay)), qPrintable(figure(cpuLoad)),
                        qPrintable(ratio(cpuLoad, r.cpu(name("RawSql", s)))));
        }
        if (sizes.size() >= 2) {
            const Sample small{e, *std::min_element(sizes.begin(), sizes.end())};
            const Sample large{e, *std::max_element(sizes.begin(), sizes.end())};
            std::printf("%s: load %d / load %d: %s, cpu %s (goal <= %.1f); goal load/raw <= %.1f\n",
                        engineName(e), large.size, small.size,
                        qPrintable(ratio(r.real(name("Load", large)), r.real(name("Load", small)))),
                        qPrintable(ratio(r.cpu(name("Load", large)), r.cpu(name("Load", small)))),
                        kGoalVsSmall, kGoalVsRaw);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    // The control needs a widget platform; without a display it draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ba::installQuietOffscreen();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const std::vector<int> all = sizes();
    const std::vector<Engine> onEngines = engines();
    for (Engine e : onEngines)
        for (int size : all) {
            const Sample s{e, size};
            benchmark::RegisterBenchmark(name("Load", s).c_str(), BM_Load, s)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(name("RawSql", s).c_str(), BM_RawSql, s)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(name("RawReplay", s).c_str(), BM_RawReplay, s)
                ->Unit(benchmark::kMicrosecond);
        }
    TableReporter reporter(isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                  : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter, onEngines, all);
    for (const auto& [sample, f] : fixtures()) {
        if (!f) continue;
        std::printf("\nstatements of one load (%s, %d customers):\n", engineName(sample.engine),
                    sample.size);
        for (const QString& s : f->loadStatements[0])
            std::printf("  %s\n", qPrintable(s.left(110)));
        break;
    }
    // Widgets and connections go before the application object does.
    fixtures().clear();
    benchmark::Shutdown();
    return 0;
}
