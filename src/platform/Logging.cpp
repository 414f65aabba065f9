// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/Logging.h"
#include "contracts/Error.h"
#include <cstring>

namespace belegadressen {
Q_LOGGING_CATEGORY(lcSql, "belegadressen.sql", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLoad, "belegadressen.load", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPostal, "belegadressen.postal", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWriteback, "belegadressen.writeback", QtWarningMsg)
Q_LOGGING_CATEGORY(lcControl, "belegadressen.control", QtWarningMsg)
} // namespace belegadressen

namespace belegadressen::logging {

namespace {

const char* baseName(const char* file) {
    const char* slash = std::strrchr(file, '/');
    return slash ? slash + 1 : file;
}

bool has(const char* file, const char* part) { return std::strstr(file, part) != nullptr; }

QString textOf(std::exception_ptr failure) {
    if (!failure) return QStringLiteral("(no exception in flight)");
    try {
        std::rethrow_exception(failure);
    } catch (const Error& e) {
        return QStringLiteral("error %1: %2").arg(e.number()).arg(e.text());
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

} // namespace

const QLoggingCategory& areaOf(const char* file) {
    const char* name = baseName(file);
    // The script bridge logs its own lines; its guarded connections count
    // as the control's events.
    if (has(name, "Postal") || has(name, "Plz")) return lcPostal();
    if (has(name, "MasterUpdate") || has(name, "MasterConflict") || has(name, "FrmInfo") ||
        has(name, "CustomerInfo") || has(name, "MasterDataTable") ||
        has(name, "MasterDataEditDialog"))
        return lcWriteback();
    if (has(name, "Load") || has(name, "Reader") || has(name, "LongText") ||
        has(name, "Currency") || has(name, "Staff") || has(name, "Site") || has(name, "Standort") ||
        has(name, "Duplicate"))
        return lcLoad();
    if (has(name, "SqlConnection") || has(name, "ConnectionRecovery") || has(name, "PgSession"))
        return lcSql();
    return lcControl();
}

void swallowed(const std::source_location& where, const char* what) {
    swallowed(where, what, std::current_exception());
}

void swallowed(const std::source_location& where, const char* what, std::exception_ptr failure) {
    const QLoggingCategory& category = areaOf(where.file_name());
    if (!category.isWarningEnabled()) return;
    QMessageLogger(where.file_name(), static_cast<int>(where.line()), where.function_name(),
                   category.categoryName())
        .warning("%s in %s:%u (%s): %s", what, baseName(where.file_name()),
                 static_cast<unsigned>(where.line()), where.function_name(),
                 qUtf8Printable(textOf(failure)));
}

} // namespace belegadressen::logging
