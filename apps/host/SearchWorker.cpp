// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SearchWorker.h"
#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt workers;
}

SearchWorker::SearchWorker(QString original, SearchTarget target)
    : mOriginal(std::move(original)),
      mName(QStringLiteral("suche-%1").arg(workers.fetchAndAddRelaxed(1))),
      mTarget(std::move(target)) {}

SearchWorker::~SearchWorker() {
    // Destroyed in its own thread, where the copy was opened.
    mCustomers.reset();
    if (!mOpen) return;
    QSqlDatabase::database(mName, false).close();
    QSqlDatabase::removeDatabase(mName);
}

void SearchWorker::open() {
    if (!mOpen) {
        mOpen = true;
        QSqlDatabase::cloneDatabase(mOriginal, mName);
    } else if (!mStale && QSqlDatabase::database(mName, false).isOpen()) {
        return;
    }
    // A first opening, or the copy was closed or its last search failed (the
    // server may have restarted): a new session, and the customer search
    // looks at its indexes again on it, not on a session that is gone.
    mStale = false;
    mCustomers.reset();
    QSqlDatabase copy = QSqlDatabase::database(mName, false);
    copy.close();
    // A copy that does not open answers every search with the driver's reason.
    if (copy.open() && mTarget.table == QLatin1String("Kundenstamm")) mCustomers.emplace(copy);
}

SearchWorker::Answer SearchWorker::searchOn(QSqlDatabase db, const SearchTarget& target,
                                            const CustomerSearch* customers, const QString& typed) {
    Answer answer;
    try {
        if (!db.isOpen()) {
            const QString why = db.lastError().text().trimmed();
            throw SearchFailed(
                (why.isEmpty() ? QStringLiteral("Die Datenbank ist nicht erreichbar.") : why)
                    .toStdString());
        }
        if (customers) {
            answer.rows = customers->find(typed).rows;
            return answer;
        }
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(searchStatement(target, typed)))
            throw SearchFailed(query.lastError().text().toStdString());
        while (query.next()) {
            QStringList row;
            for (int c = 0; c < target.shownColumns.size(); ++c)
                row << query.value(c).toString();
            answer.rows << row;
        }
    } catch (const SearchFailed& e) {
        const QString why = QString::fromUtf8(e.what()).trimmed();
        answer.failure = QStringLiteral("Suche fehlgeschlagen: %1")
                             .arg(why.isEmpty() ? QStringLiteral("Die Datenbank hat keinen Grund "
                                                                 "genannt; vermutlich ist die "
                                                                 "Verbindung unterbrochen.")
                                                : why);
    } catch (const std::exception& e) {
        // A NUL or a broken character typed or pasted into the field.
        answer.failure = QStringLiteral("Suche nicht möglich: %1").arg(QString::fromUtf8(e.what()));
    }
    return answer;
}

void SearchWorker::search(quint64 asked, const QString& typed) {
    open();
    const Answer answer = searchOn(QSqlDatabase::database(mName, false), mTarget,
                                   mCustomers ? &*mCustomers : nullptr, typed);
    // The next search begins on a new session.
    if (!answer.failure.isEmpty()) mStale = true;
    emit answered(asked, typed, answer.rows, answer.failure);
}
