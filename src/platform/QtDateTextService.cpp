// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/QtDateTextService.h"
#include <QDate>

namespace belegadressen {

namespace {

const QString kDisplay = QStringLiteral("dd.MM.yyyy");
const QString kStored = QStringLiteral("yyyy-MM-dd");

// Reads either form; a stored value may carry a time after the date
// ("2024-03-01 00:00:00", "2024-03-01T00:00:00"), which is dropped.
QDate parse(const QString& text) {
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, kDisplay);
    if (d.isValid()) return d;
    d = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    if (d.isValid()) return d;
    QString isoPart = t;
    if (t.size() > 10 && (t[10] == QLatin1Char(' ') || t[10] == QLatin1Char('T')))
        isoPart = t.left(10);
    return QDate::fromString(isoPart, kStored);
}

} // namespace

QString QtDateTextService::ToDisplay(const QString& stored) {
    const QDate d = parse(stored);
    return d.isValid() ? d.toString(kDisplay) : stored;
}

QString QtDateTextService::ToStored(const QString& display) {
    const QDate d = parse(display);
    return d.isValid() ? d.toString(kStored) : display;
}

} // namespace belegadressen
