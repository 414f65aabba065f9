#include "control/ErrorStyles.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include "control/ServiceHub.h"
#include "platform/ConnectionRecovery.h"

namespace belegadressen {

void reportReaderFailure(ServiceHub& svc, const QString& procedure, std::source_location where) {
    logging::swallowed(where, qUtf8Printable(procedure + QStringLiteral(" answered not found")));
    skipOnError([&] { svc.meldung(procedure); });
    // A database that cannot be reached or is locked is no failure of the
    // reader: the user learns the real cause besides the reader's name.
    try {
        if (std::exception_ptr e = std::current_exception()) std::rethrow_exception(e);
    } catch (const ConnectionTrouble& trouble) {
        skipOnError([&] { svc.meldung(trouble.text()); });
    } catch (...) {
    }
}

std::shared_ptr<Recordset> readRow(ServiceHub& svc, const QString& sql, const QString& procedure,
                                   std::source_location where) {
    try {
        std::shared_ptr<Recordset> rs = svc.connection()->Execute(sql);
        if (rs->Eof()) return nullptr;
        return rs;
    } catch (...) {
        reportReaderFailure(svc, procedure, where);
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
