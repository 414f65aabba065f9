// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "HostServices.h"
#include "platform/Defaults.h"
#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>

HostDialogRunner::HostDialogRunner(bool interactive, LogLine log)
    : mInteractive(interactive), mLog(std::move(log)) {
    if (mInteractive) mInner = belegadressen::defaultDialogRunner();
}

int HostDialogRunner::exec(QDialog& dialog) {
    const QString name =
        dialog.windowTitle().isEmpty() ? dialog.objectName() : dialog.windowTitle();
    mLog(QStringLiteral("[Dialog] %1").arg(name));
    if (mInteractive) return mInner->exec(dialog);
    const int result = mAnswer ? mAnswer(dialog) : int(QDialog::Rejected);
    // A message box answers the button chosen, a dialog accepted or not.
    QString answer =
        result == QDialog::Accepted ? QStringLiteral("OK") : QStringLiteral("Abbrechen");
    if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        if (QAbstractButton* button = box->button(QMessageBox::StandardButton(result)))
            answer = button->text().remove(QLatin1Char('&'));
    mLog(QStringLiteral("[Dialog] %1 -> %2").arg(name, answer));
    return result;
}

void HostDialogRunner::information(const QString& title, const QString& text) {
    mLog(QStringLiteral("[Hinweis] %1: %2").arg(title, text));
    if (mInteractive) mInner->information(title, text);
}

HostMessageService::HostMessageService(std::shared_ptr<belegadressen::DialogRunner> dialogs,
                                       bool interactive, LogLine log)
    : mInteractive(interactive), mLog(std::move(log)),
      mInner(belegadressen::defaultMessageService(std::move(dialogs))) {}

void HostMessageService::Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title,
                                 qint32 number) {
    const QString text = textOrNumber.typeId() == QMetaType::QString
                             ? textOrNumber.toString()
                             : QStringLiteral("Meldung Nr. %1").arg(textOrNumber.toInt());
    mLog(
        QStringLiteral("[Meldung] %1 (Art %2, %3): %4").arg(title).arg(kind).arg(number).arg(text));
    if (mInteractive) mInner->Meldung(textOrNumber, kind, title, number);
}

void HostMessageService::Fehlermeldung(const QString& module, const QString& procedure,
                                       qint32 number, const QString& text, bool flag) {
    // Number 0 is a plain notice ("... aktualisiert"), not an error.
    if (number == 0)
        mLog(QStringLiteral("[Hinweis] %1.%2: %3").arg(module, procedure, text));
    else
        mLog(QStringLiteral("[Fehlermeldung] %1.%2 Nr. %3: %4")
                 .arg(module, procedure)
                 .arg(number)
                 .arg(text));
    if (mInteractive) mInner->Fehlermeldung(module, procedure, number, text, flag);
}
