// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/InfoWindowLayout.h"
#include <algorithm>

namespace belegadressen {

InfoWindowPlaces placeInfoWindow(QSize inner, QSize picture, const QRect& text, const QRect& button,
                                 int gap60, int gap120) {
    InfoWindowPlaces p{text, button};
    p.text.moveLeft(0);
    p.text.setWidth(std::max(0, inner.width()));
    if (inner.height() > 3 * picture.height()) {
        const int height =
            std::max(0, inner.height() - picture.height() - button.height() - gap120);
        p.text = QRect(0, picture.height(), p.text.width(), height);
        p.button.moveTo(inner.width() - button.width() - gap60, p.text.y() + height + gap60);
    }
    return p;
}

} // namespace belegadressen
