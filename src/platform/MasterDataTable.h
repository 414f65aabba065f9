// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Connection.h"
#include <QList>
#include <QPair>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace belegadressen {

class WriteTransaction;

// A column of a master-data list: table column, heading, display format
// ("###,###.00000": the digits after the point give the decimals).
struct MasterDataColumn {
    QString name, heading, format;
};

// What a user changed in the editing dialog. Rows are addressed by their
// position in MasterDataTable::rows(); cell texts are in the order of
// selectColumns(), numbers in German notation.
struct MasterDataChanges {
    QList<int> deleted;
    QList<QPair<int, QStringList>> edited;
    QList<QStringList> added;
    bool isEmpty() const { return deleted.isEmpty() && edited.isEmpty() && added.isEmpty(); }
};

// The rows of one master-data table behind a selection field, without any
// widget: reading them when first needed, finding a key, checking and
// writing the user's changes.
//
// The key column is the one given by setKeyColumn, else the visible column
// when that names a configured column, else the known key of the table
// (PersonalNr for Personalstamm), else the first column. A key column that is
// none of the configured columns is read as well, in front of them.
class MasterDataTable {
public:
    void setTableName(const QString& table);
    void setConnection(std::shared_ptr<Connection> connection);
    void clearColumns();
    void addColumn(const QString& name, const QString& heading, const QString& format = {});
    void setKeyColumn(const QString& column);
    void setVisibleColumn(const QString& column);
    // Whether a row may have an empty key.
    void setAllowEmptyKey(bool allow) { mAllowEmptyKey = allow; }

    QString tableName() const { return mTableName; }
    std::shared_ptr<Connection> connection() const { return mConnection; }
    const QList<MasterDataColumn>& columns() const { return mColumns; }
    // Table, connection and columns are given: there is something to read.
    bool isConfigured() const;

    QString keyColumn() const;
    // The columns read, key first when it is none of the configured ones.
    QStringList selectColumns() const;
    // Headings in selectColumns() order (an extra key column under its name).
    QStringList headings() const;
    int keyIndex() const;
    // Longest key the table takes; 0 when unknown.
    int maxKeyLength() const;

    // Reads the rows unless they are read already; a table that is not
    // configured has none. Errors of the connection reach the caller.
    void load();
    // Forgets the rows; the next load reads the table again.
    void refresh();
    bool isLoaded() const { return mLoaded; }
    const QList<QVariantList>& rows() const { return mRows; }

    // The row whose key equals `key`, ignoring case and outer blanks; -1.
    int rowOfKey(const QString& key) const;
    QVariant keyOf(int row) const;
    // A cell as the list shows it (its column's format, the current locale).
    QString displayText(int row, int column) const;
    // A cell as the editing dialog shows it: numbers in German notation,
    // without grouping and without losing digits.
    QString editText(int row, int column) const;
    QList<QStringList> editTexts() const;

    // Why the changes cannot be written, in words; empty when they can. Needs
    // the rows loaded.
    QString checkChanges(const MasterDataChanges& changes) const;
    // Writes the changes in one transaction and forgets the rows. Changes
    // that checkChanges refuses are not written; a failing statement undoes
    // the ones before it, and so does a row to be changed that another user
    // changed or deleted since it was read. All throw Error with a German
    // explanation and keep the rows as read (refresh() is the caller's).
    void save(const MasterDataChanges& changes);

private:
    bool isNumeric(int column) const;
    bool isWhole(int column) const;
    // The SQL literal of a cell text typed by the user, or an explanation in
    // `why` when it is no value of its column.
    QString literal(int column, const QString& text, QString& why) const;
    QString whereKey(int row) const;
    // The rows to be changed that another user changed or deleted since they
    // were read, in words; runs one select per row.
    QStringList changedSinceRead(const MasterDataChanges& changes, const QStringList& columns,
                                 const WriteTransaction& tx) const;
    // After a COMMIT whose answer was lost: whether the table holds the changes.
    bool savedAfterAll(const MasterDataChanges& changes, const QStringList& columns) const;
    static QString cellText(const QVariant& value);

    QString mTableName, mKeyColumn, mVisibleColumn;
    std::shared_ptr<Connection> mConnection;
    QList<MasterDataColumn> mColumns;
    bool mAllowEmptyKey = false;

    // Rows as read, columns in selectColumns() order.
    QList<QVariantList> mRows;
    bool mLoaded = false;
};

} // namespace belegadressen
