// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/AddressGuard.h"
#include "control/ControlState.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include <QCoreApplication>

namespace belegadressen {

bool AddressGuard::PruefeAdressnummer() {
    if (state.mAnzSeiten != 2 || !ui.txtDNummer->text().trimmed().isEmpty()) return true;
    QCoreApplication::processEvents();
    services.dialogs().information(QStringLiteral("Information"),
                                   QStringLiteral("Bitte erfassen Sie zuerst eine Adressnummer."));
    QCoreApplication::processEvents();
    focusIfShown(ui.txtDNummer);
    return false;
}

} // namespace belegadressen
