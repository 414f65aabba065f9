// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A statement waiting for a lock another user holds: the user sees the wait
// cursor meanwhile, and the statement goes through once the lock is gone.
#include "support/ControlHarness.h"
#include "support/ThreadSession.h"
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

using namespace belegadressen;
using namespace batest;

namespace {

// Another user's session on a thread of its own: takes the lock, looks at the
// cursor until it has shown the wait for 200 ms (at most four seconds,
// within SQLite's five-second wait), then lets go.
class OtherUsersLock {
public:
    OtherUsersLock(const TestDatabase& db, QStringList lock) {
        mThread = std::thread([this, target = ThreadSession::of(db), lock] {
            try {
                ThreadSession session(target);
                QSqlQuery q(session.db());
                for (const QString& sql : lock)
                    if (!q.exec(sql)) throw std::runtime_error(q.lastError().text().toStdString());
                mHeld = true;
                // Seen for a while: not a statement passing by, one that waits.
                using Clock = std::chrono::steady_clock;
                const auto until = Clock::now() + std::chrono::seconds(4);
                std::optional<Clock::time_point> since;
                while (!mSawWait && Clock::now() < until) {
                    const QCursor* c = QGuiApplication::overrideCursor();
                    if (!(c && c->shape() == Qt::WaitCursor))
                        since.reset();
                    else if (!since)
                        since = Clock::now();
                    mSawWait = since && Clock::now() - *since > std::chrono::milliseconds(200);
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                q.exec(QStringLiteral("ROLLBACK"));
            } catch (const std::exception& e) {
                mError = e.what();
            }
            mHeld = true;
        });
        while (!mHeld)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~OtherUsersLock() {
        if (mThread.joinable()) mThread.join();
    }
    bool sawWait() {
        if (mThread.joinable()) mThread.join();
        return mSawWait;
    }
    std::string error() const { return mError; }

private:
    std::thread mThread;
    std::atomic<bool> mHeld{false}, mSawWait{false};
    std::string mError;
};

class LockWait : public OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, LockWait, engines(), EngineName());

// The write-back of the address waits for another user's open change of the
// same customer.
TEST_P(LockWait, TheUserSeesTheWaitCursorWhileAWriteWaitsForALock) {
    ControlHarness h(engine());
    h.database().exec("INSERT INTO Kundenstamm (Kundennummer, Bez1) VALUES ('K-1', 'Alt')");
    h.control().SetzeAnzSeiten(1, 1);
    h.control().setMitKundenaktualisierung(true);
    h.edit("txtDNummer")->setText("K-1");
    h.edit("txtDAdr_1")->setText("Neu");
    const QStringList lock =
        engine() == Engine::SQLite
            ? QStringList{"BEGIN IMMEDIATE",
                          "UPDATE Kundenstamm SET Telefon = '1' WHERE Kundennummer = 'K-1'"}
            : QStringList{"BEGIN",
                          "SELECT 1 FROM Kundenstamm WHERE Kundennummer = 'K-1' FOR UPDATE"};
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    OtherUsersLock other(h.database(), lock);
    static_cast<QToolButton*>(h.widget("btnAktKunde"))->click();
    EXPECT_TRUE(other.sawWait()) << other.error();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the cursor is back";
    EXPECT_EQ(h.database().rows("SELECT Bez1 FROM Kundenstamm WHERE Kundennummer = 'K-1'"),
              QStringList{"Neu"});
}

} // namespace
