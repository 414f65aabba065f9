// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_script_export.h"
#include "control/Events.h"
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

class QJSEngine;

namespace belegadressen {

class BelegAdressen;
namespace scripting {
class ScriptWatchdog;
}

/// Drives a control from JavaScript (QJSEngine) by the members' original
/// names, as late binding does, and hands on the control's events as signals
/// a script connects to (`bridge.Change.connect(f)`).
///
/// Values cross as the member table converts them: numbers, booleans, texts,
/// and undefined or null for Empty. The control's errors arrive as JavaScript
/// exceptions whose `number` property carries the error number (9 for an
/// address index out of range, 438 for an unknown member).
class BELEGADRESSEN_SCRIPT_EXPORT ScriptBridge : public QObject {
    Q_OBJECT

public:
    /// A bridge to `control`; it refuses every call once the control is gone.
    explicit ScriptBridge(BelegAdressen& control, QObject* parent = nullptr);
    /// Disconnects from the control.
    ~ScriptBridge() override;

    /// Makes the bridge the global `name` of `engine`; the bridge stays owned by C++.
    void expose(QJSEngine& engine, const QString& name);

    /// Stops a script that runs longer than `limit` in one go (zero, the
    /// default: never): its body run through evaluate() and each event's
    /// handlers. The engine aborts it with an error the script cannot catch.
    /// Takes effect once the bridge is exposed.
    void setTimeLimit(std::chrono::milliseconds limit);
    /// The limit set with setTimeLimit().
    std::chrono::milliseconds timeLimit() const { return mTimeLimit; }
    /// QJSEngine::evaluate on the exposed engine, under the time limit.
    QJSValue evaluate(const QString& program, const QString& fileName = {}, int lineNumber = 1,
                      QStringList* stack = nullptr);
    /// Whether the time limit stopped a script since the last call; clears it.
    bool takeTimedOut();

    /// Runs the member `name` with the arguments of the array `args` (none when
    /// left out). A method is called as a method; a property is read without an
    /// argument and set with one. Answers the member's result, undefined for Empty.
    Q_INVOKABLE QJSValue invoke(const QString& name, const QJSValue& args = QJSValue());
    /// The members in interface order, each as {position, name, kind}, kind being
    /// "Method", "PropertyGet" or "PropertyPut".
    Q_INVOKABLE QJSValue members() const;
    /// The printable lines of address `adresse` (1-based) for a window
    /// envelope, as an array of strings (BelegAdressen::Anschriftzeilen); not
    /// one of the members. A missing address throws error 9.
    Q_INVOKABLE QJSValue anschriftzeilen(const QJSValue& adresse);

signals:
    // The control's events (control/Events.h), forwarded with their arguments.
    BELEGADRESSEN_EVENTS(BELEGADRESSEN_EVENT_SIGNAL, BELEGADRESSEN_NEVER_SIGNAL)

private:
    template <class... Args>
    void forward(void (BelegAdressen::*event)(Args...), void (ScriptBridge::*signal)(Args...));
    void forwardEvents();
    QPointer<BelegAdressen> mControl;
    QPointer<QJSEngine> mEngine;
    std::chrono::milliseconds mTimeLimit{0};
    std::unique_ptr<scripting::ScriptWatchdog> mWatchdog;
};

} // namespace belegadressen
