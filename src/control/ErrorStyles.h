// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Error.h"
#include "platform/Logging.h"
#include <QString>
#include <exception>
#include <memory>
#include <source_location>

namespace belegadressen {

class ServiceHub;
class Recordset;

// The four ways the control deals with a failing step.

// Display handlers and accessors: skip the failing step, go on with the next.
// The user sees nothing; the log says where and why.
template <class F>
void skipOnError(F&& step, std::source_location where = std::source_location::current()) {
    try {
        step();
    } catch (...) {
        logging::swallowed(where, "skipped a failing step");
    }
}

// Drop targets: any failure answers 0, without a message.
template <class F>
qint32 zeroOnError(F&& body, std::source_location where = std::source_location::current()) {
    try {
        return body();
    } catch (...) {
        logging::swallowed(where, "answered 0 after a failure");
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
// through Fehlermeldung. Both leave a warning with the place and the error's
// text.
void reportReaderFailure(ServiceHub& svc, const QString& procedure,
                         std::source_location where = std::source_location::current());
// A reader's one row: the recordset positioned on it, or none when the
// statement finds nothing or fails (the failure reported as above; `failed`
// tells the two apart).
std::shared_ptr<Recordset> readRow(ServiceHub& svc, const QString& sql, const QString& procedure,
                                   bool* failed = nullptr,
                                   std::source_location where = std::source_location::current());
void reportCommandFailure(ServiceHub& svc, const QString& procedure, std::exception_ptr e,
                          std::source_location where = std::source_location::current());

// Last line of defence for slots connected to Qt signals and event filters:
// nothing may escape into the event loop.
template <class F>
void guarded(F&& handler, std::source_location where = std::source_location::current()) {
    try {
        handler();
    } catch (...) {
        logging::swallowed(where, "a handler failed");
    }
}

} // namespace belegadressen
