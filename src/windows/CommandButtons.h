// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class CustomerReaderPort;

// The buttons that hand a request to the host (customer sheet, copy from
// other documents, communication data) and the remark field txtBemerkung.
class CommandButtons {
public:
    CommandButtons(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                   CustomerReaderPort& customers)
        : mState(state), mUi(ui), mServices(services), mEvents(events), mCustomers(customers) {}
    void connectSignals();

    void btnStammblattClick();
    void btnBelegfreigabeClick();
    void BtnKomClick();
    void txtBemerkungChange();
    void txtBemerkungLeft();

private:
    const ControlState& mState;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    CustomerReaderPort& mCustomers;
};

} // namespace belegadressen
