// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "platform/FieldMark.h"

class QLineEdit;

namespace belegadressen {

struct ControlState;
struct Ui;
class EventSink;
class AddressGuard;

// The debtor account, the VAT id, the order discount and the three document
// flags of page 1: each user change is reported with Change. Leaving the VAT
// id shows next to it whether its form and check digit are right.
class AccountFields {
public:
    // `pruefeAdressnummer` refuses edits on a two-page address without a
    // number (with its message) by answering false.
    AccountFields(const ControlState& state, Ui& ui, EventSink& events, AddressGuard& guard);

    void connectSignals();

    // Shows the result of the VAT id check beside the field; nothing for an
    // empty field.
    void showVatIdCheck();

private:
    void textChanged(QLineEdit* field);

    const ControlState& mState;
    Ui& mUi;
    EventSink& mEvents;
    AddressGuard& mGuard;
    FieldMark mVatIdSign;
};

} // namespace belegadressen
