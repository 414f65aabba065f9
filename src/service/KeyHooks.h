#pragma once
#include "platform/Keys.h"
#include <QWidget>
#include <functional>

namespace belegadressen {

// Runs `onKey` when a key goes down in `field`; true from it eats the key.
void onKeyPress(QWidget* field, std::function<bool(int key, Qt::KeyboardModifiers)> onKey);

} // namespace belegadressen
