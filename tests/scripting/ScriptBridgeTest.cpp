// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Scripts drive the real control: members by name, values both ways, numbered errors, all events.
#include "scripting/ScriptBridge.h"
#include "scripting/ScriptValues.h"
#include "support/ControlHarness.h"

#include <QJSEngine>
#include <QMetaMethod>
#include <gtest/gtest.h>
#include <memory>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::InvokeKind;
using belegadressen::ScriptBridge;

namespace {

struct Scripted {
    ControlHarness h;
    QJSEngine engine;
    ScriptBridge bridge{h.control()};
    Scripted() { bridge.expose(engine, QStringLiteral("adressen")); }

    // Runs `program`; a script error fails the test with its line.
    QJSValue run(const QString& program) {
        QStringList stack;
        const QJSValue result = engine.evaluate(program, QStringLiteral("test.js"), 1, &stack);
        EXPECT_FALSE(result.isError() || !stack.isEmpty())
            << result.toString().toStdString() << " at "
            << result.property(QStringLiteral("lineNumber")).toInt();
        return result;
    }
};

// The number of the exception a call throws ("none": nothing); the script runs on.
const char* const kErrorNumberOf = R"js(
function errorNumberOf(call) {
    try { call(); } catch (e) { return e instanceof Error ? e.number : "kein Error-Objekt"; }
    return "none";
}
)js";

TEST(ScriptBridge, AScriptFillsAndReadsAddressesAndCatchesTheControlsErrors) {
    Scripted s;
    const QJSValue result = s.run(QString::fromLatin1(kErrorNumberOf) + QStringLiteral(R"js(
        var changes = 0, discounts = [];
        adressen.Change.connect(function () { changes++; });
        adressen.ChangeKundenrabatt.connect(function (r) { discounts.push(r); });

        adressen.invoke("AktAdresse", [2]);
        adressen.invoke("AddBez1", ["Bäckerei Groß & Söhne"]);
        adressen.invoke("AddStraße", ["Mühlweg 7"]);
        adressen.invoke("AddKursbehandlung", [2]);
        adressen.invoke("AddRabatt", [3.75]);
        adressen.invoke("AddKzDivers", [true]);
        adressen.invoke("AddPostleitzahl", [70173]);
        adressen.invoke("AddBez2", ["vorher"]);
        adressen.invoke("AddBez2", [undefined]);
        adressen.invoke("AktAdresse", [3]);
        adressen.invoke("AddBez1", ["Dritte"]);
        adressen.invoke("aktadresse", [2]);

        var back = {
            current: adressen.invoke("AktAdresse"),
            bez1: adressen.invoke("GetBez1"),
            strasse: adressen.invoke("getstraße"),
            kurs: adressen.invoke("GetKursbehandlung"),
            rabatt: adressen.invoke("GetRabatt"),
            divers: adressen.invoke("GetKzDivers"),
            plz: adressen.invoke("GetPostleitzahl"),
            bez2: adressen.invoke("GetBez2"), // undefined is Empty, which clears a text
            fill: changes // the host's own fills raise no Change
        };
        // Address 99 does not exist: its accessors refuse with 9.
        back.index = errorNumberOf(function () {
            adressen.invoke("AktAdresse", [99]);
            adressen.invoke("GetBez1");
        });
        back.unknown = errorNumberOf(function () { adressen.invoke("GibtEsNicht", []); });
        adressen.invoke("AktAdresse", [2]);
        back.afterErrors = adressen.invoke("GetBez1");
        var filled = JSON.stringify(back);

        adressen.invoke("AktAdresse", [1]);
        ({ filled: filled, loaded: adressen.invoke("fktDragNummer", ["10001"]),
           customer: adressen.invoke("GetBez1"), changes: changes, discounts: discounts });
    )js"));

    auto p = [&](const char* name) { return result.property(QString::fromLatin1(name)); };
    EXPECT_EQ(p("filled").toString(),
              QString::fromUtf8(R"({"current":2,"bez1":"Bäckerei Groß & Söhne",)"
                                R"("strasse":"Mühlweg 7","kurs":2,"rabatt":3.75,"divers":true,)"
                                R"("plz":"70173","bez2":"","fill":0,"index":9,"unknown":438,)"
                                R"("afterErrors":"Bäckerei Groß & Söhne"})"));

    // The same record as the host sees it, and address 3 kept apart.
    BelegAdressen& c = s.h.control();
    c.setAktAdresse(3);
    EXPECT_EQ(c.GetBez1(), QStringLiteral("Dritte"));
    c.setAktAdresse(2);
    EXPECT_EQ(c.GetKursbehandlung(), 2);

    // A load raises the events the script listens to, with their arguments.
    EXPECT_NE(p("loaded").toInt(), 0);
    EXPECT_EQ(p("customer").toString(), QStringLiteral("Müller Haustechnik GmbH"));
    EXPECT_GE(p("changes").toInt(), 1);
    EXPECT_EQ(p("discounts").property(0).toNumber(), 12.5);
}

// Values no member can take are refused with a number before they touch the record.
struct Refusal {
    const char* arguments; // of adressen.invoke
    int number;
};

class ScriptRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(ScriptRefusals, ComeAsNumberedExceptionsAndLeaveTheRecordAlone) {
    Scripted s;
    BelegAdressen& c = s.h.control();
    c.AddVorname(QStringLiteral("Anna"));
    c.AddKursbehandlung(1);
    c.AddWartDauer(150);
    const QJSValue n = s.run(QString::fromLatin1(kErrorNumberOf) +
                             QStringLiteral("errorNumberOf(function () { adressen.invoke(%1); });")
                                 .arg(QString::fromLatin1(GetParam().arguments)));
    EXPECT_EQ(n.toVariant(), QVariant(GetParam().number)) << GetParam().arguments;
    EXPECT_EQ(std::tuple(c.GetVorname(), c.GetKursbehandlung(), c.GetWartDauer()),
              std::tuple(QString("Anna"), qint16(1), qint16(150)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, ScriptRefusals, ::testing::Values(
    Refusal{"'AddVorname', ['a', 'b']", 438}, Refusal{"'AddVorname', new Array(100000000)", 438},
    Refusal{"'AddVorname', [{ name: 'Hans' }]", 13}, Refusal{"'AddKursbehandlung', [NaN]", 13},
    Refusal{"'AddKursbehandlung', [40000]", 6}, Refusal{"'AddRabatt', [Infinity]", 6}));
// clang-format on

// A value of each parameter type that shows in its text which argument it was.
QVariant argumentFor(QMetaType type, int i) {
    switch (type.id()) {
    case QMetaType::QString:
        return QStringLiteral("s%1 ä").arg(i);
    case QMetaType::Double:
        return i + 0.5;
    case QMetaType::Float:
        return QVariant::fromValue(static_cast<float>(i + 0.25));
    case QMetaType::Short:
        return QVariant::fromValue(static_cast<qint16>(-i - 1));
    case QMetaType::Int:
        return 100000 + i;
    case QMetaType::Bool:
        return i % 2 == 0;
    }
    ADD_FAILURE() << "no test value for " << type.name();
    return {};
}

TEST(ScriptBridge, EveryEventOfTheControlReachesTheScriptWithItsArguments) {
    Scripted s;
    s.run(QStringLiteral(R"js(
        var heard = [];
        function listen(name) {
            adressen[name].connect(function () {
                heard.push(name + "(" + Array.prototype.map.call(arguments, String).join("|") + ")");
            });
        }
    )js"));

    BelegAdressen& c = s.h.control();
    const QMetaObject* mo = c.metaObject();
    int events = 0;
    for (int m = mo->methodOffset(); m < mo->methodCount(); ++m) {
        const QMetaMethod signal = mo->method(m);
        if (signal.methodType() != QMetaMethod::Signal) continue;
        if (signal.name() == "PropertyChanged") continue; // the property store's, not an event
        ++events;
        const QString name = QString::fromLatin1(signal.name());
        SCOPED_TRACE(name.toStdString());
        ASSERT_GE(ScriptBridge::staticMetaObject.indexOfSignal(signal.methodSignature()), 0);
        s.run(QStringLiteral("heard = []; listen('%1');").arg(name));

        // The script's handler writes the arguments back as texts.
        std::vector<QVariant> values(signal.parameterCount()); // argv points into it
        QStringList texts;
        void* argv[11] = {nullptr};
        for (int p = 0; p < signal.parameterCount(); ++p) {
            values[p] = argumentFor(signal.parameterMetaType(p), p);
            texts << values[p].toString();
            argv[p + 1] = values[p].data();
        }
        QMetaObject::activate(&c, mo, m - mo->methodOffset(), argv);

        EXPECT_EQ(s.run(QStringLiteral("heard.join(';')")).toString(),
                  QStringLiteral("%1(%2)").arg(name, texts.join(QLatin1Char('|'))));
    }
    EXPECT_EQ(events, 37);
}

TEST(ScriptBridge, RefusesCallsOnceTheControlIsGone) {
    QJSEngine engine;
    auto control = std::make_unique<BelegAdressen>();
    ScriptBridge bridge(*control);
    bridge.expose(engine, QStringLiteral("adressen"));
    control.reset();
    const QString call = "errorNumberOf(function () { adressen.invoke('GetBez1'); })";
    EXPECT_EQ(engine.evaluate(QString::fromLatin1(kErrorNumberOf) + call).toInt(), 91);
}

} // namespace
