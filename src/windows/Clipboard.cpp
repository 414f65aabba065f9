// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/Clipboard.h"
#include "contracts/Error.h"
#include "windows/FieldRecall.h"
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>

namespace belegadressen {

namespace {

template <class Field> void run(Field* field, int command) {
    if (command == 0)
        field->cut();
    else if (command == 1)
        field->copy();
    else
        field->paste();
}

} // namespace

void Clipboard::mnu_Cut() { send(Command::Cut); }
void Clipboard::mnu_Copy() { send(Command::Copy); }
void Clipboard::mnu_Paste() { send(Command::Paste); }

// A field that has no clipboard commands (a button, a check box) ignores them.
void Clipboard::send(Command command) {
    QWidget* active = mFields.activeControl();
    if (!active)
        throw Error(Error::ObjectMissing,
                    QStringLiteral("Objektvariable nicht festgelegt: kein Feld hat den Fokus."));
    const int c = static_cast<int>(command);
    if (auto* line = qobject_cast<QLineEdit*>(active))
        run(line, c);
    else if (auto* text = qobject_cast<QTextEdit*>(active))
        run(text, c);
    else if (auto* list = qobject_cast<QComboBox*>(active); list && list->lineEdit())
        run(list->lineEdit(), c);
    else if (auto* inner = qobject_cast<QLineEdit*>(active->focusWidget()))
        run(inner, c);
}

} // namespace belegadressen
