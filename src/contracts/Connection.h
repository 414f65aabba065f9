#pragma once
#include "contracts/Recordset.h"
#include <QString>
#include <memory>

namespace belegadressen {

// The host's open database connection. A failing statement throws Error.
class Connection {
public:
    virtual ~Connection() = default;
    virtual std::shared_ptr<Recordset> Execute(const QString& sql) = 0;
};

} // namespace belegadressen
