// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/GermanNumbers.h"
#include <QLocale>
#include <cmath>

namespace belegadressen {

namespace {
const QLocale& german() {
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}
} // namespace

QString formatGerman(double value, int decimals) {
    return german().toString(value, 'f', decimals).remove(german().groupSeparator());
}

double parseGerman(const QString& text) {
    bool ok = false;
    QString t = text.trimmed();
    const QString grouped = t;
    t.remove(german().groupSeparator());
    double v = german().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(grouped, &ok);
    // "nan" and "inf" parse, but are no amount, rate or duration.
    return ok && std::isfinite(v) ? v : 0.0;
}

} // namespace belegadressen
