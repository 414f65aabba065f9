// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// What the host's search dialogs look through and the prefix statement they
// run; widget-free, so that the search logic is tested and timed without a
// dialog.
#include <QSqlDatabase>
#include <QStringList>

// What a search looks through: a master table, its key, the columns shown
// and the columns a typed prefix is matched against.
struct SearchTarget {
    QString title;
    QString table;
    QString keyColumn;
    QStringList shownColumns; // key first
    QStringList headings;
    QStringList prefixColumns;
    static SearchTarget customers();
    static SearchTarget addresses();
};

// The statement for a typed prefix: every prefix column LIKE 'prefix%', at
// most `limit` rows. Each prefix column needs an index that LIKE can use
// (see the database schema), so that this stays fast on large tables.
QString searchStatement(const SearchTarget& target, const QString& typed, int limit = 50);

// How the engine runs a prefix search, as one line per plan step; SQLite
// only (empty elsewhere). A step "SCAN <table>" means no index serves it.
QStringList searchPlan(const SearchTarget& target, QSqlDatabase db);
