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

namespace {

struct Relayed {
    batest::RoundTripProxy proxy;
    QString name;
    QSqlDatabase db;
    std::shared_ptr<belegadressen::SqlConnection> connection;

    // A second session on the schema of `database`, through the relay.
    explicit Relayed(const batest::TestDatabase& database)
        : proxy(batest::serverPortOf(batest::postgresConnInfo().toStdString()), 0us),
          name(QStringLiteral("relayed_") + database.pgSchema()) {
        db = batest::openPostgres(name,
                                  QString::fromStdString(batest::throughProxy(
                                      batest::postgresConnInfo().toStdString(), proxy.port())));
        QSqlQuery(db).exec(QStringLiteral("SET search_path TO ") + database.pgSchema());
        connection = std::make_shared<belegadressen::SqlConnection>(db);
        proxy.reset();
    }
    ~Relayed() {
        connection.reset();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

bool haveServer() { return !batest::postgresConnInfo().isEmpty(); }

} // namespace

// Every statement is checked against the session settings; the check reads
// what the server reported and must not ask it.
TEST(RoundTrips, SessionCheckCostsNoneAndStillRefusesAChangedSession) {
    if (!haveServer()) GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    batest::TestDatabase database(batest::Engine::PostgreSQL, false);
    database.exec(QStringLiteral("CREATE TABLE Probe (Wert text)"));
    Relayed relayed(database);
    const char* statements[] = {
        "select Wert from Probe",
        "insert into Probe (Wert) values ('Straße')",
        "insert into Probe (Wert) values ('C:\\temp')",
        "select Wert from Probe where Wert = 'Fußtext'",
    };
    for (const char* sql : statements) {
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

// The control's actions through the relay. Besides the exact counts of the
// loads, nothing may reach the server that the control did not send.
TEST(RoundTrips, EachActionCostsItsStatementsOnly) {
    if (!haveServer()) GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    batest::ControlHarness h(batest::Engine::PostgreSQL);
    Relayed relayed(h.database());
    h.sql().reroute(relayed.connection);
    auto& w = h.control();
    const struct {
        const char* what;
        std::function<void()> act;
        int roundTrips;
    } actions[] = {
        // Customer select and the home currency's rate.
        {"home currency, no cost assignment", [&] { w.fktDragNummer("10003"); }, 2},
        // ... and the cost assignment of its KostID.
        {"home currency, cost assignment", [&] { w.fktDragNummer("10001"); }, 3},
        // ... and the foreign currency's rate.
        {"foreign currency", [&] { w.fktDragNummer("10002"); }, 3},
        {"internal remark", [&] { w.fktDragNummer("O'Brien"); }, 2},
        {"unknown number", [&] { w.fktDragNummer("99999"); }, 1},
        {"general address", [&] { w.fktDragNummerAdresse("A-100"); }, 1},
        {"number left unchanged", [&] { h.typeNumber(w.GetNummer()); }, 0},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.what);
        h.sql().statements.clear();
        relayed.proxy.reset();
        action.act();
        EXPECT_EQ(relayed.proxy.roundTrips(), h.sql().statements.size());
        EXPECT_EQ(relayed.proxy.roundTrips(), action.roundTrips)
            << h.sql().statements.join("\n").toStdString();
    }
}

// A postal check answers all its questions (the code's rows, the place's rows
// of the street, the place's rows) in one statement, whatever it finds.
TEST(RoundTrips, APostalCheckCostsOne) {
    if (!haveServer()) GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    batest::ControlHarness h(batest::Engine::PostgreSQL);
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
    auto postal = std::make_shared<batest::RecordingConnection>(relayed.connection);
    auto& w = h.control();
    w.AddMitPostleitzahl("1", nullptr, QString(), postal, false);
    w.fktDragNummer("10001");
    // Corrections are taken, so that the whole action runs.
    h.services().script = [](QDialog&) { return int(QDialog::Accepted); };
    const auto set = [&](const char* plz, const char* ort, const char* strasse) {
        h.edit("txtDPostleitzahl")->setText(QString::fromUtf8(plz));
        h.edit("txtDAdr_6")->setText(QString::fromUtf8(ort));
        h.edit("txtDAdr_5")->setText(QString::fromUtf8(strasse));
    };
    const auto typeAndLeave = [&](const char* field, const char* text) {
        h.focus(QString::fromUtf8(field));
        h.edit(QString::fromUtf8(field))->selectAll();
        QTest::keyClicks(h.edit(QString::fromUtf8(field)), QString::fromUtf8(text));
        h.focus(QStringLiteral("txtDAdr_5"));
    };
    const struct {
        const char* what;
        const char *plz, *ort, *strasse;
        std::function<void()> act;
        const char* after; // the address afterwards, "Plz|Ort|Straße"
    } actions[] = {
        {"postal code left", "", "", "Hauptstraße 1",
         [&] { typeAndLeave("txtDPostleitzahl", "31112"); }, "31112|Neustadt|Hauptstraße 1"},
        {"place line left, confirmed", "70173", "", "Königstr. 5",
         [&] { typeAndLeave("txtDAdr_6", "stuttgart"); }, "70173|Stuttgart|Königstraße 5"},
        {"place line left, the street of another code", "31111", "", "Lindenweg 4",
         [&] { typeAndLeave("txtDAdr_6", "Neustadt"); }, "31112|Neustadt|Lindenweg 4"},
        {"place line left, a place the typed one begins", "", "", "",
         [&] { typeAndLeave("txtDAdr_6", "Frankfurt"); }, "60311|Frankfurt am Main|"},
        {"search button, postal code and street only", "31112", "", "Lindenweg 7",
         [&] { static_cast<QToolButton*>(h.widget(QStringLiteral("btnPlz")))->click(); },
         "31112|Neustadt|Lindenweg 7"},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.what);
        set(action.plz, action.ort, action.strasse);
        h.sql().statements.clear();
        postal->statements.clear();
        relayed.proxy.reset();
        action.act();
        const QStringList sent = h.sql().statements + postal->statements;
        EXPECT_EQ(relayed.proxy.roundTrips(), sent.size());
        EXPECT_EQ(relayed.proxy.roundTrips(), 1) << sent.join("\n").toStdString();
        EXPECT_EQ(QStringList({h.edit("txtDPostleitzahl")->text(), h.edit("txtDAdr_6")->text(),
                               h.edit("txtDAdr_5")->text()})
                      .join('|'),
                  QString::fromUtf8(action.after));
    }
}
