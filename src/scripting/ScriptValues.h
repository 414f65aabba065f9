// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// How values and calls cross between a script and the late-bound members:
// no widget involved, so the rules are checked on their own.
#include "control/BelegAdressen.h"
#include <QJSValue>
#include <QVariant>

class QJSEngine;

namespace belegadressen::scripting {

// Which call a member name with `argc` arguments means: a method by its row,
// a property read without an argument and set with one. A name the table
// does not know is tried as a method, which reports it as unknown.
InvokeKind kindFor(const QString& member, qsizetype argc);

// The arguments of a script call (a JavaScript array, or undefined for none)
// as the member table takes them. Throws Error 13 or 6 for a value no member
// can take: an object, a function, NaN, an infinite number.
QVariantList toArguments(const QJSValue& args, const QString& member);

// A member's result for a script; Empty becomes undefined.
QJSValue toScript(QJSEngine& engine, const QVariant& value);

// A JavaScript Error object with the control's error number in `number`.
QJSValue errorObject(QJSEngine& engine, qint32 number, const QString& text);

} // namespace belegadressen::scripting
