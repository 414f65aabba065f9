// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QLineEdit>

namespace belegadressen {

// Shows `text` in a line edit as setText does. Setting the same text again
// lays it out and shapes it anew and tells accessibility tools of a change;
// a load shows some fifty fields, many of them unchanged (empty, the same
// key or text number). The call is left out only when setText would leave
// the edit exactly as it is: same text, caret at the end, nothing selected,
// no undo or redo history, not modified, no input mask to rewrite the text.
inline void showLineText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text && edit->cursorPosition() == text.size() && !edit->hasSelectedText() &&
        !edit->isModified() && !edit->isUndoAvailable() && !edit->isRedoAvailable() &&
        edit->inputMask().isEmpty())
        return;
    edit->setText(text);
}

} // namespace belegadressen
