// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/AddressLines.h"
#include "control/AddressGuard.h"
#include "control/ControlState.h"
#include "control/DocumentKinds.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "data/DuplicateCheck.h"
#include "data/PostalCheck.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

void AddressLines::connectSignals() {
    Ui& u = ui;
    for (int i = 0; i < 7; ++i) {
        QLineEdit* line = u.txtDAdr[i];
        connectGuarded(line, &QLineEdit::textChanged, line, [this, i] { lineChanged(i); });
        onLeave(line, u.root, [this, i] {
            if (i == 6) skipOnError([&] { postal.placeValidate(); });
            if (i == 6) skipOnError([&] { duplicates.placeLeft(); });
            lineLeft(i);
        });
    }
    for (QLineEdit* ref : u.txtDKD_Nr)
        connectGuarded(ref, &QLineEdit::textChanged, ref,
                       [this] { state.raiseWhileReporting([&] { events.raiseChange(); }); });
    connectGuarded(u.btnErwAdresse, &QPushButton::clicked, u.btnErwAdresse,
                   [this] { btnErwAdresseClick(); });
}

void AddressLines::lineChanged(int index) {
    if (!state.aenderungMelden()) return;
    if (!guard.PruefeAdressnummer()) {
        ChangeGate gate(state);
        skipOnError([&] { ui.txtDAdr[index]->clear(); });
        return;
    }
    events.raiseChange();
}

void AddressLines::lineLeft(int index) {
    const ControlState& st = state;
    if (index == 4) skipOnError([&] { btnErwAdresseClick(); });
    postal.forgetCheckedPlace();
    if (index == 6 && !st.MitPostfach && st.mAnzSeiten == 1 &&
        !documentKinds::isServiceOrder(st.mBelegart)) {
        skipOnError([&] { focusIfShown(ui.txtDNummer); });
        if (st.mSeiteVomBenutzer) events.raiseBtnSeite2Click();
    }
}

void AddressLines::btnErwAdresseClick() {
    Ui& u = ui;
    if (u.btnErwAdresse->text().startsWith(QLatin1String("Er"))) {
        u.panerwadr[0]->show();
        u.btnErwAdresse->setText(QStringLiteral("Std. Ad&resse"));
        u.txtDAdr[3]->setFocus(Qt::OtherFocusReason);
        return;
    }
    u.panerwadr[0]->hide();
    u.btnErwAdresse->setText(QStringLiteral("Er&w. Adresse"));
    if (shown(u.txtDAdr[5]))
        u.txtDAdr[5]->setFocus(Qt::OtherFocusReason);
    else
        u.txtDAdr[6]->setFocus(Qt::OtherFocusReason);
}

} // namespace belegadressen
