// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <functional>

namespace belegadressen {

struct ControlState;
struct EntryState;
class AddressRecords;
struct Ui;
class ServiceHub;
class EventSink;
class AddressPages;
class AddressGuard;

// The technician of a service order and the two contact persons: checking a
// typed staff number, the search keys and buttons that ask the host to
// choose, the resets when a contact is emptied, and the host's drop of a
// chosen staff number.
class TechnicianContacts {
public:
    TechnicianContacts(const ControlState& state, EntryState& entry, AddressRecords& records,
                       Ui& ui, ServiceHub& services, EventSink& events, AddressPages& pages,
                       AddressGuard& guard);
    void connectSignals();

    // Leaving the technician field: the name is looked up, an unknown number
    // is refused with a message and the field emptied.
    void txtMonteurVerlassen();
    void btnMonteurClick(int index);
    void btnAnsprechpartnerClick();
    // A contact field left empty while its identity is set drops the identity.
    void ansprechpartnerVerlassen(bool fuerWart);
    void chkDruckInAnschriftKDClick();
    qint32 fktDragPersonalNummer(const QString& nummer);

    bool sucheMonteur1() const { return mSucheMonteur1; }

private:
    void changed();

    const ControlState& mState;
    EntryState& mEntry;
    AddressRecords& mRecords;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    AddressPages& mPages;
    AddressGuard& mGuard;
    bool mSucheMonteur1 = false;
};

} // namespace belegadressen
