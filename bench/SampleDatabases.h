// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QSqlDatabase>
#include <QString>

// The sample SQLite database with `customers` customers in the cache folder
// (BA_BENCH_DB_DIR, else the build's bench-data), written by the sample
// writer (BA_SAMPLEDB, else the one built alongside) when missing. Throws
// std::runtime_error when it can neither find nor write it.
// `spread`: the customers spread over every postal code of the shipped German
// directory (data/postal-de/D.tsv) instead of the sample's 60 crowded codes;
// a file and a database of their own.
QString sampleDatabase(int customers, bool spread = false);

// The server of the PostgreSQL benchmarks (BA_PG_CONNINFO) with the database
// that holds the sample of `customers` customers, written by the sample
// writer when missing and kept on the server for later runs (a server
// started with scripts/pg-test-server in the bench data folder and halted,
// not stopped, keeps it). Answers the libpq connection string and the
// database name; throws std::runtime_error without a server.
struct PostgresSample {
    QString connInfo;
    QString dbname;
};
PostgresSample samplePostgres(int customers, bool spread = false);

// The sample of `customers` customers opened under `connectionName`, on
// SQLite or on the PostgreSQL server; `connectString` gets the host's
// description of it. Throws std::runtime_error.
QSqlDatabase openSample(bool postgres, int customers, const QString& connectionName,
                        QString* connectString = nullptr, bool spread = false);
