// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Error.h"
#include <QSqlDatabase>
#include <QSqlError>
#include <functional>
#include <memory>

namespace belegadressen {

class Recordset;

// A statement that failed because the database could not be reached or was
// locked, not because of the statement: its text names the cause and what
// the user can do. The number stays Error::Database for hosts.
class BELEGADRESSEN_EXPORT ConnectionTrouble : public Error {
public:
    explicit ConnectionTrouble(const QString& text) : Error(Error::Database, text) {}
};

// What a failed statement says about the connection.
enum class Trouble { None, Lost, Busy };
BELEGADRESSEN_EXPORT Trouble troubleOf(const QSqlError& error, bool postgres);

// Keeps the host's connection usable across a restart of the database
// server: a connection found lost is reopened at the next statement (a
// select that found it lost runs once more at once), never while a
// transaction begun through it is open, and the session check runs again
// after each reopening. A locked database is told as such.
class BELEGADRESSEN_EXPORT ConnectionRecovery {
public:
    using Statement = std::function<std::shared_ptr<Recordset>()>;

    // `failure` is where the statement leaves the driver's error when it throws.
    ConnectionRecovery(QSqlDatabase& db, bool postgres, std::function<void()> checkSession,
                       const QSqlError& failure)
        : mDb(db), mPostgres(postgres), mCheckSession(std::move(checkSession)), mFailure(failure) {}

    std::shared_ptr<Recordset> run(const QString& sql, const Statement& statement);

    bool isLost() const { return mLost; }
    bool inTransaction() const { return mInTransaction; }

private:
    bool reopen();
    void track(const QString& sql);
    std::shared_ptr<Recordset> runTracked(const QString& sql, const Statement& statement);

    QSqlDatabase& mDb;
    bool mPostgres;
    std::function<void()> mCheckSession;
    const QSqlError& mFailure;
    bool mLost = false;
    bool mInTransaction = false;
};

} // namespace belegadressen
