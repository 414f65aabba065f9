// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "scripting/ScriptValues.h"

#include <QJSEngine>
#include <QSet>
#include <cmath>
#include <limits>

namespace belegadressen::scripting {
namespace {

constexpr int kMostArguments = 16;

// The names of the properties; late binding ignores case, so the set does too.
const QSet<QString>& propertyNames() {
    static const QSet<QString> names = [] {
        QSet<QString> set;
        for (const MemberInfo& m : BelegAdressen::Members())
            if (m.kind != InvokeKind::Method) set.insert(m.name.toCaseFolded());
        return set;
    }();
    return names;
}

[[noreturn]] void refuse(qint32 number, qsizetype position, const QString& member) {
    const QString what = number == Error::Overflow ? QStringLiteral("Überlauf")
                                                   : QStringLiteral("Typen unverträglich");
    throw Error(number,
                QStringLiteral("%1: Argument %2 von %3").arg(what).arg(position + 1).arg(member));
}

QVariant toArgument(const QJSValue& v, qsizetype position, const QString& member) {
    if (v.isUndefined() || v.isNull()) return QVariant();
    if (v.isBool()) return v.toBool();
    if (v.isString()) return v.toString();
    if (v.isNumber()) {
        const double d = v.toNumber();
        if (std::isnan(d)) refuse(Error::TypeMismatch, position, member);
        if (std::isinf(d)) refuse(Error::Overflow, position, member);
        // Whole numbers go as integers so that a text member gets "12", not "12.0";
        // the member table range-checks them against 16 and 32 bits.
        if (d == std::trunc(d) && d >= std::numeric_limits<qint32>::min() &&
            d <= std::numeric_limits<qint32>::max())
            return static_cast<qint32>(d);
        return d;
    }
    // A value the control answered (a font) goes back as it came.
    if (v.isVariant()) return v.toVariant();
    // Objects, arrays, dates and functions have no counterpart among the
    // members' parameters; a text member would otherwise take them as "".
    refuse(Error::TypeMismatch, position, member);
}

} // namespace

InvokeKind kindFor(const QString& member, qsizetype argc) {
    // No name is both a method and a property.
    if (!propertyNames().contains(member.toCaseFolded())) return InvokeKind::Method;
    return argc == 0 ? InvokeKind::PropertyGet : InvokeKind::PropertyPut;
}

QVariantList toArguments(const QJSValue& args, const QString& member) {
    if (args.isUndefined()) return {};
    if (!args.isArray())
        throw Error(Error::TypeMismatch,
                    QStringLiteral("Typen unverträglich: die Argumente von %1 gehören in eine "
                                   "Liste ([...])")
                        .arg(member));
    // No member takes more than a few arguments; a huge (sparse) array is
    // refused before it is walked.
    const double length = args.property(QStringLiteral("length")).toNumber();
    if (length > kMostArguments)
        throw Error(Error::UnknownMember,
                    QStringLiteral("Falsche Anzahl an Argumenten für %1: übergeben %2")
                        .arg(member)
                        .arg(length));
    QVariantList list;
    for (int i = 0; i < static_cast<int>(length); ++i)
        list.append(toArgument(args.property(static_cast<quint32>(i)), i, member));
    return list;
}

QJSValue toScript(QJSEngine& engine, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QJSValue(QJSValue::UndefinedValue);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return QJSValue(value.toBool());
    case QMetaType::Short:
    case QMetaType::Int:
        return QJSValue(value.toInt());
    case QMetaType::Double:
        return QJSValue(value.toDouble());
    case QMetaType::QString:
        return QJSValue(value.toString());
    default:
        return engine.toScriptValue(value);
    }
}

QJSValue errorObject(QJSEngine& engine, qint32 number, const QString& text) {
    QJSValue error = engine.newErrorObject(QJSValue::GenericError, text);
    error.setProperty(QStringLiteral("number"), number);
    return error;
}

} // namespace belegadressen::scripting
