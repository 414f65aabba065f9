// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace belegadressen {

class ConnectionRecovery;

/// A result held in memory. Rows are kept in full so that a recordset stays
/// readable while further statements run on the same connection (a
/// forward-only QtSql result is lost then) and can be walked again with
/// MoveFirst. The control's results are single rows or short site lists.
class BELEGADRESSEN_EXPORT BufferedRecordset final : public Recordset {
public:
    /// No columns and no rows: the answer to a statement that is not a select.
    BufferedRecordset() = default;
    /// `cells` holds the rows one after the other, columns.size() values each.
    BufferedRecordset(QStringList columns, QVariantList cells);

    bool Eof() const override;
    /// Throws Error for a column not in the result or when there is no
    /// current row.
    QVariant Value(const QString& column) const override;
    bool HasColumn(const QString& column) const override;
    void MoveNext() override;
    void MoveFirst() override;
    void Close() override;

    /// The column names of the result.
    const QStringList& columns() const { return mColumns; }
    /// The number of rows.
    qsizetype rowCount() const;

private:
    qsizetype indexOf(QStringView column) const;
    void buildIndex() const;

    QStringList mColumns;
    QVariantList mCells;
    qsizetype mRow = 0;
    // Open-addressing table of column positions by a case-insensitive hash
    // of their names, built on the first lookup. Lookups allocate nothing;
    // a load reads some fifty columns of a row this way.
    mutable std::vector<int> mSlots;
};

/// The QtSql implementation of the host connection.
class BELEGADRESSEN_EXPORT SqlConnection final : public Connection {
public:
    /// Takes an open database. A PostgreSQL connection must have
    /// standard_conforming_strings on (a backslash in a quoted value would
    /// otherwise be read as an escape) and the client encoding UTF8;
    /// otherwise, or when the database is not open, this throws Error.
    explicit SqlConnection(QSqlDatabase db);
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;
    ~SqlConnection() override;

    /// Runs one statement; a failure throws Error (Error::Database) with the
    /// driver's text. On PostgreSQL a statement holding a backslash or a
    /// character beyond ASCII runs only after the session settings above are
    /// checked again (the host may have changed them), from the values the
    /// server reported, without a round trip; otherwise Error. A select answers its rows, anything
    /// else an empty recordset.
    std::shared_ptr<Recordset> Execute(const QString& sql) override;

    /// The wrapped database. A connection found lost (server restarted) is
    /// closed and opened again on it at the next statement, outside a
    /// transaction begun through Execute; a locked database is reported as such.
    QSqlDatabase database() const { return mDb; }

private:
    std::shared_ptr<Recordset> runOnce(const QString& sql);
    [[noreturn]] void fail(const QSqlError& error);

    QSqlDatabase mDb;
    // One query for every statement, as QtSql is meant to be used: a new one
    // per statement costs a load some tenth of its time. It holds no result
    // between statements (finished after each) and goes before the database.
    QSqlQuery mQuery;
    bool mPostgres = false;
    QSqlError mFailure; // the driver's error of the last failed statement
    std::unique_ptr<ConnectionRecovery> mRecovery;
};

} // namespace belegadressen
