// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

class HostDialogRunner;
class QWidget;

namespace belegadressen {
class BelegAdressen;
}

// Keeps the user's edits of a document from being lost: notes every change
// the control reports, finishes the field the user is typing in before the
// host reads or replaces the document, and asks before unsaved edits are
// discarded.
class DocumentGuard final : public QObject {
    Q_OBJECT
public:
    // `focusTarget` is a field of the host's window that takes the focus
    // when the control's field must be left.
    DocumentGuard(belegadressen::BelegAdressen& control, QWidget* focusTarget,
                  HostDialogRunner& dialogs, QObject* parent = nullptr);

    // What the user typed into a field of the control and has not left yet
    // is taken as if the user had tabbed out: the control's leave runs (a
    // typed customer number is loaded). Toolbar buttons take no focus, so
    // the host must do this before Save, New, Open and a change of kind.
    void finishInput();

    bool hasUnsavedEdits() const { return mDirty; }
    // After a save, an open or a new document.
    void markSaved() { mDirty = false; }
    void markEdited() { mDirty = true; }

    enum class Choice { Save, Discard, Cancel };
    // Nothing to lose: Discard. Otherwise asks the user (dialog
    // "frmVerwerfen"); anything but Save or Discard is Cancel.
    Choice askBeforeDiscarding(const QString& action);

    // Before the document is replaced (New, Open, Close): finishes the
    // input, asks when there are unsaved edits and saves through `save` when
    // the user wants that. Answers whether the document may be replaced.
    bool mayReplace(const QString& action, const std::function<bool()>& save);

private:
    belegadressen::BelegAdressen& mControl;
    QPointer<QWidget> mFocusTarget;
    HostDialogRunner& mDialogs;
    bool mDirty = false;
};
