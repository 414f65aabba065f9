// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// A fresh SQLite file or PostgreSQL schema (server from BA_PG_CONNINFO, used
// through the search path) with db/schema.sql applied, removed at the end.
#include "platform/SqlConnection.h"
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace batest {

enum class Engine { SQLite, PostgreSQL };

// libpq connection string of the test server; empty: PostgreSQL tests skip.
QString postgresConnInfo();

// Opens a QPSQL connection from a libpq "key=value ..." string, with the
// database name replaced when `dbname` is given. Throws std::runtime_error.
QSqlDatabase openPostgres(const QString& connectionName, const QString& connInfo,
                          const QString& dbname = {});

class TestDatabase {
public:
    // Throws std::runtime_error when the database cannot be made.
    explicit TestDatabase(Engine engine, bool withSchema = true);
    // A PostgreSQL database of its own on the test server, used through the
    // connection pooler at `poolerConnInfo`: a pooler that hands each
    // transaction to any server session keeps no search path.
    TestDatabase(bool withSchema, const QString& poolerConnInfo);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    Engine engine() const { return mEngine; }
    // The PostgreSQL schema of this database (empty on SQLite), for a second
    // connection that must see the same tables.
    QString pgSchema() const { return mPgSchema; }
    // The pooler this database is used through (empty: the server itself).
    QString poolerConnInfo() const { return mPooler; }
    QSqlDatabase db() const;
    std::shared_ptr<belegadressen::SqlConnection> connection();
    // Runs statements straight through QtSql for test set-up; throws on failure.
    void exec(const QString& sql) const;
    // The rows of a select straight through QtSql, columns joined by '|'.
    QStringList rows(const QString& sql) const;

private:
    void release();

    Engine mEngine;
    QString mConnectionName;
    QString mPgSchema;
    QString mPgDatabase; // a database of its own, dropped at the end
    QString mPooler;
    std::unique_ptr<QTemporaryDir> mDir;
    std::shared_ptr<belegadressen::SqlConnection> mConnection;
};

// A second session on the same database (the other user): the same SQLite
// file or the same PostgreSQL schema through a connection of its own.
class OtherSession {
public:
    explicit OtherSession(const TestDatabase& db);
    ~OtherSession();
    OtherSession(const OtherSession&) = delete;
    OtherSession& operator=(const OtherSession&) = delete;
    QSqlDatabase db() const;
    std::shared_ptr<belegadressen::SqlConnection> connection();
    // Runs statements in this session; throws on failure.
    void exec(const QString& sql) const;

private:
    QString mName;
    std::shared_ptr<belegadressen::SqlConnection> mConnection;
};

// A bare SQLite database for components that bring their own tables.
class SqliteDb : public TestDatabase {
public:
    SqliteDb() : TestDatabase(Engine::SQLite, false) {}
};

// Fixture base for suites typed over the engines: one database per suite.
//   template <class E> class MyTest : public batest::EngineTest<E> {};
//   TYPED_TEST_SUITE(MyTest, batest::BothEngines, batest::EngineNames);
template <Engine E> struct On { static constexpr Engine engine = E; };
using BothEngines = ::testing::Types<On<Engine::SQLite>, On<Engine::PostgreSQL>>;

struct EngineNames {
    template <class T> static std::string GetName(int) {
        return T::engine == Engine::SQLite ? "SQLite" : "PostgreSQL";
    }
};

template <class EngineTag> class EngineTest : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        sError.clear();
        if (EngineTag::engine == Engine::PostgreSQL && postgresConnInfo().isEmpty()) return;
        try {
            sDatabase = std::make_unique<TestDatabase>(EngineTag::engine);
        } catch (const std::exception& e) {
            sError = e.what();
        }
    }
    static void TearDownTestSuite() { sDatabase.reset(); }

protected:
    void SetUp() override {
        if (!sError.empty()) FAIL() << "test database: " << sError;
        if (!sDatabase) GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    }
    static TestDatabase& database() { return *sDatabase; }
    static std::shared_ptr<belegadressen::SqlConnection> connection() {
        return sDatabase->connection();
    }
    static constexpr Engine engine() { return EngineTag::engine; }

private:
    static inline std::unique_ptr<TestDatabase> sDatabase;
    static inline std::string sError;
};

inline const char* nameOf(Engine e) { return e == Engine::SQLite ? "SQLite" : "PostgreSQL"; }
inline void PrintTo(Engine e, std::ostream* os) { *os << nameOf(e); }

// Value-parameterized suites on both engines (PostgreSQL skips without a server):
//   INSTANTIATE_TEST_SUITE_P(, MyTest, batest::engines(), batest::EngineName());
inline auto engines() { return ::testing::Values(Engine::SQLite, Engine::PostgreSQL); }

inline Engine engineOf(Engine e) { return e; }
template <class T> Engine engineOf(const std::tuple<Engine, T>& p) { return std::get<0>(p); }

struct EngineName {
    std::string operator()(const ::testing::TestParamInfo<Engine>& info) const {
        return nameOf(info.param);
    }
    template <class T>
    std::string operator()(const ::testing::TestParamInfo<std::tuple<Engine, T>>& info) const {
        return std::string(nameOf(std::get<0>(info.param))) + "_" + std::to_string(info.index);
    }
};

template <class Param = Engine> class OnEachEngine : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override {
        if (engine() == Engine::PostgreSQL && postgresConnInfo().isEmpty())
            GTEST_SKIP() << "BA_PG_CONNINFO is not set; PostgreSQL tests skipped";
    }
    Engine engine() const { return engineOf(this->GetParam()); }
};

} // namespace batest
