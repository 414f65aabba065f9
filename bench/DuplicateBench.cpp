// The duplicate lookup of a new address against the customer load, on the
// sample database of 1,000,000 customers (BA_BENCH_DUP_SIZE to change it).
// Compare Duplicate/lookup* with Duplicate/load: the lookup should not cost
// more than a load. Duplicate/lookup takes a name the sample repeats hundreds
// of times in one postal code (its worst case: every match is read).
#include "BenchHost.h"
#include "SampleDatabases.h"
#include "control/BelegAdressen.h"
#include "data/DuplicateMatch.h"
#include "platform/SqlConnection.h"
#include <QApplication>
#include <QDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace ba = belegadressen;

namespace {

class Silent final : public ba::MessageService, public ba::DialogRunner {
public:
    void Meldung(const QVariant&, qint16, const QString&, qint32) override { ++count; }
    void Fehlermeldung(const QString&, const QString&, qint32, const QString&, bool) override {
        ++count;
    }
    int exec(QDialog&) override { return QDialog::Rejected; }
    void information(const QString&, const QString&) override {}
    int count = 0;
};

struct Customer {
    QString nummer, bez1, plz;
};

struct DupFixture {
    QSqlDatabase db;
    std::shared_ptr<ba::SqlConnection> connection;
    std::shared_ptr<Silent> silent;
    std::unique_ptr<ba::BelegAdressen> control;
    Customer customers[2];
    qsizetype rowsOfCode = 0; // customers sharing the first one's postal code
    QString uniqueName;       // a name only one customer of that code has
};

int size() {
    const int n = qEnvironmentVariableIntValue("BA_BENCH_DUP_SIZE");
    return n > 0 ? n : 1000000;
}

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

DupFixture& fixture() {
    // Kept to the end of the process: main() owns the application object,
    // and widgets must not outlive it in a static destructor.
    static DupFixture* f = nullptr;
    if (f) return *f;
    auto made = std::make_unique<DupFixture>();
    made->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dup-bench"));
    made->db.setDatabaseName(sampleDatabase(size()));
    if (!made->db.open()) fail(made->db.lastError().text());
    // Two customers of the home country without a remark, in the most
    // crowded postal code of the sample: the lookup's worst case.
    QSqlQuery q(made->db);
    if (!q.exec(QStringLiteral(
            "SELECT Kundennummer, Bez1, PLZ FROM Kundenstamm WHERE Land = 'D' AND "
            "COALESCE(InterneBemerkung, '') = '' AND Bez1 IS NOT NULL AND PLZ = (SELECT PLZ "
            "FROM Kundenstamm GROUP BY PLZ ORDER BY COUNT(*) DESC LIMIT 1) ORDER BY "
            "Kundennummer LIMIT 2")))
        fail(q.lastError().text());
    for (Customer& c : made->customers) {
        if (!q.next()) fail(QStringLiteral("no two customers in the sample"));
        c = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    }
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Kundenstamm WHERE PLZ = '%1'")
                    .arg(made->customers[0].plz)) ||
        !q.next())
        fail(q.lastError().text());
    made->rowsOfCode = q.value(0).toLongLong();
    if (!q.exec(QStringLiteral("SELECT Bez1 FROM Kundenstamm WHERE PLZ = '%1' AND Bez1 IS NOT NULL "
                               "GROUP BY Bez1 HAVING COUNT(*) = 1 ORDER BY Bez1 LIMIT 1")
                    .arg(made->customers[0].plz)) ||
        !q.next())
        fail(QStringLiteral("no name of its own in postal code %1").arg(made->customers[0].plz));
    made->uniqueName = q.value(0).toString();
    made->connection = std::make_shared<ba::SqlConnection>(made->db);
    made->silent = std::make_shared<Silent>();
    ba::Services services;
    services.messages = made->silent;
    services.dialogs = made->silent;
    made->control = std::make_unique<ba::BelegAdressen>(services);
    made->control->resize(900, 600);
    made->control->show();
    made->control->setAppObj(std::make_shared<BenchHost>(made->connection));
    made->control->AddLandeswaehrung(QStringLiteral("EUR"));
    made->control->AddBelegart(50);
    made->control->setAnzAdresse(3);
    made->control->setAktAdresse(1);
    QCoreApplication::processEvents();
    f = made.release();
    return *f;
}

DupFixture* fixtureOrSkip(benchmark::State& state) {
    try {
        return &fixture();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

// The customer load the lookup is measured against.
void BM_Load(benchmark::State& state) {
    DupFixture* f = fixtureOrSkip(state);
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

// The lookup as leaving the place line runs it: the name typed in other
// spelling, both masters, the names compared.
void BM_Lookup(benchmark::State& state) {
    DupFixture* f = fixtureOrSkip(state);
    if (!f) return;
    std::size_t found = 0;
    int i = 0;
    for (auto _ : state) {
        const Customer& c = f->customers[i++ & 1];
        found = ba::findDuplicates(*f->connection, QStringLiteral(" ") + c.bez1.toUpper(), c.plz)
                    .size();
        benchmark::DoNotOptimize(found);
    }
    if (found == 0) state.SkipWithError("the customer was not found as its own duplicate");
    state.counters["rows of the code"] = double(f->rowsOfCode);
    state.counters["matches"] = double(found);
}

// The same for a name that only one customer of the crowded code has, as
// most names are; and for a new name that nobody has.
void lookupOne(benchmark::State& state, const QString& bez1, std::size_t expected) {
    DupFixture* f = fixtureOrSkip(state);
    if (!f) return;
    std::size_t found = 0;
    for (auto _ : state) {
        found = ba::findDuplicates(*f->connection, bez1.toUpper(), f->customers[0].plz).size();
        benchmark::DoNotOptimize(found);
    }
    if (found != expected) state.SkipWithError("unexpected number of matches");
    state.counters["matches"] = double(found);
}

void BM_LookupUnique(benchmark::State& state) {
    DupFixture* f = fixtureOrSkip(state);
    if (f) lookupOne(state, f->uniqueName, 1);
}

void BM_LookupNew(benchmark::State& state) {
    if (fixtureOrSkip(state)) lookupOne(state, QStringLiteral("Neubau Quaxenberger GmbH"), 0);
}

BENCHMARK(BM_LookupUnique)->Name("Duplicate/lookup_unique")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupNew)->Name("Duplicate/lookup_new")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load)->Name("Duplicate/load")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Lookup)->Name("Duplicate/lookup")->Unit(benchmark::kMicrosecond);

} // namespace
