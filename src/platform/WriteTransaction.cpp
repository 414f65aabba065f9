// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/WriteTransaction.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include "platform/ConnectionRecovery.h"

namespace belegadressen {

HostTransactionOpen::HostTransactionOpen()
    : Error(Error::Database,
            QStringLiteral("Es wurde nichts gespeichert: Auf der Datenbankverbindung ist noch "
                           "eine Transaktion des Programms offen. Schließen Sie den laufenden "
                           "Vorgang des Programms ab und wiederholen Sie das Speichern.")) {}

WriteTransaction::WriteTransaction(Connection& connection) : mConnection(connection) {
    // In a statement of its own the transaction's clock equals the
    // statement's; inside a transaction begun earlier it is older.
    bool ownTransaction = true;
    try {
        auto rs = mConnection.Execute(
            QStringLiteral("select transaction_timestamp() = statement_timestamp() as frei"));
        mPostgres = true;
        ownTransaction = rs && !rs->Eof() && rs->Value(QStringLiteral("frei")).toBool();
    } catch (const ConnectionTrouble&) {
        throw;
    } catch (const Error&) {
        mPostgres = false; // SQLite: no such function
    }
    if (mPostgres) {
        if (!ownTransaction) throw HostTransactionOpen();
        mConnection.Execute(QStringLiteral("BEGIN"));
    } else {
        try {
            mConnection.Execute(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (const Error& e) {
            if (e.text().contains(QLatin1String("within a transaction"), Qt::CaseInsensitive))
                throw HostTransactionOpen();
            throw;
        }
    }
    mOpen = true;
}

WriteTransaction::~WriteTransaction() {
    try {
        rollback();
    } catch (...) {
    }
}

QString WriteTransaction::lockRows(const QString& select) const {
    return mPostgres ? select + QStringLiteral(" for update") : select;
}

void WriteTransaction::commit() {
    if (!mOpen) return;
    mOpen = false;
    mConnection.Execute(QStringLiteral("COMMIT"));
}

void WriteTransaction::rollback() {
    if (!mOpen) return;
    mOpen = false;
    mConnection.Execute(QStringLiteral("ROLLBACK"));
}

} // namespace belegadressen
