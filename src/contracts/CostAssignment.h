#pragma once
#include "contracts/Connection.h"
#include <QString>
#include <memory>

namespace belegadressen {

// Looks up cost centre and cost unit of a cost-assignment id.
class CostAssignment {
public:
    virtual ~CostAssignment() = default;
    virtual void Init(std::shared_ptr<Connection> connection) = 0;
    virtual bool Suche(qint32 id) = 0;
    virtual QString Kostenstelle() const = 0;
    virtual QString Kostentraeger() const = 0;
};

} // namespace belegadressen
