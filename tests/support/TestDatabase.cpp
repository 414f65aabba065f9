// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "support/TestDatabase.h"
#include "../../db/DatabaseSetup.h"
#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace batest {

namespace {

QAtomicInt counter;

QString uniqueSuffix() {
    return QStringLiteral("%1_%2")
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1));
}

[[noreturn]] void fail(const QString& what, const QSqlError& error) {
    throw std::runtime_error((what + QStringLiteral(": ") + error.text()).toStdString());
}

} // namespace

QString postgresConnInfo() { return qEnvironmentVariable("BA_PG_CONNINFO").trimmed(); }

QSqlDatabase openPostgres(const QString& connectionName, const QString& connInfo,
                          const QString& dbname) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    belegadressen::dbsetup::setConnInfo(db, connInfo, dbname);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        fail(QStringLiteral("cannot connect to PostgreSQL (%1)").arg(connInfo), error);
    }
    return db;
}

TestDatabase::TestDatabase(Engine engine, bool withSchema)
    : mEngine(engine), mConnectionName(QStringLiteral("batest_") + uniqueSuffix()) {
    QSqlDatabase db;
    if (engine == Engine::SQLite) {
        mDir = std::make_unique<QTemporaryDir>();
        if (!mDir->isValid()) throw std::runtime_error("cannot create a temporary directory");
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mConnectionName);
        db.setDatabaseName(mDir->filePath(QStringLiteral("test.db")));
        if (!db.open()) fail(QStringLiteral("cannot open SQLite file"), db.lastError());
        // A throwaway file needs no durability; syncing every statement is slow.
        belegadressen::dbsetup::run(db, {QStringLiteral("PRAGMA synchronous = OFF")});
    } else {
        // A schema of its own on the server's database: cheaper than a
        // database per test, and just as separate for tests run in parallel.
        const QString connInfo = postgresConnInfo();
        if (connInfo.isEmpty()) throw std::runtime_error("BA_PG_CONNINFO is not set");
        db = openPostgres(mConnectionName, connInfo);
        const QString name = QStringLiteral("ba_test_") + uniqueSuffix();
        QSqlQuery create(db);
        // A test that crashed may have left a schema of this name behind; no
        // process running now can own it.
        if (!create.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(name)) ||
            !create.exec(QStringLiteral("CREATE SCHEMA %1").arg(name)))
            fail(QStringLiteral("cannot create schema %1").arg(name), create.lastError());
        mPgSchema = name;
        if (!create.exec(QStringLiteral("SET search_path TO %1").arg(name)))
            fail(QStringLiteral("cannot use schema %1").arg(name), create.lastError());
    }
    if (withSchema) {
        try {
            belegadressen::dbsetup::applySchema(db, QStringLiteral(BA_SCHEMA_FILE));
        } catch (...) {
            db = QSqlDatabase();
            release();
            throw;
        }
    }
}

TestDatabase::TestDatabase(bool withSchema, const QString& poolerConnInfo)
    : mEngine(Engine::PostgreSQL), mConnectionName(QStringLiteral("batest_") + uniqueSuffix()),
      mPooler(poolerConnInfo) {
    const QString connInfo = postgresConnInfo();
    if (connInfo.isEmpty()) throw std::runtime_error("BA_PG_CONNINFO is not set");
    const QString name = QStringLiteral("ba_test_") + uniqueSuffix();
    {
        QSqlDatabase admin = openPostgres(mConnectionName + QStringLiteral("_admin"), connInfo);
        QSqlQuery create(admin);
        const bool made =
            create.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name)) &&
            create.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        const QSqlError error = create.lastError();
        create = QSqlQuery();
        admin.close();
        admin = QSqlDatabase();
        QSqlDatabase::removeDatabase(mConnectionName + QStringLiteral("_admin"));
        if (!made) fail(QStringLiteral("cannot create database %1").arg(name), error);
    }
    mPgDatabase = name;
    try {
        QSqlDatabase db = openPostgres(mConnectionName, poolerConnInfo, name);
        if (withSchema) belegadressen::dbsetup::applySchema(db, QStringLiteral(BA_SCHEMA_FILE));
    } catch (...) {
        release();
        throw;
    }
}

TestDatabase::~TestDatabase() { release(); }

void TestDatabase::release() {
    mConnection.reset();
    if (!QSqlDatabase::contains(mConnectionName)) return;
    {
        QSqlDatabase database = QSqlDatabase::database(mConnectionName, false);
        if (!mPgSchema.isEmpty()) {
            QSqlQuery drop(database);
            if (!drop.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(mPgSchema)))
                ADD_FAILURE() << "cannot drop " << mPgSchema.toStdString() << ": "
                              << drop.lastError().text().toStdString();
            mPgSchema.clear();
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(mConnectionName);
    if (mPgDatabase.isEmpty()) return;
    const QString adminName = mConnectionName + QStringLiteral("_admin");
    try {
        QSqlDatabase admin = openPostgres(adminName, postgresConnInfo());
        QSqlQuery drop(admin);
        // The pooler may still hold server sessions on it.
        if (!drop.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(mPgDatabase)))
            ADD_FAILURE() << "cannot drop " << mPgDatabase.toStdString() << ": "
                          << drop.lastError().text().toStdString();
        drop = QSqlQuery();
        admin.close();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "cannot drop " << mPgDatabase.toStdString() << ": " << e.what();
    }
    QSqlDatabase::removeDatabase(adminName);
    mPgDatabase.clear();
}

QSqlDatabase TestDatabase::db() const { return QSqlDatabase::database(mConnectionName, false); }

std::shared_ptr<belegadressen::SqlConnection> TestDatabase::connection() {
    if (!mConnection) mConnection = std::make_shared<belegadressen::SqlConnection>(db());
    return mConnection;
}

void TestDatabase::exec(const QString& sql) const {
    QSqlDatabase database = db();
    belegadressen::dbsetup::run(database, {sql});
}

QStringList TestDatabase::rows(const QString& sql) const {
    QSqlQuery q(db());
    if (!q.exec(sql)) fail(sql, q.lastError());
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << q.value(i).toString();
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

OtherSession::OtherSession(const TestDatabase& base)
    : mName(QStringLiteral("batest_other_") + uniqueSuffix()) {
    QSqlDatabase db;
    if (base.engine() == Engine::SQLite) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
        db.setDatabaseName(base.db().databaseName());
        if (!db.open()) fail(QStringLiteral("cannot open SQLite file"), db.lastError());
    } else {
        if (!base.poolerConnInfo().isEmpty()) {
            db = openPostgres(mName, base.poolerConnInfo(), base.db().databaseName());
            return;
        }
        db = openPostgres(mName, postgresConnInfo(), base.db().databaseName());
        QSqlQuery use(db);
        if (!use.exec(QStringLiteral("SET search_path TO %1").arg(base.pgSchema())))
            fail(QStringLiteral("cannot use schema %1").arg(base.pgSchema()), use.lastError());
    }
}

OtherSession::~OtherSession() {
    mConnection.reset();
    QSqlDatabase::database(mName, false).close();
    QSqlDatabase::removeDatabase(mName);
}

QSqlDatabase OtherSession::db() const { return QSqlDatabase::database(mName, false); }

std::shared_ptr<belegadressen::SqlConnection> OtherSession::connection() {
    if (!mConnection) mConnection = std::make_shared<belegadressen::SqlConnection>(db());
    return mConnection;
}

void OtherSession::exec(const QString& sql) const {
    QSqlDatabase database = db();
    belegadressen::dbsetup::run(database, {sql});
}

} // namespace batest
