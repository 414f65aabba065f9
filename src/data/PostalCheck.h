#pragma once
#include <QString>

class QLineEdit;

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class AddressGuard;
class PostalCodeManager;
class PostalCodeManagerExtension;

// Postal code, place and street against the postal-code manager: the search
// button, leaving the postal-code field and the place line, the change rule of
// the postal-code and PO-box fields, and the map button.
class PostalCheck {
public:
    PostalCheck(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                AddressGuard& guard)
        : mState(state), mUi(ui), mServices(services), mEvents(events), mGuard(guard) {}
    void connectSignals();

    // Search with dialog; an error ends it and is reported as "btnPlz_Click".
    void btnPlzClick();
    // Place by postal code when the user has changed the postal code.
    void postleitzahlValidate();
    // Leaving the place line with a changed place: offline the manager's
    // address is taken as it is, online only what it found, once per entry.
    void placeValidate();
    // Shared rule of the postal-code, PO-box and PO-box postal-code fields.
    void postalFieldChanged(QLineEdit* field);
    // The PO-box postal code is the last field of a one-page address block.
    void plzPostfachLeft();
    void btnAutoMapClick();
    // Leaving any address line: the place written by the online check is
    // checked again at the next leave of the place line.
    void forgetCheckedPlace() { mOrtGeprueft = false; }

    // Whether the manager may confirm a correct address with its message.
    void setBestaetigung(bool on) { mBestaetigung = on; }
    bool bestaetigung() const { return mBestaetigung; }

private:
    PostalCodeManager& manager();
    // Tells a manager that offers it the country and the typed place.
    PostalCodeManagerExtension* context(PostalCodeManager& m);

    const ControlState& mState;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    AddressGuard& mGuard;
    // The online check has just written the place line itself.
    bool mOrtGeprueft = false;
    bool mBestaetigung = true;
};

} // namespace belegadressen
