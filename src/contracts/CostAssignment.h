// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include <QString>
#include <memory>

namespace belegadressen {

/// Looks up cost centre and cost unit of a cost-assignment id.
class BELEGADRESSEN_EXPORT CostAssignment {
public:
    virtual ~CostAssignment() = default;
    /// Hands over the connection to read through.
    virtual void Init(std::shared_ptr<Connection> connection) = 0;
    /// Looks up an id; true when it was found.
    virtual bool Suche(qint32 id) = 0;
    /// Cost centre of the id last found.
    virtual QString Kostenstelle() const = 0;
    /// Cost unit of the id last found.
    virtual QString Kostentraeger() const = 0;
};

} // namespace belegadressen
