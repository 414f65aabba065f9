// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

struct Ui;

// Caption widths of the master-data fields, in twips. The caption columns of
// the forms beside them use the same widths, so that captions and inputs line
// up.
namespace captionTwips {
inline constexpr int Anrede = 1230;
inline constexpr int Versandart = 1440;
inline constexpr int MwstKnz = 1470;
inline constexpr int Zahlung = 1500;
inline constexpr int Waehrung = 1430;
inline constexpr int Vertreter = 1200;
} // namespace captionTwips

// A caption as a screen reader should say it: without its access-key mark.
QString withoutAccessKeys(const QString& caption);

// Arranges the children that Ui::build created: page panels, forms, rows and
// grids, field widths, the tab order and the accessible names.
void layOutUi(Ui& ui);

// Puts the text-number rows on page 2, or on page 1 for an address of one
// page, with the keyboard order following them.
void placeTextRows(Ui& ui, bool onPage2);

} // namespace belegadressen
