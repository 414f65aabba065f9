// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

namespace belegadressen {

struct ControlState;
struct EntryState;
class AddressRecords;
struct Ui;
class ServiceHub;
class EventSink;
class AddressView;
class AddressPages;
class PageLayout;
class CustomerReader;
class AddressLoad;
class CurrencyPort;
class ServiceDataPort;
class RemarkPort;

// The number entry: a customer number typed into the number field (or handed
// in by the host's search) loads the customer master row into the current
// address and tells the host through its events. It orders the steps; the
// row is read by CustomerReader and mapped by fillFromCustomerRow.
class CustomerLoad {
public:
    struct Steps {
        CustomerReader& reader;
        AddressLoad& addresses;    // a number that is a general address (address 2 and on)
        AddressView& view;         // showing the record
        AddressPages& pages;       // back to display page 1 for a number from the host
        PageLayout& layout;        // the layout of address 2 after its service data
        CurrencyPort& currency;    // rates and the currency event
        ServiceDataPort& services; // sites and equipment of service documents
        RemarkPort& remarks;       // the customer info window after the load
    };
    CustomerLoad(const ControlState& state, EntryState& entry, AddressRecords& records, Ui& ui,
                 ServiceHub& services, EventSink& events, Steps steps)
        : state(state), entry(entry), records(records), ui(ui), services(services), events(events),
          steps(steps) {}
    void connectSignals();

    // Leaving the number field. Throws on a database failure after the row
    // was read; the address is then cleared again and the host told so.
    // False when the database failed to answer (reported, nothing changed).
    bool nummerVerlassen();
    qint32 fktDragNummer(const QString& nummer);
    void btnKundeClick();

private:
    void userLeftNummer();
    // Clears address `index` and raises the events of an emptied number field.
    void clearAndReport(int index);
    const ControlState& state;
    EntryState& entry;
    AddressRecords& records;
    Ui& ui;
    ServiceHub& services;
    EventSink& events;
    Steps steps;
};

} // namespace belegadressen
