#pragma once
#include <QWidget>
#include <functional>

namespace belegadressen {

// Runs `onKey` when a key goes down in `field`; true from it eats the key.
void onKeyPress(QWidget* field, std::function<bool(int key, Qt::KeyboardModifiers)> onKey);

// F2 without Shift, Ctrl or Alt: the search key of the service fields.
inline bool isPlainF2(int key, Qt::KeyboardModifiers mods) {
    return key == Qt::Key_F2 &&
           !(mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

} // namespace belegadressen
