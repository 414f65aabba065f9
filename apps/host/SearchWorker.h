// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Runs the host's searches away from the window's thread, on a connection of
// its own to the same database, so that typing never waits for the server.
#include "CustomerSearch.h"
#include "SearchStatement.h"
#include <QObject>
#include <QSqlDatabase>
#include <optional>

class SearchWorker final : public QObject {
    Q_OBJECT
public:
    // `original` names the window's connection; the worker opens a copy of
    // it in its own thread on the first search.
    SearchWorker(QString original, SearchTarget target);
    ~SearchWorker() override;

    // Opens the copy; called once the thread runs, so that the first search
    // finds it ready. Before each search it opens it again when it was
    // closed or the last search failed.
    void open();
    // Searches `typed` and answers through answered(); `asked` numbers the
    // search so that the window can tell the newest answer.
    void search(quint64 asked, const QString& typed);

    // One search on `db` in the calling thread: the rows, or a German reason.
    struct Answer {
        QList<QStringList> rows;
        QString failure;
    };
    static Answer searchOn(QSqlDatabase db, const SearchTarget& target,
                           const CustomerSearch* customers, const QString& typed);

signals:
    // `failure` is a German reason (rows empty) or empty.
    void answered(quint64 asked, const QString& typed, const QList<QStringList>& rows,
                  const QString& failure);

private:
    QString mOriginal;
    QString mName;
    SearchTarget mTarget;
    std::optional<CustomerSearch> mCustomers;
    bool mOpen = false;
    bool mStale = false; // the last search failed: open anew before the next
};
