// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "platform/PostalDirectory.h"
#include <QList>
#include <QSqlDatabase>
#include <QString>

class QIODevice;

namespace belegadressen {

/// What an import wrote for one country.
struct PostalImportCounts {
    int codes = 0;      ///< distinct postal codes
    int places = 0;     ///< distinct pairs of postal code and place
    int rows = 0;       ///< rows written
    int duplicates = 0; ///< entries given more than once, written once
};

/// Loads a postal directory into the table Postleitzahlen, one country at a
/// time, on SQLite or PostgreSQL.
///
/// The import format is UTF-8 text, one entry a line (lines end with LF, CRLF
/// or CR), fields separated by a tab: postal code, place, and optionally
/// district and street ("80331<TAB>München",
/// "1010<TAB>Wien<TAB>Innere Stadt<TAB>Kärntner Straße"). Empty lines and
/// lines that begin with '#' are skipped. Control and format characters (ESC,
/// NUL, U+202E, U+2028 ...) are refused, and so are fields longer than 200
/// characters.
class BELEGADRESSEN_EXPORT PostalImport {
public:
    /// Reads the import format. Throws Error with a German text that names
    /// the line, and quotes at most a short excerpt of it, when an entry is
    /// not usable; nothing is read then.
    static QList<PostalEntry> read(QIODevice& in);

    /// Replaces the rows of `land` by `entries`, with the search spellings
    /// the lookups use, in one transaction: on any failure the table keeps
    /// its former rows and Error is thrown. `land` is one of the codes the
    /// country field offers (D, F, A, B, CH, DK, L, NL), exactly. No entries
    /// at all are refused: an empty file never empties a country. An entry
    /// given more than once is written once and counted.
    static PostalImportCounts write(QSqlDatabase db, const QString& land,
                                    const QList<PostalEntry>& entries);
};

} // namespace belegadressen
