// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "PostalCodes.h"
#include "HostAppObject.h"
#include "control/BelegAdressen.h"

void enablePostalCodes(belegadressen::BelegAdressen& control, std::shared_ptr<HostAppObject> app) {
    control.AddMitPostleitzahl(QStringLiteral("1"), app, app->ConnectStringDB(),
                               app->ConnectionDB(), false);
    control.AddMitPostleitzahlOnline(QStringLiteral("0"));
}
