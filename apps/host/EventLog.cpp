// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "EventLog.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include <QStringList>

using belegadressen::connectGuarded;

using belegadressen::BelegAdressen;

namespace {

QString arg(const QString& v) { return QLatin1Char('"') + v + QLatin1Char('"'); }
QString arg(double v) { return QString::number(v, 'g', 10); }
QString arg(qint16 v) { return QString::number(v); }
QString arg(qint32 v) { return QString::number(v); }
QString arg(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }
QString arg(float v) { return QString::number(double(v), 'g', 7); }

template <typename... Args> QString line(const char* event, const Args&... args) {
    QStringList parts;
    if constexpr (sizeof...(Args) > 0) (parts << ... << arg(args));
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(event), parts.join(QStringLiteral(", ")));
}

} // namespace

int connectEventLog(BelegAdressen& c, LogLine log) {
    int n = 0;
    // One connection per event.
    auto on = [&](auto signal, const char* name) {
        connectGuarded(&c, signal, &c,
                       [log, name](const auto&... args) { log(line(name, args...)); });
        ++n;
    };
    // The events' names as the host sees them, with umlauts.
#define BA_LOG(name, original, ...) on(&BelegAdressen::name, original);
    BELEGADRESSEN_EVENTS(BA_LOG, BA_LOG)
#undef BA_LOG
    return n;
}
