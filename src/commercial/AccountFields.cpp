// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "commercial/AccountFields.h"
#include "commercial/VatIdValidator.h"
#include "control/AddressGuard.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

AccountFields::AccountFields(const ControlState& state, Ui& ui, EventSink& events,
                             AddressGuard& guard)
    : mState(state), mUi(ui), mEvents(events), mGuard(guard),
      mVatIdSign(ui.txtDUstIdentNr, QStringLiteral("actUstIdentNrPruefung")) {}

void AccountFields::textChanged(QLineEdit* field) {
    if (!mState.aenderungMelden()) return;
    if (mGuard.PruefeAdressnummer()) {
        mEvents.raiseChange();
        return;
    }
    // Emptied with the gate closed: emptying the field is a change of its own,
    // which would check the number again and show the message a second time.
    ChangeGate gate(mState);
    field->clear();
}

void AccountFields::connectSignals() {
    Ui& u = mUi;
    for (QLineEdit* field : {u.txtDHauptkonto, u.txtDUstIdentNr})
        connectGuarded(field, &QLineEdit::textChanged, field,
                       [this, field] { textChanged(field); });
    connectGuarded(u.txtDAuftragsrabatt, &NumberEdit::valueChanged, u.txtDAuftragsrabatt,
                   [this] { mState.raiseWhileReporting([&] { mEvents.raiseChange(); }); });
    // A refused tick stays: only the event is withheld.
    for (QCheckBox* box : {u.chkKnzDivers, u.chkDruckAufbewahrungsfrist, u.chkRechnungPerPDF})
        connectGuarded(box, &QCheckBox::clicked, box, [this] {
            if (!mState.aenderungMelden()) return;
            guarded([&] {
                if (mGuard.PruefeAdressnummer()) mEvents.raiseChange();
            });
        });

    // The VAT id check: a value the control fills in is checked at once, one
    // the user types when the field is left.
    connectGuarded(u.txtDUstIdentNr, &QLineEdit::textChanged, u.txtDUstIdentNr, [this] {
        if (mState.aenderungMelden())
            mVatIdSign.clear();
        else
            showVatIdCheck();
    });
    onLeave(u.txtDUstIdentNr, u.root, [this] { guarded([&] { showVatIdCheck(); }); });
}

void AccountFields::showVatIdCheck() {
    const VatIdValidator::Result result = VatIdValidator::check(mUi.txtDUstIdentNr->text());
    if (result.state == VatIdValidator::State::Empty) {
        mVatIdSign.clear();
        return;
    }
    FieldMark::Kind kind = FieldMark::Kind::Information;
    if (result.state == VatIdValidator::State::Valid) kind = FieldMark::Kind::Valid;
    if (result.state == VatIdValidator::State::Invalid) kind = FieldMark::Kind::Warning;
    mVatIdSign.show(kind, result.message);
}

} // namespace belegadressen
