// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Memory per customer load: 20,000 loads of the same customers in one
// process, the growth of the resident set per load. Goal: at most 0.3 kB a
// load (counter kB_per_load); a history kept per load shows up here.
#include "BenchHost.h"
#include "SampleDatabases.h"
#include "control/BelegAdressen.h"
#include "platform/SqlConnection.h"
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace ba = belegadressen;

namespace {

// Resident set in kB (Linux).
double residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return 0;
}

void BM_Loads(benchmark::State& state) {
    const int loads = static_cast<int>(state.range(0));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "memory-bench");
    db.setDatabaseName(sampleDatabase(1000));
    if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
    QStringList numbers;
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT Kundennummer FROM Kundenstamm ORDER BY Kundennummer "
                              "LIMIT 10"));
        while (q.next())
            numbers << q.value(0).toString();
    }
    auto silent = std::make_shared<QuietMessages>();
    ba::Services services;
    services.messages = silent;
    services.dialogs = std::make_shared<NoDialogs>();
    {
        ba::BelegAdressen control(services);
        control.resize(900, 600);
        control.show();
        control.setAppObj(std::make_shared<BenchHost>(std::make_shared<ba::SqlConnection>(db)));
        control.AddLandeswaehrung(QStringLiteral("EUR"));
        control.AddBelegart(110);
        control.setAnzAdresse(3);
        control.setAktAdresse(1);
        // Warm up: the first loads fill caches that stay.
        for (int i = 0; i < 200; ++i)
            control.fktDragNummer(numbers[i % numbers.size()]);
        QApplication::processEvents();
        for (auto _ : state) {
            const double before = residentKb();
            for (int i = 0; i < loads; ++i) {
                control.fktDragNummer(numbers[i % numbers.size()]);
                if (i % 100 == 0) QApplication::processEvents();
            }
            QApplication::processEvents();
            state.counters["kB_per_load"] = (residentKb() - before) / loads;
        }
        state.counters["messages"] = silent->count;
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("memory-bench");
}

} // namespace

BENCHMARK(BM_Loads)->Name("Memory/loads")->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);
