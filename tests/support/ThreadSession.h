// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// A session of its own for another thread: a QtSql connection belongs to the
// thread that opened it, so the database is named on the owning thread and
// opened on the other.
#include "support/TestDatabase.h"
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <stdexcept>

namespace batest {

class ThreadSession {
public:
    struct Target {
        Engine engine;
        QString name;   // the SQLite file or the PostgreSQL database
        QString schema; // PostgreSQL only
    };
    // On the thread that owns `db`.
    static Target of(const TestDatabase& db) {
        return {db.engine(), db.db().databaseName(), db.pgSchema()};
    }

    // On the thread that uses the session; throws std::runtime_error.
    explicit ThreadSession(const Target& t) : mName(nextName()) {
        if (t.engine == Engine::SQLite) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
            db.setDatabaseName(t.name);
            if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
            return;
        }
        QSqlDatabase db = openPostgres(mName, postgresConnInfo(), t.name);
        QSqlQuery use(db);
        if (!use.exec(QStringLiteral("SET search_path TO %1").arg(t.schema)))
            throw std::runtime_error(use.lastError().text().toStdString());
    }
    ~ThreadSession() {
        mConnection.reset();
        QSqlDatabase::database(mName, false).close();
        QSqlDatabase::removeDatabase(mName);
    }
    ThreadSession(const ThreadSession&) = delete;
    ThreadSession& operator=(const ThreadSession&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(mName, false); }
    std::shared_ptr<belegadressen::SqlConnection> connection() {
        if (!mConnection) mConnection = std::make_shared<belegadressen::SqlConnection>(db());
        return mConnection;
    }

private:
    static QString nextName() {
        static std::atomic<int> counter{0};
        return QStringLiteral("batest_thread_%1").arg(counter++);
    }
    QString mName;
    std::shared_ptr<belegadressen::SqlConnection> mConnection;
};

} // namespace batest
