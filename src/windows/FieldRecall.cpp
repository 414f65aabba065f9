// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/FieldRecall.h"
#include "contracts/MasterDataCombo.h"
#include "control/ErrorStyles.h"
#include "control/Ui.h"
#include "platform/EventHook.h"
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace belegadressen {

namespace {

const char* const kTag = "Tag";

QString tagOf(const QWidget* w) { return w->property(kTag).toString(); }

// The value of a field the recall knows; false for any other widget.
bool valueOf(QWidget* w, RecallScope scope, QString& value) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        value = line->text();
        return true;
    }
    if (auto* list = qobject_cast<QComboBox*>(w);
        list && list->isEditable() && scope == RecallScope::TextFieldsAndLists) {
        value = list->currentText();
        return true;
    }
    return false;
}

void setValue(QWidget* w, const QString& value) {
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->setText(value);
    else if (auto* list = qobject_cast<QComboBox*>(w))
        list->setEditText(value);
}

} // namespace

bool isRecallKey(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_F3 && (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

void keepValue(QWidget* active, RecallScope scope) {
    QString value;
    if (active && valueOf(active, scope, value) && !value.isEmpty())
        active->setProperty(kTag, value);
}

void restoreValue(QWidget* active, RecallScope scope) {
    QString value;
    if (!active || !valueOf(active, scope, value)) return;
    const QString tag = tagOf(active);
    if (!tag.isEmpty()) setValue(active, tag);
}

// Pressing Ctrl on the way to Ctrl+F3 is no key of its own: the modifier keys
// alone change no value and keep nothing, or the recall would only ever
// restore the value it finds.
void recallKeyRoutine(QWidget* active, int key, Qt::KeyboardModifiers modifiers,
                      RecallScope scope) {
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return;
    default:
        break;
    }
    if (isRecallKey(key, modifiers))
        restoreValue(active, scope);
    else
        keepValue(active, scope);
}

void installRecallKeys(QWidget* scope, std::function<QWidget*()> active, RecallScope recall) {
    auto* hook = new EventHook(
        [active = std::move(active), recall](QObject* watched, QEvent* e) {
            // A key the focused widget ignores travels on to its parents: once is enough.
            if (e->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
                auto* key = static_cast<QKeyEvent*>(e);
                recallKeyRoutine(active(), key->key(), key->modifiers(), recall);
            }
            return false;
        },
        scope);
    hook->watch(scope);
    for (QWidget* w : scope->findChildren<QWidget*>())
        hook->watch(w);
}

void FieldRecall::connectSignals() {
    installRecallKeys(
        mUi.root, [this] { return activeControl(); }, RecallScope::TextFields);
}

QWidget* FieldRecall::activeControl() const {
    QWidget* focus = mUi.root->focusWidget();
    if (!focus || !mUi.root->isAncestorOf(focus)) return nullptr;
    for (QWidget* w = focus->parentWidget(); w && w != mUi.root; w = w->parentWidget())
        if (qobject_cast<QComboBox*>(w) || qobject_cast<MasterDataCombo*>(w)) focus = w;
    return focus;
}

QVariant FieldRecall::Setze_Tag_user() {
    skipOnError([&] { keepValue(activeControl(), RecallScope::TextFields); });
    return {};
}

QVariant FieldRecall::Hole_Tag_user() {
    skipOnError([&] { restoreValue(activeControl(), RecallScope::TextFields); });
    return {};
}

} // namespace belegadressen
