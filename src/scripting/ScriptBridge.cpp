// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "scripting/ScriptBridge.h"
#include "platform/GuardedConnect.h"

#include "control/BelegAdressen.h"
#include "scripting/ScriptValues.h"
#include "scripting/ScriptWatchdog.h"
#include <QJSEngine>
#include <QLoggingCategory>
#include <exception>
#include <optional>

namespace belegadressen {

// What scripts ask of the control; a member's failure becomes the script's
// exception, logged at debug level (its text may name customer data).
Q_LOGGING_CATEGORY(lcScript, "belegadressen.script", QtWarningMsg)

ScriptBridge::ScriptBridge(BelegAdressen& control, QObject* parent)
    : QObject(parent), mControl(&control) {
    forwardEvents();
}

ScriptBridge::~ScriptBridge() = default;

void ScriptBridge::expose(QJSEngine& engine, const QString& name) {
    // Without this the engine would take a parentless bridge for its own and
    // delete it when the script lets go of it.
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    engine.globalObject().setProperty(name, engine.newQObject(this));
    if (mEngine != &engine) {
        mEngine = &engine;
        mWatchdog = std::make_unique<scripting::ScriptWatchdog>(engine);
        mWatchdog->setLimit(mTimeLimit);
    }
}

void ScriptBridge::setTimeLimit(std::chrono::milliseconds limit) {
    mTimeLimit = limit;
    if (mWatchdog) mWatchdog->setLimit(limit);
}

QJSValue ScriptBridge::evaluate(const QString& program, const QString& fileName, int lineNumber,
                                QStringList* stack) {
    if (!mEngine) return QJSValue(QJSValue::UndefinedValue);
    scripting::ScriptWatchdog::Entry entry(*mWatchdog);
    return mEngine->evaluate(program, fileName, lineNumber, stack);
}

bool ScriptBridge::takeTimedOut() { return mWatchdog && mWatchdog->takeExpired(); }

QJSValue ScriptBridge::invoke(const QString& name, const QJSValue& args) {
    QJSEngine* engine = qjsEngine(this);
    if (!engine) return QJSValue(QJSValue::UndefinedValue);
    // Nothing may unwind through the engine's frames: every failure becomes a
    // script exception, which the script can catch.
    try {
        if (!mControl)
            throw Error(Error::ObjectMissing,
                        QStringLiteral("Der Adressblock ist nicht mehr vorhanden (%1)").arg(name));
        const QVariantList list = scripting::toArguments(args, name);
        const QVariant result = mControl->Invoke(name, scripting::kindFor(name, list.size()), list);
        qCDebug(lcScript) << "invoke" << name << list;
        return scripting::toScript(*engine, result);
    } catch (const Error& e) {
        qCDebug(lcScript) << "invoke" << name << "failed with" << e.number() << e.text();
        engine->throwError(scripting::errorObject(*engine, e.number(), e.text()));
    } catch (const std::exception& e) {
        engine->throwError(QJSValue::GenericError, QString::fromUtf8(e.what()));
    } catch (...) {
        engine->throwError(QJSValue::GenericError,
                           QStringLiteral("Unbekannter Fehler in %1").arg(name));
    }
    return QJSValue(QJSValue::UndefinedValue);
}

QJSValue ScriptBridge::anschriftzeilen(const QJSValue& adresse) {
    QJSEngine* engine = qjsEngine(this);
    if (!engine) return QJSValue(QJSValue::UndefinedValue);
    try {
        if (!mControl)
            throw Error(
                Error::ObjectMissing,
                QStringLiteral("Der Adressblock ist nicht mehr vorhanden (anschriftzeilen)"));
        const double number = adresse.toNumber();
        // A fraction, NaN or a number beyond 16 bits names no address.
        if (!(number >= 1 && number <= 32767) || number != static_cast<qint16>(number))
            throw Error(Error::IndexOutOfRange,
                        QStringLiteral("Index außerhalb des gültigen Bereichs"));
        const QStringList lines = mControl->Anschriftzeilen(static_cast<qint16>(number));
        QJSValue list = engine->newArray(static_cast<uint>(lines.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            list.setProperty(static_cast<quint32>(i), lines[i]);
        return list;
    } catch (const Error& e) {
        engine->throwError(scripting::errorObject(*engine, e.number(), e.text()));
    } catch (const std::exception& e) {
        engine->throwError(QJSValue::GenericError, QString::fromUtf8(e.what()));
    }
    return QJSValue(QJSValue::UndefinedValue);
}

QJSValue ScriptBridge::members() const {
    QJSEngine* engine = qjsEngine(this);
    if (!engine) return QJSValue(QJSValue::UndefinedValue);
    const auto& all = BelegAdressen::Members();
    QJSValue list = engine->newArray(static_cast<uint>(all.size()));
    quint32 i = 0;
    for (const MemberInfo& m : all) {
        QJSValue entry = engine->newObject();
        entry.setProperty(QStringLiteral("position"), m.position);
        entry.setProperty(QStringLiteral("name"), m.name);
        const char* kind = m.kind == InvokeKind::Method        ? "Method"
                           : m.kind == InvokeKind::PropertyGet ? "PropertyGet"
                                                               : "PropertyPut";
        entry.setProperty(QStringLiteral("kind"), QString::fromLatin1(kind));
        list.setProperty(i++, entry);
    }
    return list;
}

// A script's handler runs while the control raises the event, as a host's
// would, and under the time limit like the script's body.
template <class... Args>
void ScriptBridge::forward(void (BelegAdressen::*event)(Args...),
                           void (ScriptBridge::*signal)(Args...)) {
    connectGuarded(mControl.data(), event, this, [this, signal](Args... args) {
        std::optional<scripting::ScriptWatchdog::Entry> entry;
        if (mWatchdog) entry.emplace(*mWatchdog);
        (this->*signal)(args...);
    });
}

void ScriptBridge::forwardEvents() {
#define BA_FORWARD(name, ...) forward(&BelegAdressen::name, &ScriptBridge::name);
    BELEGADRESSEN_EVENTS(BA_FORWARD, BA_FORWARD)
#undef BA_FORWARD
}

} // namespace belegadressen
