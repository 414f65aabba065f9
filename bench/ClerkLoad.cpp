// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Many clerks on one PostgreSQL server at once. The driver forks worker
// processes; each holds real controls, one session each, and runs its
// clerks round-robin, one action per turn: load a customer, search by a part
// of a word, check a new address for duplicates, change name line 4 and
// write it back (with the conflict check), check a typed place line. Every
// write-back puts a token of its own into name line 4; a trigger of the run's
// database logs each committed change of that line, and at the end every
// logged write is checked against what its clerk saw and was told.
//
//   belegadressen-clerk-load [clerks] [seconds] [processes]
//
// BA_PG_CONNINFO names the server (the driver copies the sample into a
// database of its own there); BA_LOAD_CONNINFO, when set, is where the
// clerks connect instead (a pooler in front of that server);
// BA_LOAD_POOLER_PIDFILE, the pooler's pid file, adds its CPU to the report.
// BA_LOAD_CUSTOMERS picks the sample (1,000), BA_LOAD_SHARED how many of its
// customers the clerks change (20). BA_LOAD_BLIND_CLERK=<n> lets clerk n
// write past the control without any check: the consistency check must then
// fail (a check of the checker).
#include "../db/DatabaseSetup.h"
#include "BenchHost.h"
#include "SampleDatabases.h"
#include "control/BelegAdressen.h"
#include "data/DuplicateLookup.h"
#include "platform/SqlConnection.h"
#ifdef BA_WITH_HOST_SEARCH
#include "CustomerSearch.h"
#endif
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace ba = belegadressen;

namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

const QString kDatabase = QStringLiteral("ba_clerk_load");
const char* const kKinds[] = {"load", "search", "duplicates", "write_back", "postal"};
constexpr int kKindCount = 5;
const char* const kAnswers[] = {"Überschreiben", "Übernehmen", "Abbrechen"};

QStringList readLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) fail(QStringLiteral("cannot read ") + path);
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void exec(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) fail(q.lastError().text() + QStringLiteral(" in ") + sql);
}

// ---------------------------------------------------------------- worker

// Messages of one clerk, all kept until the clerk reads them.
class ClerkMessages final : public ba::MessageService {
public:
    void Meldung(const QVariant& text, qint16, const QString&, qint32) override {
        texts << text.toString();
    }
    void Fehlermeldung(const QString&, const QString& procedure, qint32, const QString& text,
                       bool) override {
        texts << procedure + QStringLiteral(": ") + text;
    }
    QStringList texts;
};

// Answers the conflict question with the three answers in turn; every other
// dialog is cancelled and counted.
class ClerkDialogs final : public ba::DialogRunner {
public:
    int exec(QDialog& dialog) override {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        const bool conflict = box && box->objectName() == QLatin1String("conflictQuestion");
        if (!conflict) {
            ++otherDialogs;
            return QDialog::Rejected;
        }
        questions << box->text();
        const int answer = next++ % 3;
        answers << answer;
        // Without the middle button, the middle turn overwrites.
        if (answer == 1 && !box->button(QMessageBox::No)) {
            answers.last() = 0;
            return QMessageBox::Yes;
        }
        return answer == 0 ? QMessageBox::Yes : answer == 1 ? QMessageBox::No : QMessageBox::Cancel;
    }
    void information(const QString&, const QString&) override {}
    int next = 0;
    int otherDialogs = 0, otherMessages = 0;
    QStringList questions;
    QList<int> answers;
};

struct Setup {
    QStringList customers; // the shared customers the clerks change
    QStringList words;     // parts of words to search
    QStringList postal;    // plz|ort|strasse
    std::vector<ba::PartyAddress> typed;
};

Setup readSetup(const QString& path) {
    Setup s;
    for (const QString& line : readLines(path)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f[0] == QLatin1String("K")) s.customers << f[1];
        if (f[0] == QLatin1String("S")) s.words << f[1];
        if (f[0] == QLatin1String("P")) s.postal << f[1];
        if (f[0] == QLatin1String("D")) s.typed.push_back({f[1], f[2], f[3], f[4], f[5]});
    }
    if (s.customers.size() < 2 || s.words.isEmpty() || s.postal.isEmpty() || s.typed.empty())
        fail(QStringLiteral("the setup file is incomplete"));
    return s;
}

struct Clerk {
    int id = 0;
    QSqlDatabase db;
    std::shared_ptr<ba::SqlConnection> connection;
    std::shared_ptr<ClerkMessages> messages;
    std::shared_ptr<ClerkDialogs> dialogs;
    std::unique_ptr<ba::BelegAdressen> control;
#ifdef BA_WITH_HOST_SEARCH
    std::unique_ptr<CustomerSearch> search;
#endif
    QLineEdit* line4 = nullptr;
    bool blind = false; // writes past the control (BA_LOAD_BLIND_CLERK)
    int otherMessages = 0;
    int step = 0;
    int cycle = 0;
    int writes = 0;
    QString customer; // shown
    QString base;     // name line 4 as loaded
};

QLineEdit* field(ba::BelegAdressen& c, const char* name) {
    auto* edit = c.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!edit) fail(QStringLiteral("field not found: ") + QString::fromLatin1(name));
    return edit;
}

std::unique_ptr<Clerk> makeClerk(int id, const QString& connInfo) {
    auto k = std::make_unique<Clerk>();
    k->id = id;
    k->db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("clerk-%1").arg(id));
    ba::dbsetup::setConnInfo(k->db, connInfo, kDatabase);
    if (!k->db.open()) fail(k->db.lastError().text());
    k->connection = std::make_shared<ba::SqlConnection>(k->db);
    k->messages = std::make_shared<ClerkMessages>();
    k->dialogs = std::make_shared<ClerkDialogs>();
    k->dialogs->next = id; // clerks start at different answers
    k->blind = qEnvironmentVariableIsSet("BA_LOAD_BLIND_CLERK") &&
               qEnvironmentVariableIntValue("BA_LOAD_BLIND_CLERK") == id;
    k->control = std::make_unique<ba::BelegAdressen>();
    ba::BelegAdressen& c = *k->control;
    ba::Services services;
    services.messages = k->messages;
    services.dialogs = k->dialogs;
    c.resize(900, 600);
    c.show();
    c.setServices(services);
    c.InitProperties();
    c.setAppObj(std::make_shared<BenchHost>(k->connection, QStringLiteral("Driver=PostgreSQL")));
    setUpBenchDocument(c);
    c.AddMitPostleitzahl(QStringLiteral("1"), nullptr, QString(), k->connection, false);
    k->line4 = field(c, "txtDAdr_4");
#ifdef BA_WITH_HOST_SEARCH
    k->search = std::make_unique<CustomerSearch>(k->db);
#endif
    QCoreApplication::processEvents();
    return k;
}

// One action of a clerk; answers its kind.
int act(Clerk& k, const Setup& s, QTextStream& out) {
    ba::BelegAdressen& c = *k.control;
    const int kind = k.step++ % kKindCount;
    const int i = k.cycle + k.id;
    switch (kind) {
    case 0: {
        QString next = s.customers[(k.id * 7 + k.cycle * 3) % s.customers.size()];
        if (next == k.customer)
            next = s.customers[(s.customers.indexOf(next) + 1) % s.customers.size()];
        c.fktDragNummer(next);
        k.customer = next;
        QCoreApplication::processEvents();
        k.base = k.line4->text();
        break;
    }
    case 1: {
#ifdef BA_WITH_HOST_SEARCH
        const auto found = k.search->find(s.words[i % s.words.size()]);
        (void)found;
#endif
        break;
    }
    case 2: {
        const auto found = ba::findDuplicates(*k.connection, s.typed[i % s.typed.size()]);
        (void)found;
        break;
    }
    case 3: {
        const QString token = QStringLiteral("c%1-%2").arg(k.id).arg(++k.writes);
        k.messages->texts.clear();
        k.dialogs->questions.clear();
        k.dialogs->answers.clear();
        k.line4->setText(token);
        if (k.blind) {
            // The checker's own check: a write past the control, unasked.
            QSqlQuery q(k.db);
            if (q.exec(QStringLiteral("UPDATE Kundenstamm SET Bez4 = '%1' WHERE Kundennummer = "
                                      "'%2'")
                           .arg(token, k.customer)))
                k.messages->texts << QStringLiteral("aktualisiert");
        } else {
            static_cast<QToolButton*>(c.findChild<QToolButton*>(QStringLiteral("btnAktKunde")))
                ->click();
        }
        QString outcome = QStringLiteral("other");
        const QString told = k.messages->texts.join(QStringLiteral(" / "));
        if (told.contains(QStringLiteral("aktualisiert")))
            outcome = QStringLiteral("landed");
        else if (told.contains(QStringLiteral("Es wurde nichts gespeichert")))
            outcome = QStringLiteral("cancelled");
        QStringList answers;
        for (int a : k.dialogs->answers)
            answers << QString::number(a);
        // W clerk token customer base outcome answers questions... (tab-free texts)
        out << "W\t" << k.id << '\t' << token << '\t' << k.customer << '\t' << k.base << '\t'
            << outcome << '\t' << answers.join(QLatin1Char(',')) << '\t'
            << QString(told)
                   .replace(QLatin1Char('\t'), QLatin1Char(' '))
                   .replace(QLatin1Char('\n'), QLatin1Char(' '));
        for (const QString& q : k.dialogs->questions)
            out << '\t'
                << QString(q)
                       .replace(QLatin1Char('\t'), QLatin1Char(' '))
                       .replace(QLatin1Char('\n'), QLatin1Char(' '));
        out << '\n';
        k.messages->texts.clear();
        break;
    }
    case 4: {
        // A typed place line left: postal code, place and street checked.
        const QStringList row = s.postal[i % s.postal.size()].split(QLatin1Char('|'));
        QApplication::setActiveWindow(&c);
        c.activateWindow();
        field(c, "txtDPostleitzahl")->setText(row[0]);
        field(c, "txtDAdr_5")->setText(row[2] + QStringLiteral(" 5"));
        QLineEdit* place = field(c, "txtDAdr_6");
        place->setFocus(Qt::TabFocusReason);
        place->setText(row[1].toUpper());
        k.line4->setFocus(Qt::TabFocusReason);
        ++k.cycle;
        break;
    }
    }
    QCoreApplication::processEvents();
    // A message outside the write-back (a failed load, a refused search).
    if (kind != 3 && !k.messages->texts.isEmpty()) {
        k.otherMessages += int(k.messages->texts.size());
        k.messages->texts.clear();
    }
    return kind;
}

int worker(const QStringList& args) {
    // --worker setup out ready go firstClerk clerks seconds connInfo
    const Setup setup = readSetup(args[2]);
    const QString outPath = args[3], readyPath = args[4], goPath = args[5];
    const int first = args[6].toInt(), count = args[7].toInt();
    const double seconds = args[8].toDouble();
    const QString connInfo = args[9];
    std::vector<std::unique_ptr<Clerk>> clerks;
    for (int n = 0; n < count; ++n)
        clerks.push_back(makeClerk(first + n, connInfo));
    QFile(readyPath).open(QIODevice::WriteOnly);
    while (!QFile::exists(goPath))
        QThread::msleep(5);
    QFile file(outPath);
    if (!file.open(QIODevice::WriteOnly)) fail(QStringLiteral("cannot write ") + outPath);
    QTextStream out(&file);
    std::vector<std::vector<qint64>> micros(kKindCount);
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    // Whole cycles only, so that no clerk stops between its load and its write.
    bool running = true;
    while (running) {
        for (int step = 0; step < kKindCount; ++step)
            for (auto& k : clerks) {
                const auto start = Clock::now();
                const int kind = act(*k, setup, out);
                micros[kind].push_back(
                    std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start)
                        .count());
            }
        running = Clock::now() < end;
    }
    int other = 0, messages = 0;
    for (auto& k : clerks) {
        other += k->dialogs->otherDialogs;
        messages += k->otherMessages;
    }
    out << "O\t" << other << '\t' << messages << '\n';
    for (int kind = 0; kind < kKindCount; ++kind) {
        out << "T\t" << kind;
        for (qint64 m : micros[kind])
            out << '\t' << m;
        out << '\n';
    }
    out.flush();
    clerks.clear();
    return 0;
}

// ---------------------------------------------------------------- driver

// CPU seconds of the server: the postmaster, its live children and the
// children it already reaped.
double serverCpu(qint64 postmaster) {
    const double tick = double(sysconf(_SC_CLK_TCK));
    double total = 0;
    const auto fieldsOf = [](const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return QStringList();
        const QString text = QString::fromLatin1(f.readAll());
        return text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
    };
    // After ")": state ppid ... utime(11) stime(12) cutime(13) cstime(14).
    const QStringList own = fieldsOf(QStringLiteral("/proc/%1/stat").arg(postmaster));
    if (own.size() < 15) return -1;
    for (int f : {11, 12, 13, 14})
        total += own[f].toDouble();
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (!pid[0].isDigit()) continue;
        const QStringList child = fieldsOf(QStringLiteral("/proc/%1/stat").arg(pid));
        if (child.size() < 15 || child[1].toLongLong() != postmaster) continue;
        total += child[11].toDouble() + child[12].toDouble();
    }
    return total / tick;
}

// CPU seconds of one process (the pooler), -1 when it cannot be read.
double processCpu(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !f.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(f.readAll());
    const QStringList fields =
        text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
    if (fields.size() < 13) return -1;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double percentile(std::vector<qint64>& v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t at =
        std::min(v.size() - 1, std::size_t(std::max(0.0, p / 100.0 * double(v.size()) - 1e-9)));
    return double(v[at]) / 1000.0;
}

struct Write {
    int clerk = 0;
    QString token, customer, base, outcome, told;
    QList<int> answers;
    QStringList questions;
};

int driver(int clerks, double seconds, int processes) {
    const char* load = std::getenv("BA_LOAD_CONNINFO");
    const PostgresSample sample =
        samplePostgres(qEnvironmentVariableIntValue("BA_LOAD_CUSTOMERS") > 0
                           ? qEnvironmentVariableIntValue("BA_LOAD_CUSTOMERS")
                           : 1000);
    const QString clerkConnInfo = load && *load ? QString::fromLocal8Bit(load) : sample.connInfo;
    {
        // A fresh copy of the sample for each run, the sample itself untouched.
        QSqlDatabase admin =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        ba::dbsetup::setConnInfo(admin, sample.connInfo, QStringLiteral("postgres"));
        if (!admin.open()) fail(admin.lastError().text());
        QSqlQuery q(admin);
        exec(q, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(kDatabase));
        exec(q, QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(kDatabase, sample.dbname));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("driver"));
    ba::dbsetup::setConnInfo(db, sample.connInfo, kDatabase);
    if (!db.open()) fail(db.lastError().text());
    QSqlQuery q(db);
    const int shared = qEnvironmentVariableIntValue("BA_LOAD_SHARED") > 0
                           ? qEnvironmentVariableIntValue("BA_LOAD_SHARED")
                           : 20;
    QTemporaryDir dir;
    QFile setupFile(dir.filePath(QStringLiteral("setup")));
    if (!setupFile.open(QIODevice::WriteOnly)) fail(QStringLiteral("no temporary folder"));
    QTextStream setup(&setupFile);
    exec(q,
         QStringLiteral("SELECT Kundennummer, COALESCE(Vorname, ''), Bez1, Straße, PLZ, Ort FROM "
                        "Kundenstamm WHERE Land = 'D' AND Kundennummer NOT LIKE 'S-%' AND "
                        "COALESCE(InterneBemerkung, '') = '' AND Bez1 IS NOT NULL AND Straße "
                        "IS NOT NULL AND (KostID IS NULL OR KostID = 0) AND "
                        "COALESCE(TRIM(Währung), '') IN ('', '0', 'EUR') ORDER BY Kundennummer "
                        "LIMIT %1")
             .arg(shared));
    QStringList customers;
    while (q.next()) {
        customers << q.value(0).toString();
        setup << "K\t" << q.value(0).toString() << '\n';
        setup << "D\t" << q.value(1).toString() << '\t' << q.value(2).toString() << '\t'
              << q.value(3).toString() << '\t' << q.value(4).toString() << '\t'
              << q.value(5).toString() << '\n';
        const QString name = q.value(2).toString();
        for (const QString& word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (word.size() >= 6) setup << "S\t" << word.mid(1, 4) << '\n';
    }
    if (customers.size() < 2) fail(QStringLiteral("the sample has too few customers"));
    setup << "S\tstra\n";
    exec(q, QStringLiteral("SELECT Plz || '|' || Ort || '|' || Strasse FROM Postleitzahlen WHERE "
                           "Strasse IS NOT NULL ORDER BY Plz, Strasse LIMIT 20"));
    while (q.next())
        setup << "P\t" << q.value(0).toString() << '\n';
    setup.flush();
    setupFile.close();
    // Name line 4 of the shared customers starts equal; each change of it is
    // logged. Lines 2 and 3 filled, so that the shown lines do not move up.
    exec(q, QStringLiteral("UPDATE Kundenstamm SET Bez2 = 'Abteilung Einkauf', "
                           "Bez3 = 'Gebäude 2', Bez4 = 'start' WHERE Kundennummer IN ('%1')")
                .arg(customers.join(QStringLiteral("', '"))));
    exec(q, QStringLiteral("CREATE TABLE clerk_writes (id bigserial PRIMARY KEY, kunde text, "
                           "old_value text, new_value text)"));
    exec(q, QStringLiteral(
                "CREATE FUNCTION clerk_log() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                "IF OLD.Bez4 IS DISTINCT FROM NEW.Bez4 THEN INSERT INTO clerk_writes (kunde, "
                "old_value, new_value) VALUES (NEW.Kundennummer, OLD.Bez4, NEW.Bez4); END IF; "
                "RETURN NEW; END $$"));
    exec(q, QStringLiteral("CREATE TRIGGER clerk_log AFTER UPDATE ON Kundenstamm FOR EACH ROW "
                           "EXECUTE FUNCTION clerk_log()"));
    exec(q, QStringLiteral("SELECT pg_backend_pid()"));
    q.next();
    qint64 postmaster = 0;
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(q.value(0).toLongLong()));
        if (stat.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromLatin1(stat.readAll());
            postmaster = text.mid(text.lastIndexOf(QLatin1Char(')')) + 2)
                             .split(QLatin1Char(' '))[1]
                             .toLongLong();
        }
    }

    // The workers: clerks spread evenly.
    processes = std::max(1, std::min(processes, clerks));
    std::vector<std::unique_ptr<QProcess>> workers;
    const QString go = dir.filePath(QStringLiteral("go"));
    int first = 0;
    for (int p = 0; p < processes; ++p) {
        const int count = clerks / processes + (p < clerks % processes ? 1 : 0);
        auto w = std::make_unique<QProcess>();
        w->setProcessChannelMode(QProcess::ForwardedChannels);
        w->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--worker"), setupFile.fileName(),
                  dir.filePath(QStringLiteral("out-%1").arg(p)),
                  dir.filePath(QStringLiteral("ready-%1").arg(p)), go, QString::number(first),
                  QString::number(count), QString::number(seconds), clerkConnInfo});
        first += count;
        workers.push_back(std::move(w));
    }
    for (int p = 0; p < processes; ++p)
        while (!QFile::exists(dir.filePath(QStringLiteral("ready-%1").arg(p)))) {
            if (workers[p]->state() == QProcess::NotRunning)
                fail(QStringLiteral("a worker ended early"));
            QThread::msleep(20);
        }
    double loadBefore = 0;
    getloadavg(&loadBefore, 1);
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    const double cpuBefore = serverCpu(postmaster);
    // BA_LOAD_POOLER_PIDFILE: the pooler's pid file, to report its CPU too.
    qint64 pooler = 0;
    if (const QString pidFile = qEnvironmentVariable("BA_LOAD_POOLER_PIDFILE");
        !pidFile.isEmpty()) {
        QFile f(pidFile);
        if (f.open(QIODevice::ReadOnly)) pooler = f.readAll().trimmed().toLongLong();
    }
    const double poolerBefore = processCpu(pooler);
    const auto start = std::chrono::steady_clock::now();
    QFile(go).open(QIODevice::WriteOnly);
    bool workersOk = true;
    for (auto& w : workers) {
        w->waitForFinished(-1);
        workersOk = workersOk && w->exitStatus() == QProcess::NormalExit && w->exitCode() == 0;
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    QThread::msleep(300); // the backends of the closed sessions reaped
    const double cpuAfter = serverCpu(postmaster);
    const double poolerAfter = processCpu(pooler);
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    const auto seconds_ = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    const double clientCpu = seconds_(after.ru_utime) + seconds_(after.ru_stime) -
                             seconds_(before.ru_utime) - seconds_(before.ru_stime);

    // Collect.
    std::vector<std::vector<qint64>> micros(kKindCount);
    std::map<QString, Write> writes; // by token
    int otherDialogs = 0, otherMessages = 0;
    for (int p = 0; p < processes; ++p)
        for (const QString& line : readLines(dir.filePath(QStringLiteral("out-%1").arg(p)))) {
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f[0] == QLatin1String("T"))
                for (int n = 2; n < f.size(); ++n)
                    micros[f[1].toInt()].push_back(f[n].toLongLong());
            else if (f[0] == QLatin1String("O")) {
                otherDialogs += f[1].toInt();
                otherMessages += f[2].toInt();
            } else if (f[0] == QLatin1String("W")) {
                Write w{f[1].toInt(), f[2], f[3], f[4], f[5], f[7], {}, f.mid(8)};
                for (const QString& a : f[6].split(QLatin1Char(','), Qt::SkipEmptyParts))
                    w.answers << a.toInt();
                writes[w.token] = w;
            }
        }

    // The consistency check.
    QStringList faults;
    const auto fault = [&faults](const QString& text) {
        if (faults.size() < 20) faults << text;
    };
    std::map<QString, QString> last; // customer -> value after the logged writes
    for (const QString& c : customers)
        last[c] = QStringLiteral("start");
    std::set<QString> logged;
    exec(q, QStringLiteral("SELECT kunde, old_value, new_value FROM clerk_writes ORDER BY id"));
    int loggedCount = 0;
    while (q.next()) {
        ++loggedCount;
        const QString kunde = q.value(0).toString(), old = q.value(1).toString(),
                      now = q.value(2).toString();
        if (last[kunde] != old)
            fault(QStringLiteral("%1: a write found %2, the one before wrote %3")
                      .arg(kunde, old, last[kunde]));
        last[kunde] = now;
        const auto w = writes.find(now);
        if (w == writes.end()) {
            fault(QStringLiteral("%1: %2 written by no recorded write-back").arg(kunde, now));
            continue;
        }
        logged.insert(now);
        const Write& wb = w->second;
        if (wb.customer != kunde) fault(QStringLiteral("%1 landed on %2").arg(now, kunde));
        if (wb.outcome != QLatin1String("landed"))
            fault(QStringLiteral("%1 landed, its clerk was told: %2").arg(now, wb.told));
        // What it replaced was either what the clerk loaded or what the
        // clerk was shown in a question it answered with Überschreiben.
        bool seen = old == wb.base;
        for (int n = 0; n < wb.questions.size() && n < wb.answers.size(); ++n)
            if (wb.answers[n] == 0 &&
                wb.questions[n].contains(QStringLiteral("Name 4: „%1“").arg(old)))
                seen = true;
        if (!seen)
            fault(QStringLiteral("%1 on %2 overwrote %3 unseen (loaded %4, asked %5 times)")
                      .arg(now, kunde, old, wb.base)
                      .arg(wb.questions.size()));
    }
    int answers[3] = {0, 0, 0};
    std::map<QString, int> outcomes;
    for (const auto& [token, w] : writes) {
        ++outcomes[w.outcome];
        for (int a : w.answers)
            ++answers[a];
        const bool tookOver = w.answers.contains(1);
        // Told it landed with its own value: the token must be in the log.
        if (w.outcome == QLatin1String("landed") && !tookOver && !logged.count(token))
            fault(QStringLiteral("%1 was told landed but is not in the row's history").arg(token));
        if (w.outcome == QLatin1String("other"))
            fault(QStringLiteral("%1: unexpected answer: %2").arg(token, w.told));
    }
    exec(q, QStringLiteral("SELECT Kundennummer, COALESCE(Bez4, '') FROM Kundenstamm WHERE "
                           "Kundennummer IN ('%1')")
                .arg(customers.join(QStringLiteral("', '"))));
    while (q.next())
        if (last[q.value(0).toString()] != q.value(1).toString())
            fault(QStringLiteral("%1 holds %2, its last logged write was %3")
                      .arg(q.value(0).toString(), q.value(1).toString(),
                           last[q.value(0).toString()]));

    // Report.
    std::size_t actions = 0;
    for (const auto& m : micros)
        actions += m.size();
    std::printf("clerks %d, processes %d, %s, %.1f s, load average %.2f before the run\n", clerks,
                processes, load && *load ? "through BA_LOAD_CONNINFO" : "direct", wall, loadBefore);
    std::printf("actions %zu, %.1f actions/s; server CPU %.1f s (%.0f %% of one core); clients "
                "CPU %.1f s (%.0f %%)\n",
                actions, double(actions) / wall, cpuAfter - cpuBefore,
                100 * (cpuAfter - cpuBefore) / wall, clientCpu, 100 * clientCpu / wall);
    if (poolerBefore >= 0 && poolerAfter >= 0)
        std::printf("pooler CPU %.1f s (%.0f %% of one core)\n", poolerAfter - poolerBefore,
                    100 * (poolerAfter - poolerBefore) / wall);
    std::printf("| action | count | p50 ms | p95 ms | p99 ms |\n|---|---|---|---|---|\n");
    for (int kind = 0; kind < kKindCount; ++kind) {
        auto& v = micros[kind];
        const std::size_t n = v.size();
        const double p50 = percentile(v, 50), p95 = percentile(v, 95), p99 = percentile(v, 99);
        std::printf("| %s | %zu | %.1f | %.1f | %.1f |\n", kKinds[kind], n, p50, p95, p99);
    }
    std::printf("write-backs %zu: landed %d, cancelled %d, other %d; committed changes of the "
                "line %d; questions answered: %s %d, %s %d, %s %d; other dialogs %d, "
                "messages outside write-backs %d\n",
                writes.size(), outcomes[QStringLiteral("landed")],
                outcomes[QStringLiteral("cancelled")], outcomes[QStringLiteral("other")],
                loggedCount, kAnswers[0], answers[0], kAnswers[1], answers[1], kAnswers[2],
                answers[2], otherDialogs, otherMessages);
    if (otherMessages > 0) fault(QStringLiteral("messages outside the write-backs"));
    std::printf("consistency: %s\n", faults.isEmpty() && workersOk ? "passed" : "FAILED");
    for (const QString& f : faults)
        std::printf("  %s\n", qPrintable(f));
    return faults.isEmpty() && workersOk ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    try {
        if (args.size() > 1 && args[1] == QLatin1String("--worker")) return worker(args);
        const int clerks = args.size() > 1 ? args[1].toInt() : 10;
        const double seconds = args.size() > 2 ? args[2].toDouble() : 20;
        const int processes = args.size() > 3 ? args[3].toInt() : 4;
        return driver(std::max(1, clerks), seconds, processes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "belegadressen-clerk-load: %s\n", e.what());
        return 2;
    }
}
