// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <functional>
#include <memory>

namespace belegadressen {

struct ControlState;
struct EntryState;
class AddressRecords;
class Recordset;
struct Ui;
class ServiceHub;
class EventSink;
class AddressView;

// General addresses from the address master: the address search button, the
// drop target of the host's address search, and the fill of the current
// address from an address row.
class AddressLoad {
public:
    AddressLoad(const ControlState& state, EntryState& entry, AddressRecords& records, Ui& ui,
                ServiceHub& services, EventSink& events, AddressView& view)
        : state(state), entry(entry), records(records), ui(ui), services(services), events(events),
          view(view) {}
    void connectSignals();

    // The address row, or none when there is no such address.
    // `failed` tells a failure on the database (reported) from a number that is not there.
    std::shared_ptr<Recordset> LeseAdresse(const QString& nummer, bool* failed = nullptr);
    // Fills the current address from an address row.
    void fill(const Recordset& row);
    qint32 fktDragNummerAdresse(const QString& nummer);
    void btnAdresseClick();
    // Called after every fill, so that the duplicate warning knows the
    // address as taken from the master.
    void setFilledHandler(std::function<void()> handler) { mFilled = std::move(handler); }

private:
    const ControlState& state;
    EntryState& entry;
    AddressRecords& records;
    Ui& ui;
    ServiceHub& services;
    EventSink& events;
    AddressView& view;
    std::function<void()> mFilled;
};

} // namespace belegadressen
