// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "support/RecordingConnection.h"
#include "contracts/Error.h"

namespace batest {

std::shared_ptr<belegadressen::Recordset> RecordingConnection::Execute(const QString& sql) {
    statements << sql;
    if (!failWhenContains.isEmpty() && sql.contains(failWhenContains))
        throw belegadressen::Error(belegadressen::Error::Database,
                                   QStringLiteral("server closed the connection unexpectedly"));
    // A copy: the hook may replace itself.
    if (before) {
        const auto hook = before;
        hook(sql);
    }
    auto rs = mInner->Execute(sql);
    if (!loseReplyWhenContains.isEmpty() && sql.contains(loseReplyWhenContains))
        throw belegadressen::Error(belegadressen::Error::Database,
                                   QStringLiteral("server closed the connection unexpectedly"));
    return rs;
}

} // namespace batest
