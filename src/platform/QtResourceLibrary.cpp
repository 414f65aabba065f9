// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/QtResourceLibrary.h"
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace belegadressen {

namespace {

constexpr int kSize = 32;

QImage blank() {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A calendar sheet crossed out in red.
QImage deleteAppointment() {
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 6.5, 22, 21));
    p.fillRect(QRectF(5, 7, 21, 5), QColor(70, 110, 180));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = 16; y <= 24; y += 4)
        p.drawLine(QPointF(8, y), QPointF(23, y));
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(28, 28));
    p.drawLine(QPointF(28, 14), QPointF(14, 28));
    return image;
}

// A bevelled face; pressed swaps the light and dark edges and shifts the mark.
QImage bevelButton(bool pressed) {
    QImage image = blank();
    QPainter p(&image);
    p.fillRect(QRect(1, 1, kSize - 2, kSize - 2), QColor(212, 208, 200));
    const QColor light(255, 255, 255), dark(110, 110, 110);
    p.setPen(QPen(pressed ? dark : light, 2));
    p.drawLine(2, 2, kSize - 3, 2);
    p.drawLine(2, 2, 2, kSize - 3);
    p.setPen(QPen(pressed ? light : dark, 2));
    p.drawLine(2, kSize - 3, kSize - 3, kSize - 3);
    p.drawLine(kSize - 3, 2, kSize - 3, kSize - 3);
    const int shift = pressed ? 1 : 0;
    QPainterPath arrow;
    arrow.moveTo(10 + shift, 13 + shift);
    arrow.lineTo(22 + shift, 13 + shift);
    arrow.lineTo(16 + shift, 20 + shift);
    arrow.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(arrow, QColor(30, 30, 30));
    return image;
}

// An envelope with a magnifying glass: look up the postal code.
QImage postalCode() {
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 70, 30), 1.5));
    p.setBrush(QColor(250, 230, 170));
    p.drawRect(QRectF(2.5, 6.5, 22, 15));
    p.drawLine(QPointF(2.5, 6.5), QPointF(13.5, 15));
    p.drawLine(QPointF(24.5, 6.5), QPointF(13.5, 15));
    p.setPen(QPen(QColor(30, 30, 30), 2.5));
    p.setBrush(QColor(200, 225, 255, 200));
    p.drawEllipse(QPointF(21, 20), 5.5, 5.5);
    p.setPen(QPen(QColor(30, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 24), QPointF(29.5, 28.5));
    return image;
}

QString substitute(const QString& text, const QStringList& values) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit()) {
            qsizetype j = i + 1;
            int index = 0;
            while (j < text.size() && text[j].isDigit())
                index = index * 10 + text[j++].digitValue();
            if (index >= 1 && index <= values.size()) {
                out += values[index - 1];
                i = j - 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

QIcon QtResourceLibrary::Bild(int number) {
    QImage image;
    switch (number) {
    case DeleteAppointment:
        image = deleteAppointment();
        break;
    case ButtonPressed:
        image = bevelButton(true);
        break;
    case ButtonReleased:
        image = bevelButton(false);
        break;
    case PostalCode:
        image = postalCode();
        break;
    default:
        return {};
    }
    return QIcon(QPixmap::fromImage(image));
}

QString QtResourceLibrary::Text(int number, const QStringList& values) {
    switch (number) {
    case TextKindMismatch:
        return substitute(QStringLiteral("Der Texttyp passt nicht zu diesem Beleg."), values);
    case TextModuleMissing:
        return substitute(QStringLiteral("Der Textbaustein %1 ist nicht vorhanden."), values);
    default:
        return {};
    }
}

} // namespace belegadressen
