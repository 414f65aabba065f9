// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/SubsystemPorts.h"
#include <QVariant>
#include <initializer_list>
#include <vector>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class AddressGuard;
class CurrencyChange;
class MasterDataCombo;

// The nine master-data fields of the control: their set-up from the host's
// tables on every assignment of the number of addresses, and what the control
// tells its host when the user changes one. The currency field's own
// reactions are CurrencyChange's.
class MasterDataCombos final : public MasterDataSetupPort {
public:
    // `pruefeAdressnummer` refuses edits on a two-page address without a
    // number (with its message) by answering false.
    MasterDataCombos(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                     CurrencyChange& currency, AddressGuard& guard);

    // Configures every field; reads no table. Errors reach the caller.
    void setup() override;
    void connectSignals();

    // The VAT id is offered only for tax key 1, compared as a number.

private:
    void setupOne(MasterDataCombo& combo, const char* table, const char* settingsKey,
                  std::initializer_list<std::initializer_list<const char*>> columns);
    bool gateOpen() const;
    // Open gate and an address number: the user's change may be reported.
    bool mayReport();

    void anredeKeyChanged();
    void mwstKnzItemSelected();
    void zahlungsbedingungenChanged();

    const ControlState& mState;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    CurrencyChange& mCurrency;
    AddressGuard& mGuard;
};

} // namespace belegadressen
