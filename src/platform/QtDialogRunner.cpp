// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/QtDialogRunner.h"
#include <QDialog>
#include <QMessageBox>

namespace belegadressen {

int QtDialogRunner::exec(QDialog& dialog) { return dialog.exec(); }

void QtDialogRunner::information(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    exec(box);
}

} // namespace belegadressen
