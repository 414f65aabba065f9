// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "commercial/CurrencyChange.h"
#include "commercial/Currency.h"
#include "control/AddressGuard.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/Ui.h"
#include "control/Values.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"
#include <cmath>

namespace belegadressen {

namespace {

constexpr int kFestkurs = 2;

} // namespace

CurrencyChange::CurrencyChange(const ControlState& state, Ui& ui, EventSink& events,
                               Currency& currency, AddressGuard& guard)
    : mState(state), mUi(ui), mEvents(events), mCurrency(currency), mGuard(guard) {}

QString CurrencyChange::key() const { return textOf(mUi.ocxWaehrung->KeyValue()); }

void CurrencyChange::WaehrungGeaendert() {
    if (!mState.aenderungMelden()) return;
    Ui& u = mUi;
    if (u.ocxWaehrung->KeyValue().isNull()) {
        u.lblWaehrungserfassung->clear();
        mEvents.raiseChange();
        return;
    }
    const QString code = key();
    mCurrency.SetzeWaehrungsanzeige(code);
    const bool foreign = u.lblWaehrungserfassung->text() == QStringLiteral("Fremdwährung");
    for (QWidget* w :
         {static_cast<QWidget*>(u.cdoDKursbehandlung), static_cast<QWidget*>(u.lblKursbehandlung),
          static_cast<QWidget*>(u.txtDWechselkurs), static_cast<QWidget*>(u.lblWechselkurs)})
        w->setVisible(foreign);
    if (foreign) {
        // A foreign currency picked is always taken at a fixed rate first.
        u.cdoDKursbehandlung->setCurrentIndex(kFestkurs);
        const double rate = mCurrency.HoleWaehrungskurs(code);
        u.txtDWechselkurs->setValue(rate == -1 ? 0 : rate);
        const double home = mCurrency.HoleWaehrungskurs(mState.mLandeswaehrung);
        if (home != -1) Currency::showHomeRate(u.txtDKursHauswaehrung, home);
    }
    mCurrency.raiseWaehrungchange();
    mEvents.raiseChange();
}

void CurrencyChange::raiseWechselkurschange() {
    mEvents.raiseWechselkurschange(
        Currency::homeRate(mUi.txtDKursHauswaehrung), mUi.txtDWechselkurs->value(),
        static_cast<qint16>(mUi.cdoDKursbehandlung->currentIndex()), key());
}

void CurrencyChange::keyChanged() {
    skipOnError([&] { WaehrungGeaendert(); });
}

void CurrencyChange::itemSelected() {
    if (key() == QLatin1String("-")) {
        // "-" stands for the home currency. Setting a key raises nothing, so
        // the label and the host are brought up to date here.
        mUi.ocxWaehrung->setKeyValue(mState.mLandeswaehrung);
        mLetzteWaehrung = key();
        WaehrungGeaendert();
        return;
    }
    mLetzteWaehrung = key();
    WaehrungGeaendert();
}

void CurrencyChange::fieldEnter() { mLetzteWaehrung = key(); }

void CurrencyChange::fieldConfirm() {
    if (!mState.aenderungMelden() || key() != mLetzteWaehrung) return;
    const double rate = mCurrency.HoleWaehrungskurs(key());
    const double home = mCurrency.HoleWaehrungskurs(mState.mLandeswaehrung);
    if (rate != -1 && mUi.txtDWechselkurs->value() != rate) {
        WaehrungGeaendert();
        raiseWechselkurschange();
        return;
    }
    if (home == -1 || Currency::homeRate(mUi.txtDKursHauswaehrung) == home) return;
    WaehrungGeaendert();
    raiseWechselkurschange();
}

void CurrencyChange::connectSignals() {
    Ui& u = mUi;
    connectGuarded(u.txtDWechselkurs, &QLineEdit::textEdited, u.txtDWechselkurs,
                   [this] { mState.raiseWhileReporting([&] { mEvents.raiseClick(); }); });
    connectGuarded(u.cdoDKursbehandlung, &QComboBox::activated, u.cdoDKursbehandlung,
                   [this] { mState.raiseWhileReporting([&] { mEvents.raiseChange(); }); });
    // F2 opens the list, as its tool tip promises and the other fields do.
    onKeyRelease(u.cdoDKursbehandlung, [this](int key, Qt::KeyboardModifiers mods) {
        if (!isPlainF2(key, mods)) return false;
        mUi.cdoDKursbehandlung->showPopup();
        return true;
    });
    // The country list: typing is checked against the address number, a pick is not.
    connectGuarded(u.cdoDLand, &QComboBox::activated, u.cdoDLand,
                   [this] { mState.raiseWhileReporting([&] { mEvents.raiseChange(); }); });
    if (QLineEdit* typed = u.cdoDLand->lineEdit())
        connectGuarded(typed, &QLineEdit::textEdited, u.cdoDLand, [this] {
            if (!mState.aenderungMelden()) return;
            guarded([&] {
                if (mGuard.PruefeAdressnummer()) {
                    mEvents.raiseChange();
                    return;
                }
                ChangeGate gate(mState);
                mUi.cdoDLand->setEditText(QString());
            });
        });
}

} // namespace belegadressen
