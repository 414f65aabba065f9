// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Connection.h"
#include "contracts/Error.h"
#include "contracts/Recordset.h"
#include "platform/WaitCursor.h"
#include <memory>

namespace belegadressen {

// The host's connection as the control uses it: a statement the host answers
// with no recordset at all is an error with a text, not a null the next
// reader would follow. While a statement runs the user sees the wait cursor,
// whatever connection the host hands in.
class CheckedConnection final : public Connection {
public:
    explicit CheckedConnection(std::shared_ptr<Connection> inner) : mInner(std::move(inner)) {}

    std::shared_ptr<Recordset> Execute(const QString& sql) override {
        const StatementWaitCursor waiting;
        std::shared_ptr<Recordset> rs = mInner->Execute(sql);
        if (!rs)
            throw Error(Error::Database,
                        QStringLiteral("Die Datenbankverbindung hat auf eine Anweisung kein "
                                       "Ergebnis geliefert."));
        return rs;
    }

private:
    std::shared_ptr<Connection> mInner;
};

} // namespace belegadressen
