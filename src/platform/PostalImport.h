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
    int codes = 0;  ///< distinct postal codes
    int places = 0; ///< distinct pairs of postal code and place
    int rows = 0;   ///< rows written
};

/// Loads a postal directory into the table Postleitzahlen, one country at a
/// time, on SQLite or PostgreSQL.
///
/// The import format is UTF-8 text, one entry a line, fields separated by a
/// tab: postal code, place, and optionally district and street
/// ("80331<TAB>München", "1010<TAB>Wien<TAB>Innere Stadt<TAB>Kärntner Straße").
/// Empty lines and lines that begin with '#' are skipped.
class BELEGADRESSEN_EXPORT PostalImport {
public:
    /// Reads the import format. Throws Error with a German text that names
    /// the line when an entry is not usable; nothing is read then.
    static QList<PostalEntry> read(QIODevice& in);

    /// Replaces the rows of `land` (D, A, CH, ...) by `entries`, with the
    /// search spellings the lookups use, in one transaction: on any failure
    /// the table keeps its former rows and Error is thrown.
    static PostalImportCounts write(QSqlDatabase db, const QString& land,
                                    const QList<PostalEntry>& entries);
};

} // namespace belegadressen
