// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Filling the duplicate keys of many rows on both engines: in batches, past a
// row the database refuses, two fills at once, and rows changed meanwhile.
#include "contracts/Error.h"
#include "data/DuplicateLookup.h"
#include "platform/WriteTransaction.h"
#include "support/RecordingConnection.h"
#include "support/TestDatabase.h"
#include "support/ThreadSession.h"
#include <QSqlQuery>
#include <atomic>
#include <thread>

using namespace belegadressen;
using namespace batest;

namespace {

class KeyFill : public OnEachEngine<> {
protected:
    // `n` customers K10001... and a tenth as many general addresses, without keys.
    static void addRows(TestDatabase& db, int n) {
        const QString rows = QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
        db.exec(rows.arg(n) +
                "INSERT INTO Kundenstamm (Kundennummer, Vorname, Bez1, Straße, PLZ, Ort) SELECT "
                "'K' || (10000 + i), CASE WHEN i % 3 = 0 THEN NULL ELSE 'Anna' END, 'Firma ' || "
                "i, 'Weg ' || i, '24103', 'Kiel' FROM n");
        db.exec(rows.arg(n / 10) +
                "INSERT INTO Adressenstamm (AdressNummer, Bez1, Straße, PLZ, Ort) SELECT "
                "'A' || (10000 + i), 'Lieferant ' || i, NULL, '24103', 'Kiel' FROM n");
    }
    // Rows whose keys are neither missing nor those of their current values.
    static QStringList staleKeys(TestDatabase& db) {
        QStringList stale;
        for (const char* sql :
             {"SELECT Kundennummer, Vorname, Bez1, Straße, Ort, Namensschluessel, "
              "Anschriftschluessel FROM Kundenstamm",
              "SELECT AdressNummer, Vorname, Bez1, Straße, Ort, Namensschluessel, "
              "Anschriftschluessel FROM Adressenstamm"}) {
            QSqlQuery q(db.db());
            if (!q.exec(QString::fromUtf8(sql))) return {"cannot read"};
            while (q.next()) {
                if (q.isNull(5) && q.isNull(6)) continue;
                if (q.value(5).toString() !=
                        nameKey(q.value(1).toString(), q.value(2).toString()) ||
                    q.value(6).toString() !=
                        addressKey(q.value(3).toString(), q.value(4).toString()))
                    stale << q.value(0).toString();
            }
        }
        return stale;
    }
    static int unkeyed(TestDatabase& db) {
        return db
            .rows("SELECT (SELECT count(*) FROM Kundenstamm WHERE Namensschluessel IS NULL) + "
                  "(SELECT count(*) FROM Adressenstamm WHERE Namensschluessel IS NULL)")
            .value(0)
            .toInt();
    }
};
INSTANTIATE_TEST_SUITE_P(, KeyFill, engines(), EngineName());

// A row the database refuses to key is skipped and counted, and the rows
// after it are keyed all the same; a few statements per batch of rows, not
// one per row, also in the batch the refused row is in.
TEST_P(KeyFill, KeysInBatchesAndSkipsARowItCannotKey) {
    TestDatabase db(engine());
    addRows(db, 2500);
    if (engine() == Engine::SQLite)
        db.exec("CREATE TRIGGER refuse BEFORE UPDATE OF Namensschluessel ON Kundenstamm WHEN "
                "new.Kundennummer = 'K11042' BEGIN SELECT raise(abort, 'refused'); END");
    else
        db.exec("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE "
                "EXCEPTION 'refused'; END $$; CREATE TRIGGER refuse BEFORE UPDATE ON Kundenstamm "
                "FOR EACH ROW WHEN (new.Kundennummer = 'K11042') EXECUTE FUNCTION refuse()");
    RecordingConnection recorded(db.connection());
    DuplicateKeyFill fill;
    ASSERT_NO_THROW(fill = fillDuplicateKeys(recorded));
    EXPECT_EQ(fill.keyed, 2749);
    EXPECT_EQ(fill.skipped, 1);
    EXPECT_EQ(db.rows("SELECT Kundennummer FROM Kundenstamm WHERE Namensschluessel IS NULL"),
              QStringList{"K11042"});
    EXPECT_EQ(unkeyed(db), 1);
    EXPECT_TRUE(staleKeys(db).isEmpty());
    EXPECT_LT(recorded.statements.size(), 60) << "one statement per row";
    EXPECT_EQ(fillDuplicateKeys(*db.connection()).skipped, 1) << "refused again, nothing else";
}

// A fill on a connection whose host has a transaction open is refused: its
// commit would otherwise commit the host's unfinished work with it.
TEST_P(KeyFill, RefusedInsideATransactionOfTheHost) {
    TestDatabase db(engine());
    addRows(db, 10);
    db.exec("BEGIN");
    db.exec("INSERT INTO Kundenstamm (Kundennummer, Bez1) VALUES ('H1', 'Unfertig')");
    EXPECT_THROW(fillDuplicateKeys(*db.connection()), HostTransactionOpen);
    db.exec("ROLLBACK");
    EXPECT_EQ(db.rows("SELECT count(*) FROM Kundenstamm WHERE Kundennummer = 'H1'"),
              QStringList{"0"});
    EXPECT_EQ(unkeyed(db), 11);
}

// Another program changes rows while the fill runs: no row keeps keys made
// from its old values. On SQLite the change waits for the batch it falls
// into; on PostgreSQL it lands in the middle of it.
TEST_P(KeyFill, ARowChangedDuringTheFillKeepsNoStaleKey) {
    TestDatabase db(engine());
    addRows(db, 2500);
    OtherSession other(db);
    if (engine() == Engine::SQLite) {
        QSqlDatabase odb = other.db();
        odb.close();
        odb.setConnectOptions("QSQLITE_BUSY_TIMEOUT=50");
        ASSERT_TRUE(odb.open());
    }
    // Before the fill's first write: a row it has read and one of a later batch.
    struct Meddling : RecordingConnection {
        using RecordingConnection::RecordingConnection;
        std::shared_ptr<Recordset> Execute(const QString& sql) override {
            const QString word = sql.section(' ', 0, 0).toLower();
            if (!changed && (word == "update" || word == "with")) tryChange();
            auto rs = RecordingConnection::Execute(sql);
            if (!changed && attempted && word == "commit") tryChange();
            return rs;
        }
        void tryChange() {
            attempted = true;
            QSqlQuery q(session->db());
            changed = q.exec("UPDATE Kundenstamm SET Bez1 = 'Umbenannt GmbH', Ort = 'Kühlungsborn' "
                             "WHERE Kundennummer IN ('K10001', 'K10002', 'K12400')");
        }
        OtherSession* session = nullptr;
        bool attempted = false, changed = false;
    } meddling(db.connection());
    meddling.session = &other;
    ASSERT_NO_THROW(fillDuplicateKeys(meddling));
    ASSERT_TRUE(meddling.changed);
    EXPECT_EQ(staleKeys(db), QStringList());
    // The rows changed after they were read are left to the next fill.
    fillDuplicateKeys(*db.connection());
    EXPECT_EQ(unkeyed(db), 0);
    EXPECT_EQ(staleKeys(db), QStringList());
}

// Two fills at once, each on a connection of its own: neither fails, each row
// is keyed by one of them, and when both have returned no row is left.
TEST_P(KeyFill, TwoFillsAtOnceShareTheRowsAndKeyEachOnce) {
    TestDatabase db(engine());
    addRows(db, 4500);
    std::atomic<int> ready{0};
    DuplicateKeyFill fills[2];
    std::string errors[2];
    const ThreadSession::Target target = ThreadSession::of(db);
    const auto run = [&](int k) {
        try {
            ThreadSession session(target);
            auto connection = session.connection();
            for (++ready; ready < 2;)
                std::this_thread::yield();
            fills[k] = fillDuplicateKeys(*connection);
        } catch (const std::exception& e) {
            errors[k] = e.what();
        }
    };
    std::thread first(run, 0), second(run, 1);
    first.join();
    second.join();
    EXPECT_EQ(errors[0] + errors[1], "");
    EXPECT_EQ(fills[0].keyed + fills[1].keyed, 4950)
        << fills[0].keyed << " + " << fills[1].keyed << ": a row keyed twice";
    EXPECT_EQ(unkeyed(db), 0);
    EXPECT_TRUE(staleKeys(db).isEmpty());
}

} // namespace
