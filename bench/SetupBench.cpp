// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Setting up the master-data fields (every assignment of AnzAdresse) costs the
// same whatever the size of the tables behind them: set-up reads no table.
// Compare Setup/staff:10 with Setup/staff:100000; they should lie within 10 %.
#include "BenchHost.h"
#include "control/BelegAdressen.h"
#include "platform/SqlConnection.h"
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace ba = belegadressen;

namespace {

void BM_Setup(benchmark::State& state) {
    const int staff = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString name = QStringLiteral("setup-bench-%1").arg(staff);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dir.filePath(QStringLiteral("staff.sqlite")));
        if (!db.open()) {
            state.SkipWithError("cannot open SQLite");
            return;
        }
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE Personalstamm (PersonalNr VARCHAR(20) PRIMARY KEY, "
                              "Titel TEXT, Vorname TEXT, NachName TEXT, Durchwahl TEXT, "
                              "Kurzzeichen VARCHAR(10))"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO Personalstamm VALUES (?, '', ?, ?, ?, ?)"));
        for (int i = 0; i < staff; ++i) {
            q.addBindValue(QString::number(i));
            q.addBindValue(QStringLiteral("Vorname %1").arg(i));
            q.addBindValue(QStringLiteral("Nachname %1").arg(i));
            q.addBindValue(QString::number(100 + i % 900));
            q.addBindValue(QStringLiteral("K%1").arg(i));
            q.exec();
        }
        db.commit();
        auto control = std::make_unique<ba::BelegAdressen>();
        control->setAppObj(std::make_shared<BenchHost>(std::make_shared<ba::SqlConnection>(db)));
        control->AddLandeswaehrung(QStringLiteral("EUR"));
        for (auto _ : state)
            control->setAnzAdresse(5);
        state.counters["staff"] = staff;
        control.reset();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

BENCHMARK(BM_Setup)->Name("Setup/staff")->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
