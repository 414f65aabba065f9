// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;

// Refuses edits on a two-page address that has no number yet: what was typed
// there would belong to no address. Every subsystem's field reactions ask it.
class AddressGuard {
public:
    AddressGuard(const ControlState& state, Ui& ui, ServiceHub& services)
        : state(state), ui(ui), services(services) {}

    // False (after telling the user and putting the focus into the number
    // field) when the edit must be refused.
    bool PruefeAdressnummer();

private:
    const ControlState& state;
    Ui& ui;
    ServiceHub& services;
};

} // namespace belegadressen
