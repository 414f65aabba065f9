// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The user's actions on PostgreSQL as the user waits for them: through a
// relay on loopback that delays each direction, at 0 and 20 ms round trip.
// Per action: round trips (counted at the relay), the statements the control
// sent, median and p95 wall time.
#include "../db/DatabaseSetup.h"
#include "../tests/support/RoundTripProxy.h"
#include "BenchHost.h"
#include "SampleDatabases.h"
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include "control/BelegAdressen.h"
#include "platform/SqlConnection.h"
#include "platform/StandortListe2.h"
#ifdef BA_WITH_HOST_SEARCH
#include "CustomerSearch.h"
#endif
#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace ba = belegadressen;
using namespace std::chrono_literals;

namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

class CountingConnection final : public ba::Connection {
public:
    explicit CountingConnection(std::shared_ptr<ba::Connection> inner) : mInner(std::move(inner)) {}
    std::shared_ptr<ba::Recordset> Execute(const QString& sql) override {
        ++statements;
        return mInner->Execute(sql);
    }
    int statements = 0;

private:
    std::shared_ptr<ba::Connection> mInner;
};

// One control on the 1,000-customer sample, its session through the relay.
struct Rig {
    std::unique_ptr<batest::RoundTripProxy> proxy;
    QSqlDatabase direct;
    QSqlDatabase relayed;
    std::shared_ptr<CountingConnection> connection;
    std::unique_ptr<ba::BelegAdressen> control;

    explicit Rig(qint16 belegart) {
        const PostgresSample sample = samplePostgres(1000);
        const std::string connInfo = sample.connInfo.toStdString();
        proxy = std::make_unique<batest::RoundTripProxy>(batest::serverPortOf(connInfo), 0us);
        const QString name = QStringLiteral("relayed-%1").arg(belegart);
        relayed = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        ba::dbsetup::setConnInfo(
            relayed, QString::fromStdString(batest::throughProxy(connInfo, proxy->port())),
            sample.dbname);
        if (!relayed.open()) fail(relayed.lastError().text());
        direct = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name + QStringLiteral("-d"));
        ba::dbsetup::setConnInfo(direct, sample.connInfo, sample.dbname);
        if (!direct.open()) fail(direct.lastError().text());
        connection =
            std::make_shared<CountingConnection>(std::make_shared<ba::SqlConnection>(relayed));
        control = std::make_unique<ba::BelegAdressen>();
        ba::BelegAdressen& c = *control;
        ba::Services services;
        services.messages = std::make_shared<QuietMessages>();
        services.dialogs = std::make_shared<NoDialogs>();
        c.resize(900, 600);
        c.show();
        c.setServices(services);
        c.InitProperties();
        c.setMitKopftext(true);
        c.setMitFusstext(true);
        c.setMitKundendienst(true);
        c.setMitWartung(true);
        c.setAppObj(std::make_shared<BenchHost>(connection, QStringLiteral("Driver=PostgreSQL")));
        setUpBenchDocument(c, belegart);
        QCoreApplication::processEvents();
    }

    // The first `count` answers of a select on the sample, straight to the server.
    QStringList pick(const QString& sql, int count = 2) {
        QSqlQuery q(direct);
        if (!q.exec(sql)) fail(q.lastError().text());
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        if (out.size() < count) fail(QStringLiteral("the sample has too few rows for: ") + sql);
        return out;
    }
};

// Emptied before the application object goes.
std::map<qint16, std::unique_ptr<Rig>> rigs;

Rig& rig(qint16 belegart) {
    auto& slot = rigs[belegart];
    if (!slot) slot = std::make_unique<Rig>(belegart);
    return *slot;
}

// Customers of one profile: two of them, so that every run really loads.
QString customersWhere(const char* condition) {
    return QStringLiteral("SELECT Kundennummer FROM Kundenstamm WHERE Kundennummer NOT LIKE 'S-%' "
                          "AND ") +
           QString::fromUtf8(condition) + QStringLiteral(" ORDER BY Kundennummer LIMIT 2");
}

const char* const kHome = "COALESCE(TRIM(Währung), '') IN ('', '0', 'EUR')";
const char* const kNoCost = "(KostID IS NULL OR KostID = 0)";
const char* const kNoRemark = "COALESCE(InterneBemerkung, '') = ''";

struct Action {
    const char* name;
    qint16 belegart;
    // Prepares the control once; answers the step run per iteration.
    std::function<std::function<void(int)>(Rig&)> prepare;
};

std::function<void(int)> loads(Rig& r, const QString& select) {
    const QStringList numbers = r.pick(select);
    return [&r, numbers](int i) { r.control->fktDragNummer(numbers[i % 2]); };
}

const Action kActions[] = {
    {"load_home", 50,
     [](Rig& r) {
         return loads(
             r, customersWhere(
                    (QByteArray(kHome) + " AND " + kNoCost + " AND " + kNoRemark).constData()));
     }},
    {"load_home_cost", 50,
     [](Rig& r) {
         return loads(r, customersWhere((QByteArray(kHome) +
                                         " AND KostID IN (SELECT KostID FROM Kostenzuordnung) "
                                         "AND " +
                                         kNoRemark)
                                            .constData()));
     }},
    {"load_foreign", 50,
     [](Rig& r) {
         return loads(r, customersWhere((QByteArray("TRIM(Währung) = 'USD' AND ") + kNoCost +
                                         " AND " + kNoRemark)
                                            .constData()));
     }},
    {"load_remark", 50,
     [](Rig& r) {
         return loads(r, customersWhere((QByteArray(kHome) + " AND " + kNoCost +
                                         " AND COALESCE(InterneBemerkung, '') <> ''")
                                            .constData()));
     }},
    {"general_address", 50,
     [](Rig& r) {
         const QStringList numbers = r.pick(QStringLiteral(
             "SELECT AdressNummer FROM Adressenstamm ORDER BY AdressNummer LIMIT 2"));
         return std::function<void(int)>(
             [&r, numbers](int i) { r.control->fktDragNummerAdresse(numbers[i % 2]); });
     }},
    // Service orders: the customer and its sites, one, several, 500.
    {"service_one_site", 110,
     [](Rig& r) {
         return std::function<void(int)>([&r](int i) {
             r.control->fktDragNummer(i % 2 ? QStringLiteral("S-0003") : QStringLiteral(""));
         });
     }},
    {"service_several_sites", 110,
     [](Rig& r) {
         return std::function<void(int)>([&r](int i) {
             r.control->fktDragNummer(i % 2 ? QStringLiteral("S-0004") : QStringLiteral(""));
         });
     }},
    {"service_500_sites", 110,
     [](Rig& r) {
         return std::function<void(int)>([&r](int i) {
             r.control->fktDragNummer(i % 2 ? QStringLiteral("S-0005") : QStringLiteral(""));
         });
     }},
    // The long text under the mouse: a header text number of the sample.
    {"text_preview", 10,
     [](Rig& r) {
         const QString number = r.pick(
             QStringLiteral(
                 "SELECT Textnummer FROM Textbausteine WHERE Textart = 'KAN' ORDER BY 1 LIMIT 1"),
             1)[0];
         auto* field = r.control->findChild<QLineEdit*>(QStringLiteral("txtDAnNr_0"));
         if (!field) fail(QStringLiteral("text number field not found"));
         field->setText(number);
         // The pointer enters the field and moves on it, as under a real mouse.
         return std::function<void(int)>([field](int) {
             const QPointF at(field->rect().center());
             QEnterEvent enter(at, at, field->mapToGlobal(at));
             QApplication::sendEvent(field, &enter);
             QMouseEvent move(QEvent::MouseMove, at, field->mapToGlobal(at), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(field, &move);
         });
     }},
    // The site window's list of a customer with 500 sites: opened, a row
    // chosen and taken over.
    {"site_window_500", 110,
     [](Rig& r) {
         auto list = std::make_shared<ba::StandortListe2>();
         list->setAppObj(std::make_shared<BenchHost>(r.connection));
         list->setKundennummer(QStringLiteral("S-0005"));
         return std::function<void(int)>([list](int) {
             list->Laden();
             list->baum()->setCurrentItem(list->baum()->topLevelItem(7));
             list->uebernehmen();
             auto site = list->GewaehlterStandort();
             benchmark::DoNotOptimize(site);
         });
     }},
#ifdef BA_WITH_HOST_SEARCH
    // One search of the host as typing pauses: a part of a name.
    {"host_search", 50,
     [](Rig& r) {
         auto search = std::make_shared<CustomerSearch>(r.relayed);
         return std::function<void(int)>([search](int i) {
             auto found =
                 search->find(i % 2 ? QStringLiteral("Fliesen") : QStringLiteral("Bäcker"));
             benchmark::DoNotOptimize(found);
         });
     }},
#endif
    // Leaving a typed place line: postal code, place and street checked
    // against the sample's directory, two addresses in turn so that no
    // answer is remembered.
    {"postal_check", 20,
     [](Rig& r) {
         const QStringList rows = r.pick(QStringLiteral(
             "SELECT Plz || '|' || Ort || '|' || Strasse FROM Postleitzahlen WHERE Strasse IS "
             "NOT NULL ORDER BY Plz, Strasse LIMIT 2"));
         ba::BelegAdressen& c = *r.control;
         c.AddMitPostleitzahl(QStringLiteral("1"), nullptr, QString(), r.connection, false);
         // The lines of a shown customer are edited, as a clerk corrects them.
         c.fktDragNummer(r.pick(customersWhere(kNoRemark), 1)[0]);
         QApplication::setActiveWindow(&c);
         c.activateWindow();
         const auto field = [&c](const char* name) {
             auto* edit = c.findChild<QLineEdit*>(QString::fromLatin1(name));
             if (!edit) fail(QStringLiteral("field not found: ") + QString::fromLatin1(name));
             return edit;
         };
         QLineEdit* plz = field("txtDPostleitzahl");
         QLineEdit* place = field("txtDAdr_6");
         QLineEdit* street = field("txtDAdr_5");
         QLineEdit* next = field("txtDAdr_4");
         return std::function<void(int)>([=](int i) {
             const QStringList row = rows[i % 2].split(QLatin1Char('|'));
             plz->setText(row[0]);
             street->setText(row[2] + QStringLiteral(" 5"));
             place->setFocus(Qt::TabFocusReason);
             place->setText(row[1].toUpper());
             next->setFocus(Qt::TabFocusReason);
             QCoreApplication::processEvents();
         });
     }},
    // Writing the shown customer back into the master data.
    {"btnAktKunde", 50,
     [](Rig& r) {
         const QString number = r.pick(customersWhere(kNoRemark), 1)[0];
         r.control->fktDragNummer(number);
         auto* button = r.control->findChild<QToolButton*>(QStringLiteral("btnAktKunde"));
         if (!button) fail(QStringLiteral("btnAktKunde not found"));
         return std::function<void(int)>([button](int) { button->click(); });
     }},
};

constexpr int kIterations = 21;

struct Figures {
    std::vector<std::string> sent;
    int roundTrips = 0;
    int statements = 0;
    double median[2] = {0, 0};
    double p95[2] = {0, 0};
};
std::map<std::string, Figures> figures;

void BM_Action(benchmark::State& state, const Action* action, int roundTripMs) {
    Rig* r = nullptr;
    std::function<void(int)> step;
    try {
        r = &rig(action->belegart);
        r->proxy->setDelay(0us);
        step = action->prepare(*r);
        step(0); // once without timing: caches warm, the first of the pair shown
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    r->proxy->setDelay(std::chrono::microseconds(roundTripMs * 500));
    std::vector<double> ms;
    int roundTrips = 0, statements = 0, i = 1;
    for (auto _ : state) {
        r->proxy->reset();
        r->connection->statements = 0;
        const auto start = std::chrono::steady_clock::now();
        step(i);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000);
        // Odd steps do the measured work; even ones of the service loads clear.
        if (i % 2 == 1) {
            if (r->proxy->roundTrips() >= roundTrips)
                figures[action->name].sent = r->proxy->statements();
            roundTrips = std::max(roundTrips, r->proxy->roundTrips());
            statements = std::max(statements, r->connection->statements);
        }
        ++i;
    }
    r->proxy->setDelay(0us);
    std::vector<double> odd;
    for (std::size_t k = 0; k < ms.size(); k += 2)
        odd.push_back(ms[k]);
    std::sort(odd.begin(), odd.end());
    const double median = odd[odd.size() / 2];
    const double p95 = odd[std::min(odd.size() - 1, (odd.size() * 95 + 99) / 100 - 1)];
    state.counters["round_trips"] = roundTrips;
    state.counters["statements"] = statements;
    state.counters["median_ms"] = median;
    state.counters["p95_ms"] = p95;
    Figures& f = figures[action->name];
    f.roundTrips = roundTrips;
    f.statements = statements;
    f.median[roundTripMs > 0] = median;
    f.p95[roundTripMs > 0] = p95;
}

const bool kRegistered = [] {
    for (int roundTripMs : {0, 20})
        for (const Action& action : kActions)
            benchmark::RegisterBenchmark(
                (std::string("RoundTrip/") + action.name + "/" + std::to_string(roundTripMs) + "ms")
                    .c_str(),
                BM_Action, &action, roundTripMs)
                ->Iterations(kIterations)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

int main(int argc, char** argv) {
    // The control needs a widget platform; without a display it draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\n| action | round trips | statements | median 0 ms | p95 0 ms | median 20 ms "
                "| p95 20 ms |\n|---|---|---|---|---|---|---|\n");
    for (const Action& action : kActions) {
        const auto found = figures.find(action.name);
        if (found == figures.end()) continue;
        const Figures& f = found->second;
        std::printf("| %s | %d | %d | %.1f | %.1f | %.1f | %.1f |\n", action.name, f.roundTrips,
                    f.statements, f.median[0], f.p95[0], f.median[1], f.p95[1]);
    }
    // What reached the server in one run of each action.
    if (!qEnvironmentVariableIsEmpty("BA_BENCH_STATEMENTS"))
        for (const Action& action : kActions) {
            std::printf("\n%s:\n", action.name);
            for (const std::string& sql : figures[action.name].sent)
                std::printf("  %.120s\n", sql.c_str());
        }
    rigs.clear();
    benchmark::Shutdown();
    return 0;
}
