#pragma once
#include <QString>
#include <functional>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class AddressView;

// General addresses from the address master: the address search button, the
// drop target of the host's address search, and the fill of the current
// address from an address row.
class AddressLoad {
public:
    AddressLoad(ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                AddressView& view)
        : state(state), ui(ui), services(services), events(events), view(view) {}
    void connectSignals();

    // Reads the address row into mRsKunde; false when there is none.
    bool LeseAdresse(const QString& nummer);
    // Fills the current address from the row read last.
    void fill();
    qint32 fktDragNummerAdresse(const QString& nummer);
    void btnAdresseClick();
    // Called after every fill, so that the duplicate warning knows the
    // address as taken from the master.
    void setFilledHandler(std::function<void()> handler) { mFilled = std::move(handler); }

private:
    ControlState& state;
    Ui& ui;
    ServiceHub& services;
    EventSink& events;
    AddressView& view;
    std::function<void()> mFilled;
};

} // namespace belegadressen
