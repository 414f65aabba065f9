// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/ServiceValues.h"
#include <QLocale>
#include <cmath>
#include <limits>

namespace belegadressen {

namespace {
constexpr double kMin = std::numeric_limits<qint16>::min();
constexpr double kMax = std::numeric_limits<qint16>::max();

QString germanNumber(double v, int decimals) {
    return QLocale(QLocale::German, QLocale::Germany).toString(v, 'f', decimals);
}
} // namespace

qint16 smallNumber(const QVariant& value, const QString& what) {
    bool ok = false;
    const QString text = value.toString().trimmed();
    const double number = value.isNull() ? 0.0 : text.toDouble(&ok);
    if (!value.isNull() && !ok)
        throw NumberOutOfRange(QStringLiteral("Die %1 \"%2\" ist keine Zahl.").arg(what, text));
    const double rounded = std::nearbyint(number);
    if (rounded < kMin || rounded > kMax)
        throw NumberOutOfRange(
            QStringLiteral("Die %1 %2 ist zu groß: Standort- und Anlagennummern reichen nur "
                           "bis 32767.")
                .arg(what, text));
    return static_cast<qint16>(rounded);
}

Duration durationFromHours(double hours) {
    Duration d;
    if (!std::isfinite(hours)) {
        d.ok = false;
        d.message = QStringLiteral("Die Dauer ist keine Zahl.");
        return d;
    }
    // The process keeps the default rounding mode, round to nearest even.
    const double hundredths = std::nearbyint(hours * 100.0);
    if (hundredths < kMin || hundredths > kMax) {
        d.ok = false;
        d.message = QStringLiteral("Die Dauer von %1 Stunden ist zu groß: möglich sind "
                                   "höchstens 327,67 Stunden.")
                        .arg(germanNumber(hours, 2));
        if (hundredths < kMin)
            d.message = QStringLiteral("Die Dauer von %1 Stunden ist zu klein: möglich sind "
                                       "mindestens -327,68 Stunden.")
                            .arg(germanNumber(hours, 2));
        return d;
    }
    d.hundredths = static_cast<qint16>(hundredths);
    return d;
}

Duration durationFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    bool ok = false;
    double hours = QLocale(QLocale::German, QLocale::Germany).toDouble(t, &ok);
    if (!ok) hours = QLocale::c().toDouble(t, &ok);
    if (!ok) {
        Duration d;
        d.ok = false;
        d.message = QStringLiteral("Die Dauer \"%1\" ist keine Zahl. Bitte geben Sie die Dauer "
                                   "in Stunden ein, zum Beispiel 1,50.")
                        .arg(t);
        return d;
    }
    return durationFromHours(hours);
}

} // namespace belegadressen
