// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "CustomerSearch.h"
#include "../../db/CustomerSearchIndex.h"
#include "SearchStatement.h"
#include "platform/SqlText.h"
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace setup = belegadressen::dbsetup;

CustomerSearch::CustomerSearch(QSqlDatabase db)
    : mDb(std::move(db)), mSqlite(setup::isSqlite(mDb)),
      mParts(setup::hasCustomerSearchIndex(mDb)) {
    if (!mSqlite) {
        // The searches stop after their limit. A scan of a large table
        // otherwise starts where another scan of it left off, and a
        // beginning whose customers lie together (numbers typed in order)
        // may then be read past for most of the table: hundreds of
        // milliseconds for one keystroke. From the first page on, the cost
        // of a search no longer depends on what ran before it. The setting
        // is this connection's own; a server that refuses it searches as before.
        QSqlQuery(mDb).exec(QStringLiteral("SET synchronize_seqscans = off"));
    }
    if (mParts) return;
    if (mSqlite && !setup::sqliteHasTrigram(mDb))
        mNotice = QStringLiteral("Die SQLite-Bibliothek kennt keine Trigramm-Suche (ab SQLite "
                                 "3.34); gesucht wird nur nach dem Anfang.");
    else
        mNotice = QStringLiteral("Die Datenbank hat keinen Index für die Suche nach Wortteilen; "
                                 "gesucht wird nur nach dem Anfang.");
}

QString CustomerSearch::partStatement(const QString& part, int limit) const {
    const SearchTarget target = SearchTarget::customers();
    const QString columns = target.shownColumns.join(QStringLiteral(", "));
    if (mSqlite) {
        // One FTS5 phrase: the trigram tokenizer matches it as a substring
        // of any of the three columns, ignoring case. The limit sits inside,
        // so a frequent part stops after the first hits.
        QString phrase = part;
        phrase.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QStringLiteral("SELECT %1 FROM Kundenstamm WHERE rowid IN (SELECT rowid FROM %2 "
                              "WHERE %2 MATCH %3 LIMIT %4)")
            .arg(columns, setup::sqliteCustomerSearchTable(),
                 belegadressen::quoted(QLatin1Char('"') + phrase + QLatin1Char('"')))
            .arg(limit);
    }
    // A typed % or _ means itself; '!' escapes them.
    QString pattern = part;
    pattern.replace(QLatin1Char('!'), QStringLiteral("!!"))
        .replace(QLatin1Char('%'), QStringLiteral("!%"))
        .replace(QLatin1Char('_'), QStringLiteral("!_"));
    return QStringLiteral("SELECT %1 FROM Kundenstamm WHERE %2 ILIKE %3 ESCAPE '!' LIMIT %4")
        .arg(columns, setup::postgresCustomerSearchText(),
             belegadressen::quoted(QLatin1Char('%') + pattern + QLatin1Char('%')))
        .arg(limit);
}

QList<QStringList> CustomerSearch::rows(const QString& sql) const {
    QSqlQuery query(mDb);
    query.setForwardOnly(true);
    if (!query.exec(sql)) throw SearchFailed(query.lastError().text().toStdString());
    QList<QStringList> out;
    const int columns = int(SearchTarget::customers().shownColumns.size());
    while (query.next()) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << query.value(c).toString();
        out << row;
    }
    return out;
}

CustomerSearch::Result CustomerSearch::find(const QString& typed, int limit) const {
    const QString text = typed.trimmed();
    Result result;
    const QString beginnings = searchStatement(SearchTarget::customers(), text, limit);
    if (!mParts || text.toUcs4().size() < kMinimumPart) {
        result.rows = rows(beginnings);
        return result;
    }
    result.kind = Kind::Part;
    // Beginnings first: they come from the plain indexes at once and are
    // what a user typing a number or a name expects at the top. Parts follow
    // in the same statement, one round trip; the engine looks at the part
    // index only when the beginnings leave room (the count is checked once,
    // before the part scan starts). Twice the limit of parts, so that the
    // beginnings among them cannot crowd out the rest.
    const QString sql =
        QStringLiteral("WITH Anfang AS (%1) SELECT *, 0 AS Rang FROM Anfang UNION ALL SELECT "
                       "*, 1 FROM (%2) AS Teil WHERE (SELECT count(*) FROM Anfang) < %3 ORDER "
                       "BY Rang")
            .arg(beginnings, partStatement(text, 2 * limit))
            .arg(limit);
    QSet<QString> seen;
    for (QStringList& row : rows(sql)) {
        if (result.rows.size() >= limit) break;
        if (seen.contains(row.value(0))) continue;
        seen.insert(row.value(0));
        result.rows << std::move(row);
    }
    return result;
}
