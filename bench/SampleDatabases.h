#pragma once
#include <QString>

// The sample SQLite database with `customers` customers in the cache folder
// (BA_BENCH_DB_DIR, else the build's bench-data), written by the sample
// writer (BA_SAMPLEDB, else the one built alongside) when missing. Throws
// std::runtime_error when it can neither find nor write it.
QString sampleDatabase(int customers);
