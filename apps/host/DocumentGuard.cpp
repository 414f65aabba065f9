// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentGuard.h"
#include "HostServices.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

using belegadressen::connectGuarded;

using belegadressen::BelegAdressen;

DocumentGuard::DocumentGuard(BelegAdressen& control, QWidget* focusTarget,
                             HostDialogRunner& dialogs, QObject* parent)
    : QObject(parent), mControl(control), mFocusTarget(focusTarget), mDialogs(dialogs) {
    const auto edited = [this] { mDirty = true; };
    // Every change the control reports is an edit of the document; fills by
    // the host (open, new) are marked saved afterwards.
    connectGuarded(&control, &BelegAdressen::Change, this, edited);
    connectGuarded(&control, &BelegAdressen::ChangeMwstKnz, this, edited);
    connectGuarded(&control, &BelegAdressen::ChangeZahlungsbedingungen, this, edited);
    connectGuarded(&control, &BelegAdressen::ChangeKundenrabatt, this, edited);
    connectGuarded(&control, &BelegAdressen::Waehrungchange, this, edited);
    connectGuarded(&control, &BelegAdressen::Wechselkurschange, this, edited);
    connectGuarded(&control, &BelegAdressen::ChangeBetreff, this, edited);
    connectGuarded(&control, &BelegAdressen::ChangeDatumLetzteWartung, this, edited);
}

void DocumentGuard::finishInput() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !mControl.isAncestorOf(focused) || !mFocusTarget) return;
    // The control counts a move to a field of the host's window as leaving.
    mFocusTarget->setFocus(Qt::TabFocusReason);
    QApplication::sendPostedEvents();
}

DocumentGuard::Choice DocumentGuard::askBeforeDiscarding(const QString& action) {
    if (!mDirty) return Choice::Discard;
    QMessageBox box(QMessageBox::Question, action,
                    QStringLiteral("Der Beleg wurde geändert. Sollen die Änderungen vor dem "
                                   "Schritt „%1“ gespeichert werden?")
                        .arg(action),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    mControl.window());
    box.setObjectName(QStringLiteral("frmVerwerfen"));
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Speichern"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    switch (mDialogs.exec(box)) {
    case QMessageBox::Save:
        return Choice::Save;
    case QMessageBox::Discard:
        return Choice::Discard;
    default:
        return Choice::Cancel;
    }
}

bool DocumentGuard::mayReplace(const QString& action, const std::function<bool()>& save) {
    finishInput();
    switch (askBeforeDiscarding(action)) {
    case Choice::Save:
        return save();
    case Choice::Discard:
        return true;
    case Choice::Cancel:
        return false;
    }
    return false;
}
