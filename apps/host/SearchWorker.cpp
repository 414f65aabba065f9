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

QList<QStringList> SearchWorker::rows(const QString& typed) {
    if (!mOpen) {
        QSqlDatabase copy = QSqlDatabase::cloneDatabase(mOriginal, mName);
        mOpen = true;
        if (!copy.open()) throw SearchFailed(copy.lastError().text().toStdString());
        if (mTarget.table == QLatin1String("Kundenstamm")) mCustomers.emplace(copy);
    }
    if (mCustomers) return mCustomers->find(typed).rows;
    QSqlQuery query(QSqlDatabase::database(mName, false));
    query.setForwardOnly(true);
    if (!query.exec(searchStatement(mTarget, typed)))
        throw SearchFailed(query.lastError().text().toStdString());
    QList<QStringList> out;
    while (query.next()) {
        QStringList row;
        for (int c = 0; c < mTarget.shownColumns.size(); ++c)
            row << query.value(c).toString();
        out << row;
    }
    return out;
}

void SearchWorker::search(quint64 asked, const QString& typed) {
    QList<QStringList> found;
    QString failure;
    try {
        found = rows(typed);
    } catch (const SearchFailed& e) {
        failure = QStringLiteral("Suche fehlgeschlagen: %1").arg(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        // A NUL or a broken character typed or pasted into the field.
        failure = QStringLiteral("Suche nicht möglich: %1").arg(QString::fromUtf8(e.what()));
    }
    emit answered(asked, typed, found, failure);
}
