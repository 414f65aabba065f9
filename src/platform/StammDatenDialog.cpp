#include "platform/StammDatenDialog.h"
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
constexpr int kHerkunft = Qt::UserRole + 1;
} // namespace

StammDatenDialog::StammDatenDialog(const QString& title, const QStringList& headings,
                                   const QList<QVariantList>& rows, int keyIndex, Rechte rechte,
                                   int currentRow, QWidget* parent)
    : QDialog(parent), mRows(rows), mKeyIndex(keyIndex) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);

    mTable =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()), this);
    mTable->setObjectName(QStringLiteral("tblDaten"));
    mTable->setHorizontalHeaderLabels(headings);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->verticalHeader()->hide();
    if (!rechte.bearbeiten) mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < headings.size(); ++c) {
            const QVariant value = c < rows[r].size() ? rows[r][c] : QVariant();
            auto* item = new QTableWidgetItem(value.toString());
            if (c == 0) item->setData(kHerkunft, r);
            mTable->setItem(r, c, item);
        }
    }
    mTable->resizeColumnsToContents();
    if (currentRow >= 0 && currentRow < rows.size()) mTable->setCurrentCell(currentRow, 0);
    layout->addWidget(mTable);

    auto* buttonRow = new QHBoxLayout;
    mNeu = new QPushButton(QStringLiteral("&Neu"), this);
    mNeu->setObjectName(QStringLiteral("btnNeu"));
    mNeu->setVisible(rechte.neu);
    mLoeschen = new QPushButton(QStringLiteral("&Löschen"), this);
    mLoeschen->setObjectName(QStringLiteral("btnLoeschen"));
    mLoeschen->setVisible(rechte.loeschen);
    buttonRow->addWidget(mNeu);
    buttonRow->addWidget(mLoeschen);
    buttonRow->addStretch();
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonRow->addWidget(box);
    layout->addLayout(buttonRow);

    connect(mNeu, &QPushButton::clicked, this, &StammDatenDialog::addRow);
    connect(mLoeschen, &QPushButton::clicked, this, &StammDatenDialog::deleteRow);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(qMax(420, mTable->horizontalHeader()->length() + 40), 320);
}

void StammDatenDialog::addRow() {
    const int row = mTable->rowCount();
    mTable->insertRow(row);
    for (int c = 0; c < mTable->columnCount(); ++c) {
        auto* item = new QTableWidgetItem;
        if (c == 0) item->setData(kHerkunft, -1);
        mTable->setItem(row, c, item);
    }
    mTable->setCurrentCell(row, 0);
    // A new row is always editable, even where the existing rows are not.
    mTable->editItem(mTable->item(row, 0));
}

void StammDatenDialog::deleteRow() {
    const int row = mTable->currentRow();
    if (row < 0) return;
    const int origin = mTable->item(row, 0)->data(kHerkunft).toInt();
    if (origin >= 0) mDeleted << origin;
    mTable->removeRow(row);
}

QStringList StammDatenDialog::texts(int row) const {
    QStringList out;
    for (int c = 0; c < mTable->columnCount(); ++c) {
        const QTableWidgetItem* item = mTable->item(row, c);
        out << (item ? item->text() : QString());
    }
    return out;
}

QList<QPair<int, QStringList>> StammDatenDialog::editedRows() const {
    QList<QPair<int, QStringList>> out;
    for (int r = 0; r < mTable->rowCount(); ++r) {
        const int origin = mTable->item(r, 0)->data(kHerkunft).toInt();
        if (origin < 0) continue;
        const QStringList now = texts(r);
        for (int c = 0; c < now.size(); ++c) {
            const QVariant before = c < mRows[origin].size() ? mRows[origin][c] : QVariant();
            if (before.toString() != now[c]) {
                out.append({origin, now});
                break;
            }
        }
    }
    return out;
}

QList<QStringList> StammDatenDialog::addedRows() const {
    QList<QStringList> out;
    for (int r = 0; r < mTable->rowCount(); ++r) {
        if (mTable->item(r, 0)->data(kHerkunft).toInt() >= 0) continue;
        const QStringList now = texts(r);
        bool filled = false;
        for (const QString& t : now)
            filled = filled || !t.isEmpty();
        if (filled) out << now;
    }
    return out;
}

std::optional<QString> StammDatenDialog::chosenKey() const {
    const int row = mTable->currentRow();
    if (row < 0 || mKeyIndex < 0 || mKeyIndex >= mTable->columnCount()) return std::nullopt;
    const QTableWidgetItem* item = mTable->item(row, mKeyIndex);
    return item ? item->text() : QString();
}

} // namespace belegadressen
