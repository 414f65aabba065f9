// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Round trips on PostgreSQL, counted at a relay between the control and the
// server: an action costs its own statements and nothing more.
#include "contracts/Error.h"
#include "platform/PostalImport.h"
#include "support/ControlHarness.h"
#include "support/RoundTripProxy.h"
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using namespace batest;

namespace {

struct Relayed {
    RoundTripProxy proxy;
    QString name;
    QSqlDatabase db;
    std::shared_ptr<belegadressen::SqlConnection> connection;

    // A second session on the schema of `database`, through the relay.
    explicit Relayed(const TestDatabase& database)
        : proxy(serverPortOf(postgresConnInfo().toStdString()), 0us),
          name(QStringLiteral("relayed_") + database.pgSchema()) {
        db = openPostgres(name, QString::fromStdString(
                                    throughProxy(postgresConnInfo().toStdString(), proxy.port())));
        QSqlQuery(db).exec(QStringLiteral("SET search_path TO ") + database.pgSchema());
        connection = std::make_shared<belegadressen::SqlConnection>(db);
        proxy.reset();
    }
    ~Relayed() {
        connection.reset();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

class RoundTrips : public testing::Test {
    void SetUp() override {
        if (postgresConnInfo().isEmpty())
            GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    }
};

} // namespace

// Every statement is checked against the session settings; the check reads
// what the server reported and must not ask it.
TEST_F(RoundTrips, SessionCheckCostsNoneAndStillRefusesAChangedSession) {
    TestDatabase database(Engine::PostgreSQL, false);
    database.exec(QStringLiteral("CREATE TABLE Probe (Wert text)"));
    Relayed relayed(database);
    for (const char* sql : {"select Wert from Probe", "insert into Probe (Wert) values ('Straße')",
                            "insert into Probe (Wert) values ('C:\\temp')",
                            "select Wert from Probe where Wert = 'Fußtext'"}) {
        SCOPED_TRACE(sql);
        relayed.proxy.reset();
        relayed.connection->Execute(QString::fromUtf8(sql));
        EXPECT_EQ(relayed.proxy.roundTrips(), 1);
    }
    // The host switches the session over; the refusal needs no round trip either.
    ASSERT_TRUE(QSqlQuery(relayed.db).exec(QStringLiteral("set client_encoding = 'LATIN1'")));
    relayed.proxy.reset();
    EXPECT_THROW(relayed.connection->Execute(QStringLiteral("select 'Straße'")),
                 belegadressen::Error);
    EXPECT_EQ(relayed.proxy.roundTrips(), 0);
}

// The control's actions through the relay. Besides the exact counts, nothing
// may reach the server that the control did not send.
TEST_F(RoundTrips, EachActionCostsItsStatementsOnly) {
    ControlHarness h(Engine::PostgreSQL);
    Relayed relayed(h.database());
    h.sql().reroute(relayed.connection);
    auto& w = h.control();
    w.SetzeAnzSeiten(1, 1);
    w.setMitKundenaktualisierung(true);
    const std::tuple<const char*, std::function<void()>, int> actions[] = {
        // Customer select and the home currency's rate.
        {"home currency, no cost assignment", [&] { w.fktDragNummer("10003"); }, 2},
        // ... and the cost assignment of its KostID.
        {"home currency, cost assignment", [&] { w.fktDragNummer("10001"); }, 3},
        // One transaction: whether one is open, BEGIN, the two locked existence
        // checks with the compared columns, the update, COMMIT.
        {"write-back", [&] { static_cast<QToolButton*>(h.widget("btnAktKunde"))->click(); }, 6},
        // ... and the foreign currency's rate.
        {"foreign currency", [&] { w.fktDragNummer("10002"); }, 3},
        {"internal remark", [&] { w.fktDragNummer("O'Brien"); }, 2},
        {"unknown number", [&] { w.fktDragNummer("99999"); }, 1},
        {"general address", [&] { w.fktDragNummerAdresse("A-100"); }, 1},
        {"number left unchanged", [&] { h.typeNumber(w.GetNummer()); }, 0}};
    for (const auto& [what, act, roundTrips] : actions) {
        SCOPED_TRACE(what);
        h.sql().statements.clear();
        relayed.proxy.reset();
        act();
        EXPECT_EQ(relayed.proxy.roundTrips(), h.sql().statements.size());
        EXPECT_EQ(relayed.proxy.roundTrips(), roundTrips)
            << h.sql().statements.join("\n").toStdString();
    }
}

// A postal check answers all its questions (the code's rows, the place's rows
// of the street, the place's rows) in one statement, whatever it finds.
TEST_F(RoundTrips, APostalCheckCostsOne) {
    ControlHarness h(Engine::PostgreSQL);
    belegadressen::PostalImport::write(h.database().db(), "D",
                                       {{"70173", "Stuttgart", "Mitte", "Hauptstraße"},
                                        {"70173", "Stuttgart", "Mitte", "Königstraße"},
                                        {"31111", "Neustadt", "", "Marktplatz"},
                                        {"31112", "Neustadt", "", "Lindenweg"},
                                        {"88045", "Friedrichshafen", "", ""},
                                        {"88045", "Immenstaad", "", ""},
                                        {"60311", "Frankfurt am Main", "", ""}});
    Relayed relayed(h.database());
    h.sql().reroute(relayed.connection);
    // The manager reads through a recorder of its own, so that its statements
    // are counted beside the control's.
    auto postal = std::make_shared<RecordingConnection>(relayed.connection);
    auto& w = h.control();
    w.AddMitPostleitzahl("1", nullptr, QString(), postal, false);
    w.fktDragNummer("10001");
    // Corrections are taken, so that the whole action runs.
    h.services().script = [](QDialog&) { return int(QDialog::Accepted); };
    // The address before, the field typed into and left (none: the search
    // button), and the address afterwards, "Plz|Ort|Straße".
    const std::tuple<QStringList, const char*, const char*, const char*> actions[] = {
        {{"", "", "Hauptstraße 1"}, "txtDPostleitzahl", "31112", "31112|Neustadt|Hauptstraße 1"},
        {{"70173", "", "Königstr. 5"}, "txtDAdr_6", "stuttgart", "70173|Stuttgart|Königstraße 5"},
        // The street of another code, and a place the typed one begins.
        {{"31111", "", "Lindenweg 4"}, "txtDAdr_6", "Neustadt", "31112|Neustadt|Lindenweg 4"},
        {{"", "", ""}, "txtDAdr_6", "Frankfurt", "60311|Frankfurt am Main|"},
        {{"31112", "", "Lindenweg 7"}, nullptr, nullptr, "31112|Neustadt|Lindenweg 7"}};
    const QStringList fields{"txtDPostleitzahl", "txtDAdr_6", "txtDAdr_5"};
    for (const auto& [before, field, typed, after] : actions) {
        SCOPED_TRACE(after);
        for (int i = 0; i < 3; ++i)
            h.edit(fields[i])->setText(before[i]);
        h.sql().statements.clear();
        postal->statements.clear();
        relayed.proxy.reset();
        if (field) {
            h.focus(field);
            h.edit(field)->selectAll();
            QTest::keyClicks(h.edit(field), QString::fromUtf8(typed));
            h.focus("txtDAdr_5");
        } else {
            static_cast<QToolButton*>(h.widget("btnPlz"))->click();
        }
        const QStringList sent = h.sql().statements + postal->statements;
        EXPECT_EQ(relayed.proxy.roundTrips(), sent.size());
        EXPECT_EQ(relayed.proxy.roundTrips(), 1) << sent.join("\n").toStdString();
        QStringList shown;
        for (const QString& f : fields)
            shown << h.edit(f)->text();
        EXPECT_EQ(shown.join('|'), QString::fromUtf8(after));
    }
}
