// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/ErrorStyles.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include "control/ServiceHub.h"
#include "platform/ConnectionRecovery.h"

namespace belegadressen {

void reportReaderFailure(ServiceHub& svc, const QString& procedure, std::source_location where) {
    logging::swallowed(where, qUtf8Printable(procedure + QStringLiteral(" answered not found")));
    // One message with the reader's name and the cause: a database that
    // cannot be reached, is locked or refuses the session is told as such.
    const std::exception_ptr e = std::current_exception();
    const QString cause = e ? errorText(e) : QString();
    skipOnError([&] {
        svc.meldung(cause.isEmpty() ? procedure : procedure + QStringLiteral(": ") + cause);
    });
}

std::shared_ptr<Recordset> readRow(ServiceHub& svc, const QString& sql, const QString& procedure,
                                   bool* failed, std::source_location where) {
    if (failed) *failed = false;
    try {
        std::shared_ptr<Recordset> rs = svc.connection()->Execute(sql);
        if (rs->Eof()) return nullptr;
        return rs;
    } catch (...) {
        reportReaderFailure(svc, procedure, where);
        if (failed) *failed = true;
        return nullptr;
    }
}

void reportCommandFailure(ServiceHub& svc, const QString& procedure, std::exception_ptr e,
                          std::source_location where) {
    logging::swallowed(where, qUtf8Printable(procedure + QStringLiteral(" ended")), e);
    qint32 number = 0;
    try {
        std::rethrow_exception(e);
    } catch (const Error& err) {
        number = err.number();
    } catch (...) {
    }
    skipOnError(
        [&] { svc.messages().Fehlermeldung(kModulName, procedure, number, errorText(e), true); });
}

} // namespace belegadressen
