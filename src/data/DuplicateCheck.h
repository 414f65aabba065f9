#pragma once
#include "data/DuplicateMatch.h"
#include <memory>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class CustomerLoad;
class AddressLoad;
class DuplicateHint;

// The host's opt-in warning about a new address that already exists: leaving
// the place line of an address without a number looks for customers and
// general addresses with the same first name line and postal code and lists
// them beside the number field; choosing one loads it as the host's own
// searches would. Off, it sends no statement and shows nothing.
class DuplicateCheck {
public:
    DuplicateCheck(ControlState& state, Ui& ui, ServiceHub& services, CustomerLoad& customers,
                   AddressLoad& addresses);
    ~DuplicateCheck();
    void connectSignals();

    void setEnabled(bool on);
    bool enabled() const { return mEnabled; }

    // Leaving the place line: looks up and shows the matches, if any.
    void placeLeft();
    // Loads a listed match into the address the hint was shown for.
    void choose(const DuplicateCandidate& candidate);
    void dismiss();

private:
    DuplicateHint& hint();

    ControlState& state;
    Ui& ui;
    ServiceHub& services;
    CustomerLoad& customers;
    AddressLoad& addresses;
    bool mEnabled = false;
    int mShownFor = 0;              // the address the hint lists matches for
    DuplicateHint* mHint = nullptr; // a child of the number field's panel
};

} // namespace belegadressen
