// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/CostAssignment.h"

namespace belegadressen {

/// Reads cost centre and cost unit from Kostenzuordnung(KostID, Kostenstelle,
/// Kostentraeger) through the connection handed to Init.
class BELEGADRESSEN_EXPORT SqlCostAssignment : public CostAssignment {
public:
    void Init(std::shared_ptr<Connection> connection) override;
    /// True when the id has a row; its centre and unit are kept, else both are
    /// emptied. Without a connection nothing is found. Statement errors reach
    /// the caller.
    bool Suche(qint32 id) override;
    QString Kostenstelle() const override { return mKostenstelle; }
    QString Kostentraeger() const override { return mKostentraeger; }

private:
    std::shared_ptr<Connection> mConnection;
    QString mKostenstelle, mKostentraeger;
};

} // namespace belegadressen
