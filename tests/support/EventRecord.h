#pragma once
// The control's events as call texts, "name(arg,...)" or "name" without arguments.
#include "control/BelegAdressen.h"
#include <QStringList>
#include <QVariant>

namespace batest {

template <class... A> QString callText(const char* name, const A&... a) {
    QStringList parts;
    (void)(parts << ... << QVariant::fromValue(a).toString());
    return QString::fromUtf8(name) + (sizeof...(A) ? "(" + parts.join(",") + ")" : QString());
}

// Appends each call of `signal` to `out` as its call text.
template <class... A>
void record(belegadressen::BelegAdressen& w, void (belegadressen::BelegAdressen::*signal)(A...),
            const char* name, QStringList& out) {
    QObject::connect(&w, signal, [&out, name](A... a) { out << callText(name, a...); });
}

} // namespace batest
