// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QFont>
#include <QSize>
#include <QString>

namespace belegadressen {

// A long text laid out for a preview of `area` in `font`: its own line breaks
// kept (also Windows and old Mac ones), lines wrapped at word boundaries to the
// width, and when more lines are needed than fit, the last one that fits ends
// with an ellipsis. The result holds one line per visual line.
QString fitPreviewText(const QString& text, const QFont& font, const QSize& area);

} // namespace belegadressen
