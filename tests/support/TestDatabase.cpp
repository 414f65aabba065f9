#include "support/TestDatabase.h"
#include "../../db/DatabaseSetup.h"
#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
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
        const QString connInfo = postgresConnInfo();
        if (connInfo.isEmpty()) throw std::runtime_error("BA_PG_CONNINFO is not set");
        const QString adminName = mConnectionName + QStringLiteral("_admin");
        {
            QSqlDatabase admin = openPostgres(adminName, connInfo);
            const QString name = QStringLiteral("ba_test_") + uniqueSuffix();
            QSqlQuery create(admin);
            if (!create.exec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'")
                                 .arg(name)))
                fail(QStringLiteral("cannot create database %1").arg(name), create.lastError());
            mPgDatabase = name;
            admin.close();
        }
        QSqlDatabase::removeDatabase(adminName);
        db = openPostgres(mConnectionName, connInfo, mPgDatabase);
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

TestDatabase::~TestDatabase() { release(); }

void TestDatabase::release() {
    mConnection.reset();
    if (QSqlDatabase::contains(mConnectionName)) {
        QSqlDatabase::database(mConnectionName, false).close();
        QSqlDatabase::removeDatabase(mConnectionName);
    }
    if (mPgDatabase.isEmpty()) return;
    const QString adminName = mConnectionName + QStringLiteral("_drop");
    try {
        QSqlDatabase admin = openPostgres(adminName, postgresConnInfo());
        QSqlQuery drop(admin);
        if (!drop.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(mPgDatabase)))
            ADD_FAILURE() << "cannot drop " << mPgDatabase.toStdString() << ": "
                          << drop.lastError().text().toStdString();
        drop = QSqlQuery();
        admin.close();
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
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

} // namespace batest
