#pragma once
#include "contracts/Error.h"
#include <QString>
#include <exception>
#include <memory>

namespace belegadressen {

class ServiceHub;
class Recordset;

// The four ways the control deals with a failing step.

// Display handlers and accessors: skip the failing step, go on with the next.
template <class F> void skipOnError(F&& step) {
    try {
        step();
    } catch (...) {
    }
}

// Drop targets: any failure answers 0, without a message.
template <class F> qint32 zeroOnError(F&& body) {
    try {
        return body();
    } catch (...) {
        return 0;
    }
}

// The text of the exception in flight, for messages.
inline QString errorText(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const Error& err) {
        return err.text();
    } catch (const std::exception& ex) {
        return QString::fromUtf8(ex.what());
    } catch (...) {
        return QStringLiteral("Unbekannter Fehler");
    }
}

// Readers report the failing procedure's name with the cause through Meldung,
// once, and answer not found; commands report procedure, number and text
// through Fehlermeldung.
void reportReaderFailure(ServiceHub& svc, const QString& procedure);
// A reader's one row: the recordset positioned on it, or none when the
// statement finds nothing or fails (the failure reported as above; `failed`
// tells the two apart).
std::shared_ptr<Recordset> readRow(ServiceHub& svc, const QString& sql, const QString& procedure,
                                   bool* failed = nullptr);
void reportCommandFailure(ServiceHub& svc, const QString& procedure, std::exception_ptr e);

// Last line of defence for slots connected to Qt signals and event filters:
// nothing may escape into the event loop.
template <class F> void guarded(F&& handler) {
    try {
        handler();
    } catch (...) {
    }
}

} // namespace belegadressen
