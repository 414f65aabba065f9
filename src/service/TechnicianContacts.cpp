// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/TechnicianContacts.h"
#include "control/AddressGuard.h"
#include "control/AddressPages.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"
#include "service/Staff.h"

namespace belegadressen {

TechnicianContacts::TechnicianContacts(const ControlState& state, EntryState& entry,
                                       AddressRecords& records, Ui& ui, ServiceHub& services,
                                       EventSink& events, AddressPages& pages, AddressGuard& guard)
    : mState(state), mEntry(entry), mRecords(records), mUi(ui), mServices(services),
      mEvents(events), mPages(pages), mGuard(guard) {}

void TechnicianContacts::connectSignals() {
    Ui& u = mUi;
    onLeave(u.txtMonteur[0], u.root, [this] { skipOnError([&] { txtMonteurVerlassen(); }); });
    for (int i = 0; i < static_cast<int>(u.btnMonteur.size()); ++i)
        connectGuarded(u.btnMonteur[i], &QAbstractButton::clicked, u.btnMonteur[i],
                       [this, i] { btnMonteurClick(i); });
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(u.btnAnsprechpartner),
          static_cast<QAbstractButton*>(u.btnAnpWart), static_cast<QAbstractButton*>(u.btnAnpBel)})
        connectGuarded(b, &QAbstractButton::clicked, b, [this] { btnAnsprechpartnerClick(); });

    // F2 in a field acts as the click of the button beside it.
    onKeyPress(u.txtMonteur[0], [this](int key, Qt::KeyboardModifiers mods) {
        if (!isPlainF2(key, mods)) return false;
        btnMonteurClick(0);
        return true;
    });
    for (QLineEdit* contact : {u.txtAnsprechpartner, u.txtAnsprechpartnerKD})
        onKeyPress(contact, [this](int key, Qt::KeyboardModifiers mods) {
            if (!isPlainF2(key, mods)) return false;
            btnAnsprechpartnerClick();
            return true;
        });

    onLeave(u.txtAnsprechpartner, u.root,
            [this] { skipOnError([&] { ansprechpartnerVerlassen(true); }); });
    onLeave(u.txtAnsprechpartnerKD, u.root,
            [this] { skipOnError([&] { ansprechpartnerVerlassen(false); }); });

    for (QLineEdit* f : {u.txtMonteur[0], u.txtAnsprechpartner, u.txtAnsprechpartnerKD,
                         u.txtTelefon, u.txtMobil, u.txtFax})
        connectGuarded(f, &QLineEdit::textChanged, f, [this] { changed(); });
    connectGuarded(u.chkDruckInAnschriftKD, &QCheckBox::clicked, u.chkDruckInAnschriftKD,
                   [this] { chkDruckInAnschriftKDClick(); });
}

void TechnicianContacts::changed() {
    mState.raiseWhileReporting([&] { mEvents.raiseChange(); });
}

void TechnicianContacts::txtMonteurVerlassen() {
    QLineEdit* field = mUi.txtMonteur[0];
    QLabel* name = mUi.txtMonteurname[0];
    const QString nummer = field->text();
    if (nummer.trimmed().isEmpty()) {
        field->clear();
        name->clear();
        return;
    }
    QVariant answer;
    // A failing read counts as a found name, shown empty.
    skipOnError([&] { answer = HoleMonteurname(*mServices.connection(), nummer); });
    if (isNotFound(answer)) {
        mServices.meldung("Der Mitarbeiter " + nummer + " ist nicht vorhanden.");
        field->clear();
        name->clear();
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    name->setText(answer.toString());
}

void TechnicianContacts::btnMonteurClick(int index) {
    mSucheMonteur1 = index != 0;
    mEvents.raiseBtnMonteurClick();
}

void TechnicianContacts::btnAnsprechpartnerClick() {
    mEvents.raiseBtnAnsprechpartner(mUi.txtDNummer->text(), mState.AktAdresse == 2);
}

void TechnicianContacts::ansprechpartnerVerlassen(bool fuerWart) {
    QLineEdit* field = fuerWart ? mUi.txtAnsprechpartner : mUi.txtAnsprechpartnerKD;
    if (!field->text().trimmed().isEmpty()) return;
    AdressDaten& r = mRecords.current();
    QString& id = fuerWart ? r.WartAnsprechpartnerID : r.AnsprechpartnerKDID;
    if (id.isEmpty()) return;
    id.clear();
    mEvents.raiseBtnAnsprechpartnerReset(fuerWart);
}

void TechnicianContacts::chkDruckInAnschriftKDClick() {
    if (!mState.aenderungMelden()) return;
    if (!mGuard.PruefeAdressnummer()) return;
    mEvents.raiseChange();
}

qint32 TechnicianContacts::fktDragPersonalNummer(const QString& nummer) {
    return zeroOnError([&]() -> qint32 {
        // The host answers a search started from the second technician button
        // itself; only the first one belongs to this field.
        if (mSucheMonteur1) return 0;
        if (!mUi.panSeite[0]->isHidden()) mPages.turnPageQuietly(1);
        focusIfShown(mUi.txtMonteur[0]);
        mUi.txtMonteur[0]->setText(nummer);
        mEntry.mSucheKunde = mEntry.mSucheAdresse = false;
        txtMonteurVerlassen();
        return -1;
    });
}

} // namespace belegadressen
