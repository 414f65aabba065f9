// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The customer search of the host as the user types: three characters and
// more find any part of the name, street or place ("eier" finds "Meier"),
// shorter texts the beginning of the number, name or place. Widget-free.
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <stdexcept>

// The database refused a search statement.
class SearchFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CustomerSearch {
public:
    // Trigram indexes need three characters to find anything.
    static constexpr int kMinimumPart = 3;

    enum class Kind { Beginning, Part };
    struct Result {
        // The columns of SearchTarget::customers().shownColumns, beginnings first.
        QList<QStringList> rows;
        Kind kind = Kind::Beginning;
    };

    // Looks once whether the database has the part index.
    explicit CustomerSearch(QSqlDatabase db);

    // Whether parts of words are found; when not, notice() says why.
    bool findsParts() const { return mParts; }
    QString notice() const { return mNotice; }

    // At most `limit` customers for the typed text. Throws SearchFailed
    // when the database refuses, another std::exception for a NUL or a
    // broken character in the text; both with a German reason.
    Result find(const QString& typed, int limit = 50) const;

    // The statement that finds `part` anywhere in name, street or place.
    QString partStatement(const QString& part, int limit) const;

private:
    QList<QStringList> rows(const QString& sql) const;

    QSqlDatabase mDb;
    bool mSqlite;
    bool mParts;
    QString mNotice;
};
