#include "scripting/ScriptBridge.h"

#include "control/BelegAdressen.h"
#include "scripting/ScriptValues.h"
#include <QJSEngine>
#include <exception>

namespace belegadressen {

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
}

QJSValue ScriptBridge::invoke(const QString& name, const QJSValue& args) {
    QJSEngine* engine = qjsEngine(this);
    if (!engine) return QJSValue(QJSValue::UndefinedValue);
    // Nothing may unwind through the engine's frames: every failure becomes a
    // script exception, which the script can catch.
    try {
        if (!mControl)
            throw Error(scripting::kObjectGone,
                        QStringLiteral("Der Adressblock ist nicht mehr vorhanden (%1)").arg(name));
        const QVariantList list = scripting::toArguments(args, name);
        const QVariant result = mControl->Invoke(name, scripting::kindFor(name, list.size()), list);
        return scripting::toScript(*engine, result);
    } catch (const Error& e) {
        engine->throwError(scripting::errorObject(*engine, e.number(), e.text()));
    } catch (const std::exception& e) {
        engine->throwError(QJSValue::GenericError, QString::fromUtf8(e.what()));
    } catch (...) {
        engine->throwError(QJSValue::GenericError,
                           QStringLiteral("Unbekannter Fehler in %1").arg(name));
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

// Signal to signal: a script's handler runs while the control raises the
// event, as a host's would.
void ScriptBridge::forwardEvents() {
    BelegAdressen* c = mControl.data();
    using B = BelegAdressen;
    using S = ScriptBridge;
    connect(c, &B::Change, this, &S::Change);
    connect(c, &B::Click, this, &S::Click);
    connect(c, &B::btnKundeClick, this, &S::btnKundeClick);
    connect(c, &B::btnAdresseClick, this, &S::btnAdresseClick);
    connect(c, &B::btnMonteurClick, this, &S::btnMonteurClick);
    connect(c, &B::btnAnpWartClick, this, &S::btnAnpWartClick);
    connect(c, &B::btnAnpBelClick, this, &S::btnAnpBelClick);
    connect(c, &B::btnAnlageClick, this, &S::btnAnlageClick);
    connect(c, &B::AufrufAutoMap, this, &S::AufrufAutoMap);
    connect(c, &B::Waehrungchange, this, &S::Waehrungchange);
    connect(c, &B::Wechselkurschange, this, &S::Wechselkurschange);
    connect(c, &B::btnInfoClick, this, &S::btnInfoClick);
    connect(c, &B::btnUebernehme, this, &S::btnUebernehme);
    connect(c, &B::btnAnsprechpartner, this, &S::btnAnsprechpartner);
    connect(c, &B::btnAnsprechpartnerReset, this, &S::btnAnsprechpartnerReset);
    connect(c, &B::btnSeite2Click, this, &S::btnSeite2Click);
    connect(c, &B::btnKopftextClick, this, &S::btnKopftextClick);
    connect(c, &B::btnFusstextClick, this, &S::btnFusstextClick);
    connect(c, &B::ChangeMwstKnz, this, &S::ChangeMwstKnz);
    connect(c, &B::ChangeZahlungsbedingungen, this, &S::ChangeZahlungsbedingungen);
    connect(c, &B::ChangeKundenrabatt, this, &S::ChangeKundenrabatt);
    connect(c, &B::DblClick, this, &S::DblClick);
    connect(c, &B::KeyDown, this, &S::KeyDown);
    connect(c, &B::KeyPress, this, &S::KeyPress);
    connect(c, &B::KeyUp, this, &S::KeyUp);
    connect(c, &B::MouseDown, this, &S::MouseDown);
    connect(c, &B::MouseMove, this, &S::MouseMove);
    connect(c, &B::MouseUp, this, &S::MouseUp);
    connect(c, &B::ChangeBetreff, this, &S::ChangeBetreff);
    connect(c, &B::ChangeErloekennung, this, &S::ChangeErloekennung);
    connect(c, &B::ChangeStandortNotiz, this, &S::ChangeStandortNotiz);
    connect(c, &B::ChangeAnlageFormular, this, &S::ChangeAnlageFormular);
    connect(c, &B::ChangeDatumLetzteWartung, this, &S::ChangeDatumLetzteWartung);
    connect(c, &B::TerminEintragen, this, &S::TerminEintragen);
    connect(c, &B::TerminAssistent, this, &S::TerminAssistent);
    connect(c, &B::StammBlatt, this, &S::StammBlatt);
    connect(c, &B::LoescheWarttermin, this, &S::LoescheWarttermin);
}

} // namespace belegadressen
