// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include <QLoggingCategory>
#include <QString>
#include <exception>
#include <source_location>

// The control's log categories, one per area. Each is declared with warning as
// its lowest enabled level, so that debug lines (statements, loaded numbers:
// customer data) appear only when a host turns them on with Qt's own rules,
// e.g. QT_LOGGING_RULES="belegadressen.sql.debug=true". The script bridge has
// its own, belegadressen.script.
namespace belegadressen {
Q_DECLARE_LOGGING_CATEGORY(lcSql)       // belegadressen.sql: every statement, its duration
Q_DECLARE_LOGGING_CATEGORY(lcLoad)      // belegadressen.load: customers, addresses, sites, texts
Q_DECLARE_LOGGING_CATEGORY(lcPostal)    // belegadressen.postal: the postal check and directory
Q_DECLARE_LOGGING_CATEGORY(lcWriteback) // belegadressen.writeback: masters, info window
Q_DECLARE_LOGGING_CATEGORY(lcControl)   // belegadressen.control: fields, pages, events
} // namespace belegadressen

namespace belegadressen::logging {

// The area a source file belongs to, so that a step skipped anywhere is logged
// under the category of the code it was skipped in.
BELEGADRESSEN_EXPORT const QLoggingCategory& areaOf(const char* file);

// A failure that a guard or a skipped step swallows: a warning naming the
// place and the error's text (the exception in flight, if any).
BELEGADRESSEN_EXPORT void swallowed(const std::source_location& where, const char* what);
BELEGADRESSEN_EXPORT void swallowed(const std::source_location& where, const char* what,
                                    std::exception_ptr failure);

} // namespace belegadressen::logging
