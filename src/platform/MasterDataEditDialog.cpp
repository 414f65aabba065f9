// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/MasterDataEditDialog.h"
#include "platform/GermanButtons.h"
#include "platform/GuardedConnect.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace belegadressen {

namespace {
// Marks a row's origin on its first cell: the position in the given rows,
// -1 for a row added in the dialog.
constexpr int kOrigin = Qt::UserRole + 1;
} // namespace

MasterDataEditDialog::MasterDataEditDialog(const QString& title, const QStringList& headings,
                                           const QList<QStringList>& rows, int keyIndex,
                                           Rights rights, int currentRow, QWidget* parent)
    : QDialog(parent), mRows(rows), mKeyIndex(keyIndex) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);

    mTable =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()), this);
    mTable->setObjectName(QStringLiteral("tblDaten"));
    mTable->setAccessibleName(title);
    mTable->setHorizontalHeaderLabels(headings);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->verticalHeader()->hide();
    if (!rights.edit) mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < headings.size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r].value(c));
            if (c == 0) item->setData(kOrigin, r);
            mTable->setItem(r, c, item);
        }
    }
    mTable->resizeColumnsToContents();
    if (currentRow >= 0 && currentRow < rows.size()) mTable->setCurrentCell(currentRow, 0);
    layout->addWidget(mTable);

    auto* buttonRow = new QHBoxLayout;
    mNew = new QPushButton(QStringLiteral("&Neu"), this);
    mNew->setObjectName(QStringLiteral("btnNeu"));
    mNew->setVisible(rights.addNew);
    mDelete = new QPushButton(QStringLiteral("&Löschen"), this);
    mDelete->setObjectName(QStringLiteral("btnLoeschen"));
    mDelete->setVisible(rights.remove);
    buttonRow->addWidget(mNew);
    buttonRow->addWidget(mDelete);
    buttonRow->addStretch();
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    germanStandardButtons(*box);
    buttonRow->addWidget(box);
    layout->addLayout(buttonRow);

    connectGuarded(mNew, &QPushButton::clicked, this, &MasterDataEditDialog::addRow);
    connectGuarded(mDelete, &QPushButton::clicked, this, &MasterDataEditDialog::deleteRow);
    connectGuarded(box, &QDialogButtonBox::accepted, this, &MasterDataEditDialog::accept);
    connectGuarded(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(qMax(420, mTable->horizontalHeader()->length() + 40), 320);
}

void MasterDataEditDialog::setCheck(std::function<QString(const MasterDataChanges&)> check,
                                    std::function<void(const QString&)> refused) {
    mCheck = std::move(check);
    mRefused = std::move(refused);
}

void MasterDataEditDialog::accept() {
    // A cell still being typed into counts as typed: moving off it commits it.
    if (const QModelIndex current = mTable->currentIndex(); current.isValid()) {
        mTable->setCurrentIndex(QModelIndex());
        mTable->setCurrentIndex(current);
    }
    if (mCheck) {
        const QString why = mCheck(changes());
        if (!why.isEmpty()) {
            if (mRefused) mRefused(why);
            return;
        }
    }
    QDialog::accept();
}

void MasterDataEditDialog::addRow() {
    const int row = mTable->rowCount();
    mTable->insertRow(row);
    for (int c = 0; c < mTable->columnCount(); ++c) {
        auto* item = new QTableWidgetItem;
        if (c == 0) item->setData(kOrigin, -1);
        mTable->setItem(row, c, item);
    }
    mTable->setCurrentCell(row, 0);
    // A new row is always editable, even where the existing rows are not.
    mTable->editItem(mTable->item(row, 0));
}

void MasterDataEditDialog::deleteRow() {
    const int row = mTable->currentRow();
    if (row < 0) return;
    const int origin = mTable->item(row, 0)->data(kOrigin).toInt();
    if (origin >= 0) mDeleted << origin;
    mTable->removeRow(row);
}

QStringList MasterDataEditDialog::texts(int row) const {
    QStringList out;
    for (int c = 0; c < mTable->columnCount(); ++c) {
        const QTableWidgetItem* item = mTable->item(row, c);
        out << (item ? item->text() : QString());
    }
    return out;
}

MasterDataChanges MasterDataEditDialog::changes() const {
    MasterDataChanges out;
    out.deleted = mDeleted;
    for (int r = 0; r < mTable->rowCount(); ++r) {
        const int origin = mTable->item(r, 0)->data(kOrigin).toInt();
        const QStringList now = texts(r);
        if (origin >= 0) {
            for (int c = 0; c < now.size(); ++c)
                if (mRows[origin].value(c) != now[c]) {
                    out.edited.append({origin, now});
                    break;
                }
            continue;
        }
        bool filled = false;
        for (const QString& t : now)
            filled = filled || !t.trimmed().isEmpty();
        if (filled) out.added << now;
    }
    return out;
}

std::optional<QString> MasterDataEditDialog::chosenKey() const {
    const int row = mTable->currentRow();
    if (row < 0 || mKeyIndex < 0 || mKeyIndex >= mTable->columnCount()) return std::nullopt;
    const QTableWidgetItem* item = mTable->item(row, mKeyIndex);
    return item ? item->text() : QString();
}

} // namespace belegadressen
