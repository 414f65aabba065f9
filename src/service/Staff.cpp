// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/Staff.h"
#include "control/Values.h"
#include "platform/SqlText.h"

namespace belegadressen {

QVariant HoleMonteurname(Connection& connection, const QString& personalNr) {
    if (personalNr.isEmpty()) return {};
    auto rs = connection.Execute("Select NachName, Vorname from Personalstamm where PersonalNr = " +
                                 quoted(personalNr));
    if (rs->Eof()) {
        rs->Close();
        return true;
    }
    const QString nachname = textOf(rs->Value("NachName"));
    const QString vorname = textOf(rs->Value("Vorname"));
    rs->Close();
    return vorname.isEmpty() ? nachname : nachname + ", " + vorname;
}

} // namespace belegadressen
