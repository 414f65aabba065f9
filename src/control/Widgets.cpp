// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/Widgets.h"
#include "platform/EventHook.h"
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

namespace belegadressen {

void showEditable(QLineEdit* field, bool editable) {
    field->setReadOnly(!editable);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, editable ? QColor(Qt::white) : p.color(QPalette::Button));
    field->setPalette(p);
}

void onLeave(QWidget* field, QWidget* scope, std::function<void()> leave) {
    hookEvents(field, [field, scope, leave](QObject*, QEvent* e) {
        if (e->type() != QEvent::FocusOut) return false;
        QWidget* next = QApplication::focusWidget();
        // Another field of the control, or of the host's window around it;
        // a dialog or another window taking the focus is no leave.
        const bool sameWindow = next && next->window() == scope->window();
        if (next && next != field && (scope->isAncestorOf(next) || sameWindow) &&
            !field->isAncestorOf(next))
            leave();
        return false;
    });
}

void onKeyRelease(QWidget* field, std::function<bool(int, Qt::KeyboardModifiers)> onKey) {
    hookEvents(field, [onKey](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyRelease) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        return onKey(k->key(), k->modifiers());
    });
}

void onKeyPress(QWidget* field, std::function<bool(int, Qt::KeyboardModifiers)> onKey) {
    hookEvents(field, [onKey](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        return onKey(k->key(), k->modifiers());
    });
}

void onLeftMouseDown(QWidget* w, std::function<void()> onPress) {
    hookEvents(w, [onPress](QObject*, QEvent* e) {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            onPress();
        return false;
    });
}

void onFocusIn(QWidget* w, std::function<void()> onFocus) {
    hookEvents(w, [onFocus](QObject*, QEvent* e) {
        if (e->type() == QEvent::FocusIn) onFocus();
        return false;
    });
}

void onMouse(QWidget* w, std::function<void()> onMouse) {
    hookEvents(w, [onMouse](QObject*, QEvent* e) {
        const auto t = e->type();
        if (t == QEvent::MouseMove || t == QEvent::MouseButtonPress ||
            t == QEvent::MouseButtonRelease)
            onMouse();
        return false;
    });
}

} // namespace belegadressen
