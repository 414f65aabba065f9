// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PostalChoiceDialog.h"
#include "platform/GermanButtons.h"
#include "platform/GuardedConnect.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace belegadressen {

PostalChoiceDialog::PostalChoiceDialog(const QList<PostalEntry>& entries, bool withDistricts,
                                       bool withStreet, const QStringList& changes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPlzAuswahl"));
    setWindowTitle(QStringLiteral("Postleitzahl auswählen"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(
        QStringLiteral("Zu den Angaben passen mehrere Anschriften. Bitte wählen Sie eine aus."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    mFilter = new QLineEdit(this);
    mFilter->setObjectName(QStringLiteral("txtFilter"));
    mFilter->setPlaceholderText(QStringLiteral("Eingrenzen: Postleitzahl, Ort oder Straße"));
    mFilter->setClearButtonEnabled(true);
    mFilter->setAccessibleName(QStringLiteral("Eingrenzen"));
    mFilter->setAccessibleDescription(
        QStringLiteral("Postleitzahl, Ort oder Straße; Pfeiltasten wählen eine Zeile, die "
                       "Eingabetaste übernimmt sie"));
    mKeys.watch(mFilter);
    layout->addWidget(mFilter);

    QStringList headings{QStringLiteral("PLZ"), QStringLiteral("Ort")};
    if (withDistricts) headings << QStringLiteral("Ortsteil");
    if (withStreet) headings << QStringLiteral("Straße");
    bool marked = false;
    for (const QString& c : changes)
        marked = marked || !c.isEmpty();
    if (marked) {
        headings << QStringLiteral("Ändert");
        hint->setText(QStringLiteral("Die Angaben passen nicht zusammen. Bitte wählen Sie eine "
                                     "Anschrift aus; was sie ändert, ist hervorgehoben."));
    }
    mTable =
        new QTableWidget(static_cast<int>(entries.size()), static_cast<int>(headings.size()), this);
    mTable->setObjectName(QStringLiteral("tblTreffer"));
    mTable->setAccessibleName(QStringLiteral("Passende Anschriften"));
    mTable->setHorizontalHeaderLabels(headings);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setTabKeyNavigation(false);
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < entries.size(); ++r) {
        const PostalEntry& e = entries[r];
        QStringList cells{e.plz, e.ort};
        if (withDistricts) cells << e.ortsteil;
        if (withStreet) cells << e.strasse;
        const QString change = changes.value(r);
        // Which columns the entry changes, so that a correction stands out.
        QList<int> bold;
        if (change.contains(QLatin1String("PLZ"))) bold << 0;
        if (change.contains(QLatin1String("Ort"))) bold << 1;
        if (withStreet && change.contains(QLatin1String("Straße")))
            bold << static_cast<int>(cells.size()) - 1;
        if (marked) cells << change;
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (bold.contains(c)) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            mTable->setItem(r, c, item);
        }
    }
    mTable->resizeColumnsToContents();
    layout->addWidget(mTable);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    germanStandardButtons(*buttons);
    mOk = buttons->button(QDialogButtonBox::Ok);
    mOk->setText(QStringLiteral("Übernehmen"));
    layout->addWidget(buttons);
    connectGuarded(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connectGuarded(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connectGuarded(mTable, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connectGuarded(mFilter, &QLineEdit::textChanged, this, &PostalChoiceDialog::applyFilter);

    if (!entries.isEmpty()) mTable->setCurrentCell(0, 0);
    mFilter->setFocus(Qt::OtherFocusReason);
    resize(520, 320);
}

int PostalChoiceDialog::visibleRows() const {
    int n = 0;
    for (int r = 0; r < mTable->rowCount(); ++r)
        if (!mTable->isRowHidden(r)) ++n;
    return n;
}

int PostalChoiceDialog::chosen() const {
    const int row = mTable->currentRow();
    return row >= 0 && row < mTable->rowCount() && !mTable->isRowHidden(row) ? row : -1;
}

void PostalChoiceDialog::accept() {
    if (chosen() < 0) return; // nothing left under the filter: stay open
    QDialog::accept();
}

void PostalChoiceDialog::applyFilter(const QString& text) {
    const QString needle = text.trimmed();
    int first = -1;
    for (int r = 0; r < mTable->rowCount(); ++r) {
        bool match = needle.isEmpty();
        for (int c = 0; !match && c < mTable->columnCount(); ++c)
            match = mTable->item(r, c)->text().contains(needle, Qt::CaseInsensitive);
        mTable->setRowHidden(r, !match);
        if (match && first < 0) first = r;
    }
    if (chosen() < 0) {
        if (first >= 0)
            mTable->setCurrentCell(first, 0);
        else
            mTable->clearSelection();
    }
    mOk->setEnabled(first >= 0);
}

// Moving keys typed in the filter move the marked row instead.
bool PostalChoiceDialog::filterKey(QObject* watched, QEvent* event) {
    if (watched == mFilter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QApplication::sendEvent(mTable, event);
            return true;
        }
    }
    return false;
}

} // namespace belegadressen
