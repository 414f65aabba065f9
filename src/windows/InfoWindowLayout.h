// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QRect>
#include <QSize>

namespace belegadressen {

// Where the info window puts its text box and its button for an inner size:
// the picture stays at the top left, the box spans the inner width from the
// left edge. Only a window taller than three pictures moves the box below the
// picture and sets its height and the button's place; a lower one keeps them
// where they are. All values in one unit; the gaps are 60 and 120 twips in it.
struct InfoWindowPlaces {
    QRect text;
    QRect button;
};

InfoWindowPlaces placeInfoWindow(QSize inner, QSize picture, const QRect& text, const QRect& button,
                                 int gap60, int gap120);

} // namespace belegadressen
