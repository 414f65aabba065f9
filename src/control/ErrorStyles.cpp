#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"

namespace belegadressen {

void reportReaderFailure(ServiceHub& svc, const QString& procedure) {
    skipOnError([&] { svc.meldung(procedure); });
}

void reportCommandFailure(ServiceHub& svc, const QString& procedure, std::exception_ptr e) {
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
