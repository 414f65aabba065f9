// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

namespace belegadressen {

struct ControlState;
struct Ui;
class EventSink;
class AddressGuard;
class PostalCheck;
class DuplicateCheck;

// The seven address lines (first name, four name lines, street, place), the
// extended-address toggle and the reference-number fields.
class AddressLines {
public:
    AddressLines(const ControlState& state, Ui& ui, EventSink& events, AddressGuard& guard,
                 PostalCheck& postal, DuplicateCheck& duplicates)
        : state(state), ui(ui), events(events), guard(guard), postal(postal),
          duplicates(duplicates) {}
    void connectSignals();

    void lineChanged(int index);
    void lineLeft(int index);
    void btnErwAdresseClick();

private:
    const ControlState& state;
    Ui& ui;
    EventSink& events;
    AddressGuard& guard;
    PostalCheck& postal;        // the place line's check when it is left
    DuplicateCheck& duplicates; // and the host's duplicate warning after it
};

} // namespace belegadressen
