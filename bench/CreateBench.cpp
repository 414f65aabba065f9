// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Creating the control, configured as the sample host does and shown,
// against a plain form of the same number of inputs, in one run. The phases
// of the control (construction, configuration, first showing) are timed
// apart, so that a growth shows where it lies.
#include "BenchHost.h"
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include "control/BelegAdressen.h"
#include "platform/SqlConnection.h"
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace ba = belegadressen;

namespace {

using Clock = std::chrono::steady_clock;

// Inputs of the plain form: as many as the control's address page offers.
constexpr int kInputs = 150;

void BM_PlainForm(benchmark::State& state) {
    for (auto _ : state) {
        // Placed by coordinates, as the control places its fields.
        auto form = std::make_unique<QWidget>();
        for (int i = 0; i < kInputs; ++i) {
            auto* edit = new QLineEdit(form.get());
            edit->setObjectName(QStringLiteral("txtFeld%1").arg(i));
            edit->setGeometry(10 + (i % 5) * 175, 10 + (i / 5) * 24, 170, 22);
        }
        form->resize(900, 600);
        form->show();
        QCoreApplication::processEvents();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_Control(benchmark::State& state) {
    QTemporaryDir dir;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "create-bench");
    db.setDatabaseName(dir.filePath(QStringLiteral("leer.sqlite")));
    db.open();
    auto host = std::make_shared<BenchHost>(std::make_shared<ba::SqlConnection>(db));
    ba::Services services;
    services.messages = std::make_shared<QuietMessages>();
    services.dialogs = std::make_shared<NoDialogs>();
    Clock::duration construct{}, configure{}, show{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        auto c = std::make_unique<ba::BelegAdressen>();
        auto t1 = Clock::now();
        c->setServices(services);
        c->InitProperties();
        c->setMitVersandanschrift(true);
        c->setMitRechnungsanschrift(true);
        c->setFuerBeleg(true);
        c->setMitKopftext(true);
        c->setMitFusstext(true);
        c->setMitVersandarten(true);
        c->setMitSachbearbeiter(true);
        c->setMitAuftragsrabatt(true);
        c->setMitRechnungPerPDF(true);
        c->setMitDebitorenkonto(true);
        c->setMitPostfach(true);
        c->setMitKundendienst(true);
        c->setMitWartung(true);
        c->setAppObj(host);
        c->AddLandeswaehrung(QStringLiteral("EUR"));
        c->AddBelegart(50);
        c->AddStandarddauer(100);
        c->setAnzAdresse(3);
        c->SetzeAnzSeiten(3, 1);
        c->SetzeAnzSeiten(2, 1);
        c->SetzeAnzSeiten(1, 2);
        c->setAktAdresse(1);
        auto t2 = Clock::now();
        c->resize(900, 600);
        c->show();
        QCoreApplication::processEvents();
        auto t3 = Clock::now();
        construct += t1 - t0;
        configure += t2 - t1;
        show += t3 - t2;
        c.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const double n = double(state.iterations());
    const auto us = [n](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() / n;
    };
    state.counters["construct_us"] = us(construct);
    state.counters["configure_us"] = us(configure);
    state.counters["show_us"] = us(show);
    host.reset();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("create-bench");
}

BENCHMARK(BM_PlainForm)->Name("Create/plain_form")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Control)->Name("Create/control")->Unit(benchmark::kMillisecond);

} // namespace
