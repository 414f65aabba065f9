// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace belegadressen {

// Form measures (the control's widths, the caption widths of the master-data
// fields) are kept in twips, 1/1440 inch. A widget shows logicalDpiX pixels per
// inch, so: px = twips * logicalDpiX / 1440, rounded to the nearest pixel.
// Without a widget the primary screen's logical dpi serves (96 without one).
inline int twipsToPixels(const QWidget* widget, int twips) {
    int dpi = 96;
    if (widget) {
        dpi = widget->logicalDpiX();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dpi = qRound(screen->logicalDotsPerInchX());
    }
    return (twips * dpi + 720) / 1440;
}

// The control's width in the normal and in the wide display.
inline constexpr int kNormalWidthTwips = 9315;
inline constexpr int kWideWidthTwips = 11895;

} // namespace belegadressen
