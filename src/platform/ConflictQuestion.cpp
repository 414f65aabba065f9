// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/ConflictQuestion.h"
#include "contracts/DialogRunner.h"
#include <QMessageBox>
#include <QPushButton>

namespace belegadressen {

ConflictChoice askConflict(DialogRunner& dialogs, QWidget* parent, const QString& text,
                           bool takeOver) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Geänderte Daten"), text,
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("conflictQuestion"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Über&schreiben"));
    if (takeOver) {
        box.addButton(QMessageBox::No);
        box.button(QMessageBox::No)->setText(QStringLiteral("Über&nehmen"));
    }
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    // Nothing is written unless the user says so.
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (dialogs.exec(box)) {
    case QMessageBox::Yes:
        return ConflictChoice::Overwrite;
    case QMessageBox::No:
        return takeOver ? ConflictChoice::TakeOver : ConflictChoice::Cancel;
    default:
        return ConflictChoice::Cancel;
    }
}

} // namespace belegadressen
