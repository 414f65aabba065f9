// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/SqlCostAssignment.h"
#include "platform/SqlText.h"

namespace belegadressen {

void SqlCostAssignment::Init(std::shared_ptr<Connection> connection) {
    mConnection = std::move(connection);
}

bool SqlCostAssignment::Suche(qint32 id) {
    mKostenstelle.clear();
    mKostentraeger.clear();
    if (!mConnection) return false;
    auto rs = mConnection->Execute(
        QStringLiteral("Select Kostenstelle, Kostentraeger from Kostenzuordnung where KostID = ") +
        quoted(QString::number(id)));
    if (!rs) return false;
    const bool found = !rs->Eof();
    if (found) {
        mKostenstelle = rs->Value(QStringLiteral("Kostenstelle")).toString();
        mKostentraeger = rs->Value(QStringLiteral("Kostentraeger")).toString();
    }
    rs->Close();
    return found;
}

} // namespace belegadressen
