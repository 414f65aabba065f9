// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/Ui.h"
#include <QGridLayout>

namespace belegadressen {

namespace {

QGridLayout* gridOf(QWidget* w) {
    return w->parentWidget() ? qobject_cast<QGridLayout*>(w->parentWidget()->layout()) : nullptr;
}

// The cell a text-number field was built in, remembered on first use.
void rememberHome(QGridLayout* grid, QWidget* w) {
    if (w->property("homeRow").isValid()) return;
    const int index = grid->indexOf(w);
    if (index < 0) return;
    int row, col, rowSpan, colSpan;
    grid->getItemPosition(index, &row, &col, &rowSpan, &colSpan);
    w->setProperty("homeRow", row);
    w->setProperty("homeCol", col);
}

void place(QGridLayout* grid, QWidget* w, int row, int col) {
    grid->removeWidget(w);
    grid->addWidget(w, row, col);
}

} // namespace

namespace {

void restoreRow(const std::array<QLineEdit*, 5>& row) {
    for (QLineEdit* f : row) {
        QGridLayout* grid = gridOf(f);
        if (!grid) continue;
        rememberHome(grid, f);
        if (f->property("homeRow").isValid())
            place(grid, f, f->property("homeRow").toInt(), f->property("homeCol").toInt());
    }
}

} // namespace

void Ui::restoreTextSlots() {
    restoreRow(textRow(0));
    restoreRow(textRow(1));
}

void Ui::moveToFirstSlot(int element, QLineEdit* field) {
    // Only this row goes home first: the other row may have moved already.
    restoreRow(textRow(element));
    QLineEdit* first = textRow(element)[0];
    if (field == first) return;
    QGridLayout* grid = gridOf(field);
    if (!grid || grid != gridOf(first)) {
        field->move(field->x(), first->y());
        return;
    }
    const int row = first->property("homeRow").toInt(), col = first->property("homeCol").toInt();
    place(grid, first, field->property("homeRow").toInt(), field->property("homeCol").toInt());
    place(grid, field, row, col);
    grid->activate();
}

} // namespace belegadressen
