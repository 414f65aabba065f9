// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The control's events as call texts, "name(arg,...)" or "name" without arguments.
#include "control/BelegAdressen.h"
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

namespace batest {

template <class... A> QString callText(const char* name, const A&... a) {
    QStringList parts;
    (void)(parts << ... << QVariant::fromValue(a).toString());
    return QString::fromUtf8(name) + (sizeof...(A) ? "(" + parts.join(",") + ")" : QString());
}

// Appends each raise of the events named in `names` (their C++ names, and
// "PropertyChanged") to `out` as its call text.
inline void record(belegadressen::BelegAdressen& w, const QStringList& names, QStringList& out) {
    using B = belegadressen::BelegAdressen;
    qsizetype found = 0;
    auto one = [&]<class... A>(void (B::*signal)(A...), const char* name) {
        if (!names.contains(QLatin1String(name))) return;
        ++found;
        QObject::connect(&w, signal, [&out, name](A... a) { out << callText(name, a...); });
    };
#define BATEST_RECORD(name, ...) one(&B::name, #name);
    BELEGADRESSEN_EVENTS(BATEST_RECORD, BATEST_RECORD)
#undef BATEST_RECORD
    one(&B::PropertyChanged, "PropertyChanged");
    EXPECT_EQ(found, names.size()) << "an unknown event among " << names.join(' ').toStdString();
}

} // namespace batest
