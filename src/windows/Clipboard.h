// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once

namespace belegadressen {

class FieldRecall;

// Cut, copy and paste of the host's edit menu, acting on the control's
// active field. Without one the error goes back to the caller.
class Clipboard {
public:
    explicit Clipboard(FieldRecall& fields) : mFields(fields) {}
    void mnu_Cut();
    void mnu_Copy();
    void mnu_Paste();

private:
    enum class Command { Cut, Copy, Paste };
    void send(Command command);
    FieldRecall& mFields;
};

} // namespace belegadressen
