#pragma once
// Real databases for tests: a fresh SQLite file or a fresh PostgreSQL
// database (on the server named by BA_PG_CONNINFO) with db/schema.sql applied,
// removed again at the end.
#include "platform/SqlConnection.h"
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

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
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    Engine engine() const { return mEngine; }
    QSqlDatabase db() const;
    std::shared_ptr<belegadressen::SqlConnection> connection();
    // Runs statements straight through QtSql for test set-up; throws on failure.
    void exec(const QString& sql) const;

private:
    void release();

    Engine mEngine;
    QString mConnectionName;
    QString mPgDatabase;
    std::unique_ptr<QTemporaryDir> mDir;
    std::shared_ptr<belegadressen::SqlConnection> mConnection;
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

} // namespace batest
