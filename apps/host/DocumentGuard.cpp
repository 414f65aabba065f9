#include "DocumentGuard.h"
#include "HostServices.h"
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

using belegadressen::BelegAdressen;

DocumentGuard::DocumentGuard(BelegAdressen& control, QWidget* focusTarget,
                             HostDialogRunner& dialogs, QObject* parent)
    : QObject(parent), mControl(control), mFocusTarget(focusTarget), mDialogs(dialogs) {
    const auto edited = [this] { mDirty = true; };
    // Every change the control reports is an edit of the document; fills by
    // the host (open, new) are marked saved afterwards.
    connect(&control, &BelegAdressen::Change, this, edited);
    connect(&control, &BelegAdressen::ChangeMwstKnz, this, edited);
    connect(&control, &BelegAdressen::ChangeZahlungsbedingungen, this, edited);
    connect(&control, &BelegAdressen::ChangeKundenrabatt, this, edited);
    connect(&control, &BelegAdressen::Waehrungchange, this, edited);
    connect(&control, &BelegAdressen::Wechselkurschange, this, edited);
    connect(&control, &BelegAdressen::ChangeBetreff, this, edited);
    connect(&control, &BelegAdressen::ChangeDatumLetzteWartung, this, edited);
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
