// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace belegadressen {

// A control's own visibility flag, whatever its parents show: the layout
// logic asks about the field itself, not about the page it sits on.
inline bool shown(const QWidget* w) { return w && !w->isHidden(); }

// An input the user may edit shows on white, a locked one read-only on the
// button face.
void showEditable(QLineEdit* field, bool editable);

inline void focusIfShown(QWidget* w) {
    if (shown(w)) w->setFocus(Qt::OtherFocusReason);
}

// Runs `onLeave` when `field` loses the keyboard focus to another widget
// inside `scope` or in the window around it (not when a dialog or another
// window takes it).
void onLeave(QWidget* field, QWidget* scope, std::function<void()> onLeave);

// The hooks below watch a child control through platform/EventHook.h, so
// nothing their handlers throw reaches Qt's event loop; a handler that fails
// lets the event go on.

// Runs `onKey` with the key and modifiers when a key is released in `field`;
// true from it eats the key.
void onKeyRelease(QWidget* field, std::function<bool(int key, Qt::KeyboardModifiers)> onKey);
// Runs `onKey` when a key goes down in `field`; true from it eats the key.
void onKeyPress(QWidget* field, std::function<bool(int key, Qt::KeyboardModifiers)> onKey);

// Runs `onPress` when the left mouse button goes down on `w`, and `onFocus`
// when it gets the focus.
void onLeftMouseDown(QWidget* w, std::function<void()> onPress);
void onFocusIn(QWidget* w, std::function<void()> onFocus);
// Runs `onMouse` for any mouse press, release or move on `w`.
void onMouse(QWidget* w, std::function<void()> onMouse);

} // namespace belegadressen
