// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Error.h"
#include <QString>

namespace belegadressen {

class Connection;

// Refused before anything is written: the host has a transaction of its own
// open on the shared connection, which a save of the control must not join
// (its COMMIT would end the host's work, its ROLLBACK undo it).
class BELEGADRESSEN_EXPORT HostTransactionOpen : public Error {
public:
    HostTransactionOpen();
};

// Compares and writes in one transaction that no other writer can slip
// into: on SQLite the write lock is taken at its start (BEGIN IMMEDIATE),
// on PostgreSQL the rows read through lockRows() stay locked against other
// writers until the end. Never held while the user is asked anything: the
// caller ends it (rollback) before a question and begins a new one after it.
//
// The engine is told by the first statement: a select of PostgreSQL's
// transaction clock, which also tells whether the host has a transaction
// open; SQLite refuses it (without touching anything) and says the same by
// refusing BEGIN IMMEDIATE inside a transaction.
class BELEGADRESSEN_EXPORT WriteTransaction {
public:
    // Begins; throws HostTransactionOpen, or the connection's Error.
    explicit WriteTransaction(Connection& connection);
    // Rolls back unless committed; a failure of the rollback is ignored (a
    // session that lost the transaction has undone it already).
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool postgres() const { return mPostgres; }
    // `select` with the lock the engine needs so that the rows it reads
    // stay as read until the end of the transaction.
    QString lockRows(const QString& select) const;
    void commit();
    void rollback();

private:
    Connection& mConnection;
    bool mPostgres = false;
    bool mOpen = false;
};

} // namespace belegadressen
