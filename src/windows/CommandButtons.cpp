// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/CommandButtons.h"
#include "contracts/SiteInformationDialog.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/SubsystemPorts.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

namespace {
const QString kNoNumber = QStringLiteral("Es ist keine Adressnummer vorhanden.");
}

void CommandButtons::connectSignals() {
    Ui& u = mUi;
    connectGuarded(u.btnStammblatt, &QPushButton::clicked, u.btnStammblatt,
                   [this] { btnStammblattClick(); });
    connectGuarded(u.btnBelegfreigabe, &QPushButton::clicked, u.btnBelegfreigabe,
                   [this] { btnBelegfreigabeClick(); });
    connectGuarded(u.BtnKom, &QPushButton::clicked, u.BtnKom, [this] { BtnKomClick(); });
    connectGuarded(u.txtBemerkung, &QLineEdit::textChanged, u.txtBemerkung,
                   [this] { txtBemerkungChange(); });
    onLeave(u.txtBemerkung, u.root, [this] { skipOnError([&] { txtBemerkungLeft(); }); });
}

// The host gets a copy of the number, blanks and all.
void CommandButtons::btnStammblattClick() {
    skipOnError([&] {
        const QString nummer = mUi.txtDNummer->text();
        if (nummer.isEmpty())
            mServices.meldung(kNoNumber);
        else
            mEvents.raiseStammBlatt(nummer);
    });
}

void CommandButtons::btnBelegfreigabeClick() { mEvents.raiseBtnUebernehme(); }

// The host's information dialog shows and edits the communication data; the
// control writes nothing back. A number that is no customer opens nothing.
void CommandButtons::BtnKomClick() {
    skipOnError([&] {
        const QString nummer = mUi.txtDNummer->text();
        if (nummer.isEmpty()) {
            mServices.meldung(kNoNumber);
            return;
        }
        if (!mCustomers.LeseKunde(nummer)) return;
        std::shared_ptr<SiteInformationDialog> dialog = mServices.newSiteInformationDialog();
        if (!dialog) return;
        skipOnError([&] { dialog->ShowAuskunftKommunikationsdaten(1, nummer, false, false); });
    });
}

void CommandButtons::txtBemerkungChange() {
    mState.raiseWhileReporting([&] { mEvents.raiseChange(); });
}

// On a one-page address the remark is the last field: the focus goes round
// to the number, or the host turns to the second page.
void CommandButtons::txtBemerkungLeft() {
    if (mState.mAnzSeiten != 1) return;
    if (shown(mUi.txtDNummer))
        mUi.txtDNummer->setFocus(Qt::OtherFocusReason);
    else if (mState.mSeiteVomBenutzer)
        mEvents.raiseBtnSeite2Click();
}

} // namespace belegadressen
