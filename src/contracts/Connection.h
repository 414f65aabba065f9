// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Recordset.h"
#include <QString>
#include <memory>

namespace belegadressen {

/// The host's open database connection. A failing statement throws Error.
class BELEGADRESSEN_EXPORT Connection {
public:
    virtual ~Connection() = default;
    /// Runs one statement and answers its result; a failure throws Error.
    virtual std::shared_ptr<Recordset> Execute(const QString& sql) = 0;
};

} // namespace belegadressen
