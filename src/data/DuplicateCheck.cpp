// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/DuplicateCheck.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "data/AddressLoad.h"
#include "data/CustomerLoad.h"
#include "data/DuplicateHint.h"
#include "platform/GuardedConnect.h"
#include "platform/PostalSpelling.h"

namespace belegadressen {

namespace {

// What a lookup depends on besides the street: the street alone changing
// does not offer the hint again.
QString settledForm(const QString& vorname, const QString& bez1, const QString& plz,
                    const QString& ort) {
    return nameWords(vorname, bez1).join(QLatin1Char(' ')) + QLatin1Char('|') +
           plz.trimmed().toLower() + QLatin1Char('|') + searchSpelling(ort);
}

} // namespace

DuplicateCheck::DuplicateCheck(const ControlState& state, Ui& ui, ServiceHub& services,
                               CustomerLoad& customers, AddressLoad& addresses)
    : state(state), ui(ui), services(services), customers(customers), addresses(addresses) {}

DuplicateCheck::~DuplicateCheck() = default;

void DuplicateCheck::connectSignals() {
    // Whatever changes the number, the name or the postal code (typing, a
    // load, showing another address) makes the listed matches stale.
    for (QLineEdit* field : {ui.txtDNummer, ui.txtDAdr[0], ui.txtDAdr[1], ui.txtDPostleitzahl})
        connectGuarded(field, &QLineEdit::textChanged, field, [this] { dismiss(); });
    // An address emptied is a new one again, whatever it held before.
    connectGuarded(ui.txtDAdr[1], &QLineEdit::textChanged, ui.txtDAdr[1],
                   [this](const QString& text) {
                       if (text.trimmed().isEmpty()) mSettled.erase(state.AktAdresse);
                   });
    addresses.setFilledHandler([this] { addressTaken(); });
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

void DuplicateCheck::addressTaken() {
    const AdressDaten& r = state.current();
    mSettled[state.AktAdresse] = settledForm(r.Vorname, r.Bez1, r.Postleitzahl, r.Ort);
}

void DuplicateCheck::placeLeft() {
    // A fill by the control itself (a load moving the focus) is no new entry.
    if (!mEnabled || !state.aenderungMelden() || state.mLaedt) return;
    if (!state.hasAddress(state.AktAdresse)) return;
    if (!ui.txtDNummer->text().trimmed().isEmpty()) return;
    const PartyAddress typed{ui.txtDAdr[0]->text(), ui.txtDAdr[1]->text(), ui.txtDAdr[5]->text(),
                             ui.txtDPostleitzahl->text(), ui.txtDAdr[6]->text()};
    if (nameWords(typed.vorname, typed.bez1).isEmpty() || typed.plz.trimmed().isEmpty()) return;
    const QString settled = settledForm(typed.vorname, typed.bez1, typed.plz, typed.ort);
    const auto known = mSettled.find(state.AktAdresse);
    if (known != mSettled.end() && known->second == settled) return;
    const std::vector<DuplicateCandidate> found = findDuplicates(*services.connection(), typed);
    mSettled[state.AktAdresse] = settled;
    mShownFor = state.AktAdresse;
    hint().showFor(found);
}

void DuplicateCheck::rowsWritten(const std::vector<WrittenRow>& rows) {
    // One round trip at most: a number held by both masters leaves its
    // general address to fillDuplicateKeys (it is still found under its
    // postal code until then).
    if (!mEnabled || rows.empty()) return;
    keyWrittenRow(*services.connection(), rows.front());
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
