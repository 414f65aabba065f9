// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "data/DuplicateLookup.h"
#include <QString>
#include <map>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class CustomerLoad;
class AddressLoad;
class DuplicateHint;

// The host's opt-in warning about a new address that already exists: leaving
// the place line of an address without a number looks for customers and
// general addresses that are probably the same party (findDuplicates) and
// lists them beside the number field; choosing one loads it as the host's own
// searches would. Off, it sends no statement and shows nothing.
class DuplicateCheck {
public:
    DuplicateCheck(const ControlState& state, Ui& ui, ServiceHub& services, CustomerLoad& customers,
                   AddressLoad& addresses);
    ~DuplicateCheck();
    void connectSignals();

    void setEnabled(bool on);
    bool enabled() const { return mEnabled; }

    // Leaving the place line: looks up and shows the matches, once for each
    // name, postal code and place an address is given.
    void placeLeft();
    // Loads a listed match into the address the hint was shown for.
    void choose(const DuplicateCandidate& candidate);
    void dismiss();

    // The control wrote these rows back (customer first): the database
    // cleared their keys. With the warning on, the first one is keyed again
    // at once, one statement; off, nothing is sent and fillDuplicateKeys
    // keys them later.
    void rowsWritten(const std::vector<WrittenRow>& rows);

private:
    DuplicateHint& hint();
    // A general address was filled in: it is known, not new.
    void addressTaken();

    const ControlState& state;
    Ui& ui;
    ServiceHub& services;
    CustomerLoad& customers;
    AddressLoad& addresses;
    bool mEnabled = false;
    int mShownFor = 0; // the address the hint lists matches for
    // Per address, the name, postal code and place last looked up or taken
    // from the master: passing the place line again asks nothing new.
    std::map<int, QString> mSettled;
    DuplicateHint* mHint = nullptr; // a child of the number field's panel
};

} // namespace belegadressen
