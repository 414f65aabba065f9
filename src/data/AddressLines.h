#pragma once

namespace belegadressen {

struct ControlState;
struct Ui;
class EventSink;
class AddressGuard;
class PostalCheck;

// The seven address lines (first name, four name lines, street, place), the
// extended-address toggle and the reference-number fields.
class AddressLines {
public:
    AddressLines(ControlState& state, Ui& ui, EventSink& events, AddressGuard& guard,
                 PostalCheck& postal)
        : state(state), ui(ui), events(events), guard(guard), postal(postal) {}
    void connectSignals();

    void lineChanged(int index);
    void lineLeft(int index);
    void btnErwAdresseClick();

private:
    ControlState& state;
    Ui& ui;
    EventSink& events;
    AddressGuard& guard;
    PostalCheck& postal; // the place line's check when it is left
};

} // namespace belegadressen
