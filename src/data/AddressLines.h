#pragma once

namespace belegadressen {

struct ControlState;
struct Ui;
class EventSink;
class AddressGuard;

// The seven address lines (first name, four name lines, street, place), the
// extended-address toggle and the reference-number fields.
class AddressLines {
public:
    AddressLines(ControlState& state, Ui& ui, EventSink& events, AddressGuard& guard)
        : state(state), ui(ui), events(events), guard(guard) {}
    void connectSignals();

    void lineChanged(int index);
    void lineLeft(int index);
    void placeValidate();
    void btnErwAdresseClick();

private:
    ControlState& state;
    Ui& ui;
    EventSink& events;
    AddressGuard& guard;
};

} // namespace belegadressen
