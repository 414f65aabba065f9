// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A database server restarted under a running control, and a SQLite file
// locked by another writer: the user learns the cause, and the control works
// again by itself once the database answers.
#include "platform/ConnectionRecovery.h"
#include "support/ControlHarness.h"
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace belegadressen;
using namespace batest;

namespace {

// A PostgreSQL server of its own (never the one the other tests share),
// halted and started again in the same folder, so on the same port.
class OwnServer {
public:
    OwnServer() {
        mDir.setAutoRemove(false); // the script removes it on stop
        conninfo = run("start");
    }
    ~OwnServer() { run("stop"); }
    void halt() { run("halt"); }
    bool startAgain() { return run("start") == conninfo; }

    QString conninfo;

private:
    QString run(const char* command) {
        QProcess p;
        p.start("bash", {QStringLiteral(BA_SOURCE_DIR "/scripts/pg-test-server"),
                         QString::fromLatin1(command), mDir.path()});
        p.waitForFinished(120000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QTemporaryDir mDir;
};

// After the database answers again the next number loads, with no message.
void expectLoadsAgain(ControlHarness& h) {
    h.clearRecords();
    h.typeNumber("");
    h.typeNumber("10001");
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
    EXPECT_EQ(h.messages(), QStringList());
}

TEST(PostgresRestart, ALoadTellsTheLostConnectionAndWorksAgainAfterTheRestart) {
    if (postgresConnInfo().isEmpty())
        GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    OwnServer server;
    ASSERT_FALSE(server.conninfo.isEmpty());
    const QByteArray shared = qgetenv("BA_PG_CONNINFO");
    qputenv("BA_PG_CONNINFO", server.conninfo.toUtf8());
    auto h = std::make_unique<ControlHarness>(Engine::PostgreSQL);
    qputenv("BA_PG_CONNINFO", shared);
    // The host's session settings that must survive a reopening go into the
    // connect options.
    h->database().db().setConnectOptions("options=-csearch_path=" + h->database().pgSchema());

    server.halt();
    h->typeNumber("10001");
    EXPECT_EQ(h->control().GetBez1(), QString());
    const QStringList lost = h->messages().filter("unterbrochen");
    EXPECT_EQ(lost.size(), 1) << h->messages().join('\n').toStdString();
    EXPECT_TRUE(lost.value(0).contains("Die Verbindung zur Datenbank ist unterbrochen"));
    ASSERT_TRUE(server.startAgain());
    expectLoadsAgain(*h);

    // A restart inside a transaction begun through the connection: nothing of
    // it runs on a new session until it is rolled back.
    auto connection = h->database().connection();
    connection->Execute("BEGIN");
    connection->Execute("UPDATE Kundenstamm SET Bez2 = 'halb' WHERE Kundennummer = '10001'");
    server.halt();
    ASSERT_TRUE(server.startAgain());
    for (const char* sql : {"UPDATE Kundenstamm SET Bez3 = 'halb' WHERE Kundennummer = '10001'",
                            "select Bez2 from Kundenstamm", "COMMIT"}) {
        SCOPED_TRACE(sql);
        try {
            connection->Execute(QString::fromUtf8(sql));
            ADD_FAILURE() << "ran outside its transaction";
        } catch (const ConnectionTrouble& e) {
            EXPECT_TRUE(e.text().contains("verworfen")) << e.text().toStdString();
        }
    }
    connection->Execute("ROLLBACK");
    EXPECT_EQ(h->database().rows("select Bez2, Bez3 from Kundenstamm where Kundennummer = "
                                 "'10001'"),
              QStringList{"Heizung & Sanitär|"});
    connection.reset();
    h.reset();
}

// The host closed the shared database, or its own query met the lost
// session first: the control's next statement opens it again, with no message.
// A SQLite file another writer locks is told, and the next load works.
class HostMeetsTheLoss : public OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, HostMeetsTheLoss, engines(), EngineName());

TEST_P(HostMeetsTheLoss, TheControlReopensBeforeItsNextStatement) {
    ControlHarness h(engine());
    QSqlDatabase db = h.database().db();
    if (engine() == Engine::PostgreSQL)
        db.setConnectOptions("options=-csearch_path=" + h.database().pgSchema());
    db.close();
    expectLoadsAgain(h);
    if (engine() == Engine::SQLite) {
        // The host's wait for a lock; the default would hold each action 5 s.
        h.database().exec("PRAGMA busy_timeout = 50");
        {
            h.typeNumber("");
            OtherSession other(h.database());
            other.exec("BEGIN EXCLUSIVE");
            h.typeNumber("10001");
            EXPECT_EQ(h.control().GetBez1(), QString());
            EXPECT_EQ(h.messages().filter("gesperrt").size(), 1)
                << h.messages().join('\n').toStdString();
            other.exec("COMMIT");
        }
        expectLoadsAgain(h);
        return;
    }
    // The server ends the session; the host's query is the first to find out.
    const QString pid = h.database().rows("select pg_backend_pid()").value(0);
    OtherSession(h.database()).exec("select pg_terminate_backend(" + pid + ")");
    EXPECT_FALSE(QSqlQuery(db).exec("select 1"));
    // A statement that is not a select is not tried twice: it must find the
    // session open again before it runs.
    h.sql().statements.clear();
    h.database().connection()->Execute(
        "UPDATE Kundenstamm SET Bez3 = 'wieder da' WHERE Kundennummer = '10001'");
    EXPECT_EQ(h.database().rows("select Bez3 from Kundenstamm where Kundennummer = '10001'"),
              QStringList{"wieder da"});
    expectLoadsAgain(h);
}

} // namespace
