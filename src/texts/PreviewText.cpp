// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "texts/PreviewText.h"
#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace belegadressen {

namespace {

const QString kEllipsis(QChar(0x2026));

QString normalized(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

QString withoutTrailingSpace(QString line) {
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    return line;
}

// The visual lines of `text`, at most `limit` + 1 of them (one more tells
// that the text goes on).
QStringList wrapped(const QString& text, const QFont& font, qreal width, int limit) {
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (lines.size() > limit) break;
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid() && lines.size() <= limit;
             line = layout.createLine()) {
            line.setLineWidth(width);
            lines << withoutTrailingSpace(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

QString fitPreviewText(const QString& text, const QFont& font, const QSize& area) {
    const QString plain = normalized(text);
    if (area.width() <= 0 || area.height() <= 0) return plain;
    const QFontMetricsF metrics(font);
    // The first line needs its height, every further one the line spacing.
    const int fitting =
        1 + std::max(0, static_cast<int>(std::floor((area.height() - metrics.height()) /
                                                    metrics.lineSpacing())));
    QStringList lines = wrapped(plain, font, area.width(), fitting);
    if (lines.size() <= fitting) return lines.join(QLatin1Char('\n'));
    lines = lines.mid(0, fitting);
    QString& last = lines.last();
    while (!last.isEmpty() && metrics.horizontalAdvance(last + kEllipsis) > area.width())
        last.chop(1);
    last = withoutTrailingSpace(last) + kEllipsis;
    return lines.join(QLatin1Char('\n'));
}

} // namespace belegadressen
