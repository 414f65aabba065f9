// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A script without end is stopped by the bridge's time limit, in its body and
// in an event handler, and the engine runs the next script again.
#include "scripting/ScriptBridge.h"
#include "support/ControlHarness.h"

#include <QJSEngine>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

struct Limited {
    batest::ControlHarness h;
    QJSEngine engine;
    belegadressen::ScriptBridge bridge{h.control()};
    Limited() {
        bridge.setTimeLimit(200ms);
        bridge.expose(engine, QStringLiteral("adressen"));
    }
};

TEST(ScriptTimeLimit, StopsAnEndlessBodyAndAnEndlessHandlerAndRunsTheNextScript) {
    Limited s;
    const QJSValue body = s.bridge.evaluate(QStringLiteral("for (;;) {}"));
    EXPECT_TRUE(body.isError());
    EXPECT_TRUE(s.bridge.takeTimedOut());
    EXPECT_FALSE(s.bridge.takeTimedOut());

    // A handler that never returns is stopped inside the control's event; the
    // control goes on and the value is filled.
    s.bridge.evaluate(QStringLiteral("adressen.Change.connect(function () { for (;;) {} });"));
    s.bridge.evaluate(QStringLiteral("adressen.invoke('fktDragNummer', ['10001']);"));
    EXPECT_TRUE(s.bridge.takeTimedOut());
    EXPECT_EQ(s.h.control().GetBez1(), "Müller Haustechnik GmbH");

    // The engine is enabled again; a short script is not stopped.
    EXPECT_EQ(
        s.bridge.evaluate(QStringLiteral("var n = 0; for (var i = 0; i < 1000; ++i) n += i; n"))
            .toInt(),
        499500);
    EXPECT_FALSE(s.bridge.takeTimedOut());
}

TEST(ScriptTimeLimit, ALimitOfZeroLetsALongScriptFinish) {
    Limited s;
    s.bridge.setTimeLimit(0ms);
    // Twice the earlier limit.
    const QJSValue result = s.bridge.evaluate(
        QStringLiteral("var t = Date.now(), n = 0; while (Date.now() - t < 400) ++n; n > 0"));
    EXPECT_TRUE(result.toBool());
    EXPECT_FALSE(s.bridge.takeTimedOut());
}

} // namespace
