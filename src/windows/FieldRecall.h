// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QVariant>
#include <QWidget>
#include <functional>

namespace belegadressen {

struct Ui;

// The field recall: every key-down keeps the focused field's value in the
// field's tag (the dynamic property "Tag"), and Ctrl+F3 puts the tag back, so
// that it restores the value the field had before the last other key.
//
// The control recalls text fields (every QLineEdit: plain, number, date and
// time inputs); the info window also editable drop-down lists.
enum class RecallScope { TextFields, TextFieldsAndLists };

bool isRecallKey(int key, Qt::KeyboardModifiers modifiers);
// The value into the tag, when the value is not empty.
void keepValue(QWidget* active, RecallScope scope);
// The tag back into the value, when the tag is not empty.
void restoreValue(QWidget* active, RecallScope scope);
// The shared key routine: Ctrl+F3 restores, any other key keeps.
void recallKeyRoutine(QWidget* active, int key, Qt::KeyboardModifiers modifiers, RecallScope scope);

// Runs the key routine for every key-down that reaches a widget of `scope`,
// for the widget `active` answers (the window's active control).
void installRecallKeys(QWidget* scope, std::function<QWidget*()> active, RecallScope recall);

// The control's part: its members Setze_Tag_user and Hole_Tag_user and the
// key-downs of its fields.
class FieldRecall {
public:
    explicit FieldRecall(Ui& ui) : mUi(ui) {}
    void connectSignals();
    QVariant Setze_Tag_user();
    QVariant Hole_Tag_user();
    // The control's active child control: the field last focused, a part of
    // a list or master-data field standing for the whole field.
    QWidget* activeControl() const;

private:
    Ui& mUi;
};

} // namespace belegadressen
