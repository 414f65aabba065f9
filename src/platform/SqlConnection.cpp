// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/SqlConnection.h"
#include "contracts/Error.h"
#include "platform/ConnectionRecovery.h"
#include "platform/Logging.h"
#include "platform/PgSession.h"
#include "platform/WaitCursor.h"
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace belegadressen {

namespace {

// Only a backslash or a byte outside ASCII is read differently when the
// session settings are off: with standard_conforming_strings off a backslash
// escapes the next character, and every client encoding the server offers
// agrees with UTF-8 on ASCII alone. Other statements need no re-check.
bool dependsOnSessionSettings(const QString& sql) {
    for (const QChar c : sql)
        if (c.unicode() >= 0x80 || c == QLatin1Char('\\')) return true;
    return false;
}

// FNV-1a (a step per code point) over the case-folded code points, so that names equal without
// regard to case (Straße, STRAßE, straße) hash alike.
quint32 foldedHash(QStringView name) {
    quint32 hash = 2166136261u;
    // One step per code point: the names are short, the table small.
    const auto mixIn = [&hash](char32_t c) {
        hash ^= c;
        hash *= 16777619u;
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit < 0x80) {
            mixIn(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < name.size() &&
                   name[i + 1].isLowSurrogate()) {
            mixIn(QChar::toCaseFolded(QChar::surrogateToUcs4(unit, name[i + 1].unicode())));
            ++i;
        } else {
            mixIn(QChar::toCaseFolded(char32_t(unit)));
        }
    }
    return hash;
}

// Whether two column names are equal without regard to case. Names are
// nearly always ASCII and often spelled alike (SQLite answers the spelling of
// the select, PostgreSQL small letters): those compare here without the full
// Unicode folding of QString::compare.
bool sameName(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y) continue;
        if (x >= 0x80 || y >= 0x80) return a.compare(b, Qt::CaseInsensitive) == 0;
        if (x >= u'A' && x <= u'Z') x += u'a' - u'A';
        if (y >= u'A' && y <= u'Z') y += u'a' - u'A';
        if (x != y) return false;
    }
    return true;
}

} // namespace

BufferedRecordset::BufferedRecordset(QStringList columns, QVariantList cells)
    : mColumns(std::move(columns)), mCells(std::move(cells)) {}

qsizetype BufferedRecordset::rowCount() const {
    return mColumns.isEmpty() ? 0 : mCells.size() / mColumns.size();
}

bool BufferedRecordset::Eof() const { return mRow >= rowCount(); }

void BufferedRecordset::buildIndex() const {
    size_t capacity = 8;
    while (capacity < 2 * static_cast<size_t>(mColumns.size()))
        capacity *= 2;
    mSlots.assign(capacity, -1);
    for (qsizetype i = 0; i < mColumns.size(); ++i) {
        const QString& name = mColumns.at(i);
        size_t slot = foldedHash(name) & (capacity - 1);
        for (; mSlots[slot] >= 0; slot = (slot + 1) & (capacity - 1)) {
            // A name selected twice keeps its first position.
            if (sameName(mColumns.at(mSlots[slot]), name)) break;
        }
        if (mSlots[slot] < 0) mSlots[slot] = static_cast<int>(i);
    }
}

qsizetype BufferedRecordset::indexOf(QStringView column) const {
    if (mColumns.isEmpty()) return -1;
    if (mSlots.empty()) buildIndex();
    const size_t mask = mSlots.size() - 1;
    for (size_t slot = foldedHash(column) & mask; mSlots[slot] >= 0; slot = (slot + 1) & mask) {
        if (sameName(mColumns.at(mSlots[slot]), column)) return mSlots[slot];
    }
    return -1;
}

QVariant BufferedRecordset::Value(const QString& column) const {
    const qsizetype index = indexOf(column);
    if (index < 0)
        throw Error(Error::Database,
                    QStringLiteral("Die Spalte %1 ist im Ergebnis nicht vorhanden.").arg(column));
    if (Eof()) throw Error(Error::Database, QStringLiteral("Kein aktueller Datensatz."));
    return mCells.at(mRow * mColumns.size() + index);
}

bool BufferedRecordset::HasColumn(const QString& column) const { return indexOf(column) >= 0; }

void BufferedRecordset::MoveNext() {
    if (!Eof()) ++mRow;
}

void BufferedRecordset::MoveFirst() { mRow = 0; }

void BufferedRecordset::Close() {
    mColumns.clear();
    mCells.clear();
    mSlots.clear();
    mRow = 0;
}

SqlConnection::~SqlConnection() = default;

SqlConnection::SqlConnection(QSqlDatabase db) : mDb(std::move(db)), mQuery(mDb) {
    if (!mDb.isOpen())
        throw Error(Error::Database, QStringLiteral("Die Datenbankverbindung ist nicht geöffnet."));
    mQuery.setForwardOnly(true);
    mPostgres = mDb.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    if (mPostgres) requireSafePostgresSession(mDb);
    mRecovery = std::make_unique<ConnectionRecovery>(
        mDb, mPostgres,
        [this] {
            if (mPostgres) requireSafePostgresSession(mDb);
        },
        mFailure);
}

std::shared_ptr<Recordset> SqlConnection::Execute(const QString& sql) {
    const StatementWaitCursor waiting;
    // Statements carry customer data: debug level only, off unless a host
    // turns belegadressen.sql.debug on.
    QElapsedTimer timer;
    timer.start();
    try {
        std::shared_ptr<Recordset> rs = mRecovery->run(sql, [&] { return runOnce(sql); });
        qCDebug(lcSql, "%.3f ms: %s", static_cast<double>(timer.nsecsElapsed()) / 1e6,
                qUtf8Printable(sql));
        return rs;
    } catch (const Error& e) {
        qCDebug(lcSql, "%.3f ms, failed (%s): %s", static_cast<double>(timer.nsecsElapsed()) / 1e6,
                qUtf8Printable(e.text()), qUtf8Printable(sql));
        throw;
    }
}

void SqlConnection::fail(const QSqlError& error) {
    mFailure = error;
    throw databaseError(error);
}

std::shared_ptr<Recordset> SqlConnection::runOnce(const QString& sql) {
    mFailure = QSqlError();
    // The host shares this session and may have changed its settings since
    // it was opened (SET, RESET, a pooled connection).
    if (mPostgres && dependsOnSessionSettings(sql)) requireSafePostgresSession(mDb);
    QSqlQuery& query = mQuery;
    // Whatever way this returns, the query keeps no statement open: on
    // SQLite an unfinished one would hold the read lock other writers wait for.
    const auto finished = qScopeGuard([&query] { query.finish(); });
    if (!query.exec(sql)) fail(query.lastError());
    if (!query.isSelect()) return std::make_shared<BufferedRecordset>();

    const QSqlRecord record = query.record();
    const int columnCount = record.count();
    QStringList columns;
    columns.reserve(columnCount);
    for (int i = 0; i < columnCount; ++i)
        columns << record.fieldName(i);

    QVariantList cells;
    cells.reserve(columnCount);
    while (query.next()) {
        for (int i = 0; i < columnCount; ++i)
            cells << query.value(i);
    }
    // A row can still fail while it is fetched (PostgreSQL sends rows one by one).
    if (query.lastError().isValid()) fail(query.lastError());
    return std::make_shared<BufferedRecordset>(std::move(columns), std::move(cells));
}

} // namespace belegadressen
