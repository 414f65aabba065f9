// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/CustomerLoad.h"
#include "control/AddressPages.h"
#include "control/AddressView.h"
#include "control/ControlState.h"
#include "control/DocumentKinds.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/LoadGuard.h"
#include "control/PageLayout.h"
#include "control/ServiceHub.h"
#include "control/SubsystemPorts.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "data/AddressLoad.h"
#include "data/CustomerReader.h"
#include "data/MasterConflict.h"
#include "data/RowMapping.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"

namespace belegadressen {

using namespace Qt::StringLiterals;

void CustomerLoad::connectSignals() {
    onLeave(ui.txtDNummer, ui.root, [this] { userLeftNummer(); });
    onKeyRelease(ui.txtDNummer, [this](int key, Qt::KeyboardModifiers mods) {
        if (!isPlainF2(key, mods)) return false;
        btnKundeClick();
        return true;
    });
    connectGuarded(ui.btnKunde, &QToolButton::clicked, ui.btnKunde, [this] { btnKundeClick(); });
}

void CustomerLoad::btnKundeClick() {
    events.raiseBtnKundeClick();
    entry.mSucheKunde = true;
}

// A failure the load itself does not handle must not leave a half-filled
// address that looks loaded, nor reach the event loop.
void CustomerLoad::userLeftNummer() {
    // The load itself moves the focus on (to the salutation, for the remark
    // window): that is no leave of the user's.
    if (state.mLaedt) return;
    try {
        nummerVerlassen();
    } catch (...) {
        const QString why = errorText(std::current_exception());
        skipOnError([&] { services.meldung("Die Adresse konnte nicht geladen werden: " + why); });
    }
}

void CustomerLoad::clearAndReport(int index) {
    steps.view.leereUndZeige(index);
    if (index == 0) steps.currency.raiseWaehrungchange();
    events.raiseChange();
    if (index == 0) {
        records.at(0).Rabatt = 0;
        events.raiseChangeKundenrabatt(0);
    }
}

bool CustomerLoad::nummerVerlassen() {
    if (state.mSucheKunde || state.mSucheAdresse) {
        entry.mSucheKunde = entry.mSucheAdresse = false;
        return true;
    }
    // A host slot that calls back into the control during one of the load's
    // events must not start a second load into a record that is being filled.
    refuseDuringLoad(state, QStringLiteral("fktDragNummer"));
    const LoadGuard loading(entry);
    const int i = state.currentIndex();
    AdressDaten& r = records.current();
    const QString nummer = ui.txtDNummer->text();
    if (nummer == r.Nummer) return true;

    if (nummer.isEmpty()) {
        clearAndReport(i);
        return true;
    }

    bool failed = false;
    const std::shared_ptr<Recordset> rs = steps.reader.LeseKunde(nummer, failed);
    if (!rs) {
        if (i > 0 && !failed) {
            if (const std::shared_ptr<Recordset> row =
                    steps.addresses.LeseAdresse(nummer, &failed)) {
                steps.addresses.fill(*row);
                return true;
            }
        }
        if (failed) {
            // The database did not answer, which says nothing about the
            // number nor about the address shown: that stays, and so does
            // the number it belongs to, so that the two never disagree.
            {
                ChangeGate gate(state);
                ui.txtDNummer->setText(r.Nummer);
            }
            focusIfShown(ui.txtDNummer);
            return false;
        }
        services.meldung("Die Adressnummer " + nummer + " ist nicht vorhanden.");
        steps.view.leereUndZeige(i);
        focusIfShown(ui.txtDNummer);
        return true;
    }

    {
        ChangeGate gate(state);
        try {
            records.leereAdresse(i, false);
            r.Nummer = nummer;
            CustomerRowRules rules{
                state.mLandeswaehrung, i == 0 && documentKinds::loadsServiceData(state.mBelegart),
                [this](const QString& code) { return steps.currency.HoleWaehrungskurs(code); }};
            fillFromCustomerRow(r, *rs, rules);
            records.geladeneStammzeilen()[i] = {MasterColumns::kunde().table, nummer, r};
            if (i == 0) events.raiseChangeKundenrabatt(r.Rabatt);
            steps.view.ZeigeAdresse();
            if (i == 0) steps.services.LadeStandort(nummer, false);
            if (i == 1) {
                steps.services.LadeStandort(nummer, true);
                steps.view.ZeigeAdresse();
                steps.layout.SetzeSeitenLayout(1);
            }
        } catch (...) {
            // The host may hold the discount and currency of the customer
            // that is no longer shown: tell it the address is empty again.
            skipOnError([&] { clearAndReport(i); });
            throw;
        }
        if (i == 0) steps.currency.raiseWaehrungchange();
        events.raiseChange();
        const QString mwst = state.mAdressen[0].MwstKnz;
        if (i == 0 && !mwst.isEmpty() && mwst != QLatin1String("0")) {
            events.raiseChangeMwstKnz(QString());
            events.raiseChangeMwstKnz(r.MwstKnz);
        }
    }
    skipOnError([&] {
        steps.remarks.showInternalRemark(columnText(*rs, u"Kundennummer"_s),
                                         columnText(*rs, u"InterneBemerkung"_s));
    });
    return true;
}

qint32 CustomerLoad::fktDragNummer(const QString& nummer) {
    return zeroOnError([&]() -> qint32 {
        refuseDuringLoad(state, QStringLiteral("fktDragNummer"));
        if (!ui.panSeite[0]->isHidden()) steps.pages.turnPageQuietly(1);
        focusIfShown(ui.txtDNummer);
        ui.txtDNummer->setText(nummer);
        entry.mSucheKunde = entry.mSucheAdresse = false;
        return nummerVerlassen() ? -1 : 0;
    });
}

} // namespace belegadressen
