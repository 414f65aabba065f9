#include "data/SqlConnection.h"
#include "contracts/Error.h"
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace belegadressen {

namespace {

Error databaseError(const QSqlError& error) {
    QString text = error.text().trimmed();
    if (text.isEmpty()) text = QStringLiteral("Die SQL-Anweisung ist fehlgeschlagen.");
    return Error(Error::Database, text);
}

// Values go into statements as quoted text (see SqlText.h); that is safe on
// PostgreSQL only if a backslash is an ordinary character and the server
// reads our UTF-8 as UTF-8.
void requireSafePostgresSettings(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select current_setting('standard_conforming_strings'), "
                                   "pg_client_encoding()")) ||
        !query.next())
        throw databaseError(query.lastError());
    const QString standardStrings = query.value(0).toString();
    const QString encoding = query.value(1).toString();
    if (standardStrings.compare(QLatin1String("on"), Qt::CaseInsensitive) != 0)
        throw Error(Error::Database,
                    QStringLiteral("Die PostgreSQL-Verbindung arbeitet mit "
                                   "standard_conforming_strings = %1: Backslashes in Texten "
                                   "würden als Escapezeichen gelesen. Bitte "
                                   "standard_conforming_strings = on einstellen.")
                        .arg(standardStrings));
    if (encoding.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0)
        throw Error(Error::Database,
                    QStringLiteral("Die PostgreSQL-Verbindung verwendet die Zeichenkodierung "
                                   "%1. Bitte die Client-Kodierung UTF8 einstellen.")
                        .arg(encoding));
}

} // namespace

BufferedRecordset::BufferedRecordset(QStringList columns, QVariantList cells)
    : mColumns(std::move(columns)), mCells(std::move(cells)) {}

qsizetype BufferedRecordset::rowCount() const {
    return mColumns.isEmpty() ? 0 : mCells.size() / mColumns.size();
}

bool BufferedRecordset::Eof() const { return mRow >= rowCount(); }

qsizetype BufferedRecordset::indexOf(const QString& column) const {
    if (mIndex.isEmpty() && !mColumns.isEmpty()) {
        mIndex.reserve(mColumns.size());
        // Backwards, so that a name selected twice finds its first position.
        for (qsizetype i = mColumns.size() - 1; i >= 0; --i)
            mIndex.insert(mColumns.at(i).toCaseFolded(), i);
    }
    return mIndex.value(column.toCaseFolded(), -1);
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
    mIndex.clear();
    mRow = 0;
}

SqlConnection::SqlConnection(QSqlDatabase db) : mDb(std::move(db)) {
    if (!mDb.isOpen())
        throw Error(Error::Database, QStringLiteral("Die Datenbankverbindung ist nicht geöffnet."));
    if (mDb.driver()->dbmsType() == QSqlDriver::PostgreSQL) requireSafePostgresSettings(mDb);
}

std::shared_ptr<Recordset> SqlConnection::Execute(const QString& sql) {
    QSqlQuery query(mDb);
    query.setForwardOnly(true);
    if (!query.exec(sql)) throw databaseError(query.lastError());
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
    if (query.lastError().isValid()) throw databaseError(query.lastError());
    return std::make_shared<BufferedRecordset>(std::move(columns), std::move(cells));
}

} // namespace belegadressen
