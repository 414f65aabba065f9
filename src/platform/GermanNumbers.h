// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

// Numbers as a German user reads and types them: decimal comma, no grouping.
QString formatGerman(double value, int decimals);
// Reads German text ("1,5", "1.234,5"), falling back to C notation ("1.5");
// unreadable text is 0.
double parseGerman(const QString& text);

} // namespace belegadressen
