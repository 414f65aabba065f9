#include "platform/PostalDirectory.h"
#include "platform/SqlText.h"
#include <QStringList>

namespace belegadressen {

QList<PostalEntry> SqlPostalDirectory::find(const PostalQuery& query) {
    QList<PostalEntry> entries;
    if (!mConnection) return entries;
    const bool withStreet = !query.strassen.isEmpty();
    QStringList columns{QStringLiteral("Plz"), QStringLiteral("Ort")};
    if (mWithDistricts) columns << QStringLiteral("Ortsteil");
    if (withStreet) columns << QStringLiteral("Strasse");
    QStringList where;
    if (!query.plz.isEmpty()) where << QStringLiteral("Plz = ") + quoted(query.plz);
    if (!query.ort.isEmpty()) where << QStringLiteral("Ort = ") + quoted(query.ort);
    if (withStreet) {
        QStringList spellings;
        for (const QString& s : query.strassen)
            spellings << quoted(s);
        where << QStringLiteral("Strasse in (") + spellings.join(QStringLiteral(", ")) +
                     QLatin1Char(')');
    }
    if (where.isEmpty()) return entries;
    const QString list = columns.join(QStringLiteral(", "));
    auto rs = mConnection->Execute(
        QStringLiteral("Select Distinct ") + list + QStringLiteral(" from Postleitzahlen where ") +
        where.join(QStringLiteral(" and ")) + QStringLiteral(" order by ") + list);
    if (!rs) return entries;
    const auto text = [&rs](const char* column) {
        return rs->Value(QString::fromLatin1(column)).toString().trimmed();
    };
    for (; !rs->Eof(); rs->MoveNext()) {
        PostalEntry e{text("Plz"), text("Ort"), mWithDistricts ? text("Ortsteil") : QString(),
                      withStreet ? text("Strasse") : QString()};
        // Trimming can make two rows alike.
        if (!entries.contains(e)) entries << e;
    }
    rs->Close();
    return entries;
}

} // namespace belegadressen
