// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <Qt>

namespace belegadressen {

// F2 without Shift, Ctrl or Alt: the search key of every field of the address
// block (keypad and other modifiers do not count). With Shift it opens an
// editing dialog instead.
inline bool isPlainF2(int key, Qt::KeyboardModifiers mods) {
    return key == Qt::Key_F2 &&
           !(mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

} // namespace belegadressen
