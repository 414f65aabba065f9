// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

struct ControlState;
struct Ui;
class EventSink;
class AddressGuard;
class Currency;

// What happens when the user changes the document's currency or its rates:
// the home/foreign label, the rate fields and their values from the currency
// table, and the events Waehrungchange, Change and Wechselkurschange. Also the
// reactions of the rate treatment, the document rate and the country list,
// which stand beside the rate fields.
class CurrencyChange {
public:
    // `pruefeAdressnummer` refuses edits on a two-page address without a
    // number (with its message) by answering false.
    CurrencyChange(const ControlState& state, Ui& ui, EventSink& events, Currency& currency,
                   AddressGuard& guard);

    void connectSignals();

    // The reaction to a new currency key; nothing while the gate is closed.
    // Errors reach the caller, after the events raised before them.
    void WaehrungGeaendert();

    // The reactions of the currency field. keyChanged ignores a failure;
    // the others hand it back to the field.
    void keyChanged();
    void itemSelected();
    void fieldEnter();
    void fieldConfirm();

    QString letzteWaehrung() const { return mLetzteWaehrung; }

private:
    void raiseWechselkurschange();
    QString key() const;

    const ControlState& mState;
    Ui& mUi;
    EventSink& mEvents;
    Currency& mCurrency;
    AddressGuard& mGuard;
    // The currency key when the field was entered or a currency was picked.
    QString mLetzteWaehrung;
};

} // namespace belegadressen
