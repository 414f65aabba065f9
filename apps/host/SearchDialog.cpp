#include "SearchDialog.h"
#include "platform/SqlText.h"
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

SearchDialog::SearchDialog(const SearchTarget& target, QSqlDatabase db, QWidget* parent)
    : QDialog(parent), mTarget(target), mDb(std::move(db)), mEdit(new QLineEdit(this)),
      mTable(new QTableWidget(this)), mStatus(new QLabel(this)) {
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

    mDebounce.setSingleShot(true);
    mDebounce.setInterval(200);
    connect(&mDebounce, &QTimer::timeout, this, &SearchDialog::searchNow);
    connect(mEdit, &QLineEdit::textChanged, this, [this] { mDebounce.start(); });
    // Enter in the search field takes the first hit.
    connect(mEdit, &QLineEdit::returnPressed, this, [this] {
        if (mDebounce.isActive()) searchNow();
        if (mTable->rowCount() > 0) chooseRow(mTable->currentRow() < 0 ? 0 : mTable->currentRow());
    });
    connect(mTable, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { chooseRow(row); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!chosenKey().isEmpty()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    searchNow();
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

QList<QStringList> SearchDialog::searchRows(const QString& typed) {
    if (mCustomers) return mCustomers->find(typed).rows;
    QSqlQuery query(mDb);
    query.setForwardOnly(true);
    const QString sql = searchStatement(mTarget, typed);
    if (!query.exec(sql)) throw SearchFailed(query.lastError().text().toStdString());
    QList<QStringList> rows;
    while (query.next()) {
        QStringList row;
        for (int c = 0; c < mTarget.shownColumns.size(); ++c)
            row << query.value(c).toString();
        rows << row;
    }
    return rows;
}

void SearchDialog::searchNow() {
    mDebounce.stop();
    QElapsedTimer clock;
    clock.start();
    mTable->setRowCount(0);
    QList<QStringList> rows;
    try {
        rows = searchRows(mEdit->text());
    } catch (const SearchFailed& e) {
        mStatus->setText(
            QStringLiteral("Suche fehlgeschlagen: %1").arg(QString::fromUtf8(e.what())));
        return;
    } catch (const std::exception& e) {
        // A NUL or a broken character typed or pasted into the field: no
        // statement, the reason in the status line.
        mStatus->setText(
            QStringLiteral("Suche nicht möglich: %1").arg(QString::fromUtf8(e.what())));
        return;
    }
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
                         .arg(clock.elapsed());
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
