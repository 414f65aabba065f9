// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Showing a text in a line edit leaves it exactly as setText would, whether
// or not the text was already there.
#include "platform/LineText.h"
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct EditState {
    QString text, displayText;
    int cursor;
    bool selected, modified, undo, redo;
    bool operator==(const EditState&) const = default;
};

EditState stateOf(const QLineEdit& e) {
    return {e.text(),       e.displayText(),     e.cursorPosition(), e.hasSelectedText(),
            e.isModified(), e.isUndoAvailable(), e.isRedoAvailable()};
}

std::ostream& operator<<(std::ostream& out, const EditState& s) {
    return out << '"' << s.text.toStdString() << "\" shown \"" << s.displayText.toStdString()
               << "\" cursor " << s.cursor << " selected " << s.selected << " modified "
               << s.modified << " undo " << s.undo << " redo " << s.redo;
}

TEST(LineText, LeavesTheEditAsSetTextWould) {
    using Prepare = std::function<void(QLineEdit&)>;
    // The text set first (none: the edit untouched), what happens then, the text shown.
    const struct {
        const char* name;
        const char* first;
        Prepare then;
        QString shown;
    } cases[] = {
        {"same text, untouched", "Meier", {}, "Meier"},
        {"empty, untouched", nullptr, {}, ""},
        {"other text", "Meier", {}, "Müller"},
        {"same text, caret moved", "Meier", [](QLineEdit& e) { e.setCursorPosition(2); }, "Meier"},
        {"same text, part selected", "Meier", [](QLineEdit& e) { e.setSelection(1, 2); }, "Meier"},
        {"same text, marked modified", "Meier", [](QLineEdit& e) { e.setModified(true); }, "Meier"},
        {"same text typed back by the user (undo history)", "Meier",
         [](QLineEdit& e) {
             e.insert("x");
             e.backspace();
             e.setModified(false);
         },
         "Meier"},
        {"same text, redo available", "Meier",
         [](QLineEdit& e) {
             e.insert("x");
             e.undo();
             e.setModified(false);
         },
         "Meier"},
        {"same text behind an input mask", nullptr,
         [](QLineEdit& e) {
             e.setInputMask("99999");
             e.setText("123");
         },
         "123"},
        {"longer than the maximum length", nullptr,
         [](QLineEdit& e) {
             e.setMaxLength(3);
             e.setText("Mei");
         },
         "Meier"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit plain, shown;
        for (QLineEdit* e : {&plain, &shown}) {
            if (c.first) e->setText(QString::fromUtf8(c.first));
            if (c.then) c.then(*e);
        }
        plain.setText(c.shown);
        belegadressen::showLineText(&shown, c.shown);
        EXPECT_EQ(stateOf(shown), stateOf(plain));
    }
}

} // namespace
