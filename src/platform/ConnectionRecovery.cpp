// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/ConnectionRecovery.h"
#include "platform/PgSession.h"
#include "platform/SqlConnection.h"

namespace belegadressen {

namespace {

const QString kLost = QStringLiteral(
    "Die Verbindung zur Datenbank ist unterbrochen: Der Datenbankserver antwortet nicht oder "
    "wurde neu gestartet. Sobald er wieder erreichbar ist, wird die Verbindung beim nächsten "
    "Zugriff von selbst wiederhergestellt; wiederholen Sie dann den Vorgang.");

const QString kLostInTransaction = QStringLiteral(
    "Die Verbindung zur Datenbank wurde während einer laufenden Änderung unterbrochen; der "
    "Datenbankserver hat die Änderung verworfen. Es wurde nichts davon gespeichert.");

const QString kLostAtCommit = QStringLiteral(
    "Die Verbindung zur Datenbank wurde beim Festschreiben einer Änderung unterbrochen; ob der "
    "Datenbankserver sie noch gespeichert hat, ist unbekannt.");

const QString kBusy = QStringLiteral(
    "Die Datenbank ist gerade von einem anderen Programm oder Benutzer gesperrt. Warten Sie "
    "einen Moment und wiederholen Sie den Vorgang.");

// Runs before and after every statement: the first word, up to a space or a
// semicolon, is looked at in place; a customer select is some thousand
// characters and is neither copied nor split.
QStringView firstWord(const QString& sql) {
    const QStringView text = QStringView(sql).trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace() && text[end] != QLatin1Char(';'))
        ++end;
    return text.first(end);
}

bool is(QStringView word, QLatin1String keyword) {
    return word.compare(keyword, Qt::CaseInsensitive) == 0;
}

bool isEnd(const QString& sql) {
    const QStringView word = firstWord(sql);
    return is(word, QLatin1String("commit")) || is(word, QLatin1String("end"));
}

ConnectionTrouble trouble(const QString& text, const QSqlError& error) {
    const QString detail = error.text().trimmed();
    return ConnectionTrouble(
        detail.isEmpty() ? text : text + QStringLiteral("\n(") + detail + QLatin1Char(')'));
}

} // namespace

Trouble troubleOf(const QSqlError& error, bool postgres) {
    if (!error.isValid()) return Trouble::None;
    const QString code = error.nativeErrorCode();
    const QString text = error.text();
    if (!postgres) {
        // SQLITE_BUSY and SQLITE_LOCKED: another connection holds a lock.
        if (code == QLatin1String("5") || code == QLatin1String("6") ||
            text.contains(QLatin1String("database is locked")))
            return Trouble::Busy;
        return Trouble::None;
    }
    // A row another session holds locked longer than the session waits.
    if (code == QLatin1String("55P03")) return Trouble::Busy;
    // Connection exceptions (class 08) and a server shutting down (57P01..57P03).
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P0")))
        return Trouble::Lost;
    static const char* const kSigns[] = {
        "server closed the connection", "no connection to the server",
        "terminating connection",       "could not connect",
        "connection to server",         "connection not open",
        "could not send data",          "could not receive data"};
    for (const char* sign : kSigns)
        if (text.contains(QLatin1String(sign), Qt::CaseInsensitive)) return Trouble::Lost;
    return error.type() == QSqlError::ConnectionError ? Trouble::Lost : Trouble::None;
}

bool ConnectionRecovery::reopen() {
    mDb.close();
    if (!mDb.open()) return false;
    // A new session has the server's and the connect options' settings, not
    // the ones the old one was checked with.
    try {
        if (mCheckSession) mCheckSession();
    } catch (...) {
        mDb.close();
        throw;
    }
    mLost = false;
    return true;
}

void ConnectionRecovery::track(const QString& sql) {
    const QStringView word = firstWord(sql);
    if (is(word, QLatin1String("begin")) || is(word, QLatin1String("start")))
        mInTransaction = true;
    else if (is(word, QLatin1String("commit")) || is(word, QLatin1String("rollback")) ||
             is(word, QLatin1String("end")))
        mInTransaction = false;
}

std::shared_ptr<Recordset> ConnectionRecovery::runTracked(const QString& sql,
                                                          const Statement& statement) {
    std::shared_ptr<Recordset> rs = statement();
    track(sql);
    return rs;
}

std::shared_ptr<Recordset> ConnectionRecovery::run(const QString& sql, const Statement& statement) {
    // The host's own query on the shared database may have met the loss
    // first, or the host closed it: the next statement here reopens it all
    // the same.
    if (!mLost && (!mDb.isOpen() || (mPostgres && postgresConnectionBroken(mDb)))) mLost = true;
    if (mLost) {
        if (mInTransaction) {
            // The server undid the transaction with the session; what follows
            // in it must not run outside it on a new one.
            if (!is(firstWord(sql), QLatin1String("rollback")))
                throw trouble(kLostInTransaction, {});
            mInTransaction = false;
            if (!reopen()) throw trouble(kLost, {});
            return std::make_shared<BufferedRecordset>();
        }
        if (!reopen()) throw trouble(kLost, mDb.lastError());
    }
    try {
        return runTracked(sql, statement);
    } catch (const Error& e) {
        // A failure outside the statement itself (the session check) left no
        // driver error behind; its text tells the same.
        const QSqlError failure =
            mFailure.isValid() ? mFailure : QSqlError(e.text(), {}, QSqlError::UnknownError);
        switch (troubleOf(failure, mPostgres)) {
        case Trouble::None:
            throw;
        case Trouble::Busy:
            throw trouble(kBusy, failure);
        case Trouble::Lost:
            break;
        }
        mLost = true;
        if (mInTransaction && isEnd(sql)) {
            // The server may have committed before the answer was lost: the
            // transaction is over either way, and only reading tells how.
            mInTransaction = false;
            throw trouble(kLostAtCommit, failure);
        }
        if (mInTransaction) throw trouble(kLostInTransaction, failure);
        // A select changes nothing: after a restart of the server it runs
        // on the reopened session as if nothing had happened.
        if (is(firstWord(sql), QLatin1String("select")) && reopen())
            return runTracked(sql, statement);
        throw trouble(kLost, failure);
    }
}

} // namespace belegadressen
