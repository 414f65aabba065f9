// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SearchDialog.h"
#include "SearchWorker.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using belegadressen::connectGuarded;

SearchDialog::SearchDialog(const SearchTarget& target, QSqlDatabase db, QWidget* parent)
    : QDialog(parent), mTarget(target), mDb(std::move(db)), mEdit(new QLineEdit(this)),
      mTable(new QTableWidget(this)), mStatus(new QLabel(this)),
      mWorker(new SearchWorker(mDb.connectionName(), target)) {
    setWindowTitle(target.title);
    setObjectName(target.table == QLatin1String("Kundenstamm")
                      ? QStringLiteral("frmKundensuche")
                      : QStringLiteral("frmAdressensuche"));
    mEdit->setObjectName(QStringLiteral("txtSuche"));
    if (target.table == QLatin1String("Kundenstamm")) mCustomers.emplace(mDb);
    mEdit->setPlaceholderText(
        mCustomers && mCustomers->findsParts()
            ? QStringLiteral("Nummer (Anfang), Teil von Name, Straße oder Ort")
            : QStringLiteral("Nummer, Name oder Ort (Anfang)"));
    mEdit->setClearButtonEnabled(true);
    mTable->setObjectName(QStringLiteral("lstTreffer"));
    mStatus->setObjectName(QStringLiteral("lblStatus"));
    mTable->setColumnCount(int(target.shownColumns.size()));
    mTable->setHorizontalHeaderLabels(target.headings);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mEdit);
    layout->addWidget(mTable, 1);
    layout->addWidget(mStatus);
    layout->addWidget(buttons);
    resize(720, 420);

    mWorker->moveToThread(&mThread);
    connectGuarded(&mThread, &QThread::finished, mWorker, &QObject::deleteLater);
    connectGuarded(mWorker, &SearchWorker::answered, this, &SearchDialog::showAnswer);
    mThread.start();
    // The worker's own connection opens while the user starts typing.
    QMetaObject::invokeMethod(mWorker, [worker = mWorker] { worker->open(); });

    mDebounce.setSingleShot(true);
    mDebounce.setInterval(kTypingPause);
    connectGuarded(&mDebounce, &QTimer::timeout, this, [this] { ask(); });
    connectGuarded(mEdit, &QLineEdit::textChanged, this, [this] { mDebounce.start(); });
    // Enter in the search field takes the first hit.
    connectGuarded(mEdit, &QLineEdit::returnPressed, this, [this] {
        if (mDebounce.isActive() || mAnswered != mAsked) searchNow();
        if (mTable->rowCount() > 0) chooseRow(mTable->currentRow() < 0 ? 0 : mTable->currentRow());
    });
    connectGuarded(mTable, &QTableWidget::cellDoubleClicked, this,
                   [this](int row, int) { chooseRow(row); });
    connectGuarded(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!chosenKey().isEmpty()) accept();
    });
    connectGuarded(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The first rows come from the window's connection, which is open
    // already; the worker's is not yet.
    mClock.start();
    const SearchWorker::Answer first =
        SearchWorker::searchOn(mDb, mTarget, mCustomers ? &*mCustomers : nullptr, mEdit->text());
    showAnswer(mAsked, mEdit->text(), first.rows, first.failure);
}

QString SearchDialog::chosenKey() const {
    const int row = mTable->currentRow();
    if (row < 0 || !mTable->item(row, 0)) return {};
    return mTable->item(row, 0)->text();
}

void SearchDialog::setSearchText(const QString& text) {
    mEdit->setText(text);
    searchNow();
}

SearchDialog::~SearchDialog() {
    // The worker finishes a search under way and goes with its thread.
    mThread.quit();
    mThread.wait();
}

quint64 SearchDialog::ask() {
    mDebounce.stop();
    mClock.start();
    const quint64 asked = ++mAsked;
    const QString typed = mEdit->text();
    QMetaObject::invokeMethod(mWorker,
                              [worker = mWorker, asked, typed] { worker->search(asked, typed); });
    return asked;
}

void SearchDialog::searchNow() {
    // Connected before asking, so that a quick answer cannot slip past; the
    // answer itself is shown first (connected in the constructor).
    QEventLoop wait;
    quint64 asked = 0;
    connectGuarded(mWorker, &SearchWorker::answered, &wait, [this, &wait, &asked] {
        if (asked != 0 && mAnswered >= asked) wait.quit();
    });
    asked = ask();
    if (mAnswered < asked) wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void SearchDialog::showAnswer(quint64 asked, const QString& typed, const QList<QStringList>& found,
                              const QString& failure) {
    mAnswered = std::max(mAnswered, asked);
    // An answer to an older text, or to a text typed over since: a newer
    // search is asked or will be once typing pauses.
    if (asked != mAsked || typed != mEdit->text()) return;
    ++mShown;
    mTable->setRowCount(0);
    if (!failure.isEmpty()) {
        mStatus->setText(failure);
        return;
    }
    QList<QStringList> rows = found;
    std::sort(rows.begin(), rows.end(), [](const QStringList& a, const QStringList& b) {
        const int byName = QString::localeAwareCompare(a.value(1), b.value(1));
        return byName != 0 ? byName < 0 : a.value(0) < b.value(0);
    });
    mTable->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            mTable->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    if (!rows.isEmpty()) mTable->selectRow(0);
    mTable->resizeColumnsToContents();
    QString status = QStringLiteral("%1 Treffer%2 (%3 ms)")
                         .arg(rows.size())
                         .arg(rows.size() >= 50 ? QStringLiteral(", weiter eingrenzen") : QString())
                         .arg(mClock.elapsed());
    if (mCustomers && !mCustomers->findsParts())
        status += QStringLiteral(" – ") + mCustomers->notice();
    mStatus->setText(status);
}

int SearchDialog::rowCount() const { return mTable->rowCount(); }

void SearchDialog::chooseRow(int row) {
    if (row < 0 || row >= mTable->rowCount()) return;
    mTable->selectRow(row);
    accept();
}
