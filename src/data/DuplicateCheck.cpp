#include "data/DuplicateCheck.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "data/AddressLoad.h"
#include "data/CustomerLoad.h"
#include "data/DuplicateHint.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

DuplicateCheck::DuplicateCheck(ControlState& state, Ui& ui, ServiceHub& services,
                               CustomerLoad& customers, AddressLoad& addresses)
    : state(state), ui(ui), services(services), customers(customers), addresses(addresses) {}

DuplicateCheck::~DuplicateCheck() = default;

void DuplicateCheck::connectSignals() {
    // Whatever changes the number, the name or the postal code (typing, a
    // load, showing another address) makes the listed matches stale.
    for (QLineEdit* field : {ui.txtDNummer, ui.txtDAdr[1], ui.txtDPostleitzahl})
        connectGuarded(field, &QLineEdit::textChanged, field, [this] { dismiss(); });
}

void DuplicateCheck::setEnabled(bool on) {
    mEnabled = on;
    if (!on) dismiss();
}

DuplicateHint& DuplicateCheck::hint() {
    if (!mHint)
        mHint = new DuplicateHint(ui.txtDNummer, ui.btnAktKunde,
                                  [this](const DuplicateCandidate& c) { choose(c); });
    return *mHint;
}

void DuplicateCheck::dismiss() {
    if (mHint) mHint->dismiss();
}

void DuplicateCheck::placeLeft() {
    // A fill by the control itself (a load moving the focus) is no new entry.
    if (!mEnabled || !state.aenderungMelden() || state.mLaedt) return;
    if (!state.hasAddress(state.AktAdresse)) return;
    if (!ui.txtDNummer->text().trimmed().isEmpty()) return;
    const QString bez1 = ui.txtDAdr[1]->text();
    const QString plz = ui.txtDPostleitzahl->text();
    if (normalisedName(bez1).isEmpty() || normalisedPostalCode(plz).isEmpty()) return;
    const std::vector<DuplicateCandidate> found = findDuplicates(*services.connection(), bez1, plz);
    mShownFor = state.AktAdresse;
    hint().showFor(found);
}

void DuplicateCheck::choose(const DuplicateCandidate& candidate) {
    dismiss();
    // The hint belongs to the address it was shown for; another one is shown now.
    if (state.AktAdresse != mShownFor) return;
    if (candidate.source == DuplicateSource::Kunde)
        customers.fktDragNummer(candidate.nummer);
    else
        addresses.fktDragNummerAdresse(candidate.nummer);
}

} // namespace belegadressen
