#include "platform/PostalDirectory.h"
#include "platform/PostalSpelling.h"
#include "platform/SqlText.h"
#include <QStringList>

namespace belegadressen {

QList<PostalEntry> SqlPostalDirectory::find(const PostalQuery& query) {
    QList<PostalEntry> entries;
    if (!mConnection) return entries;
    const bool withStreet = !query.strassen.isEmpty() || query.mitStrassen;
    QStringList columns{QStringLiteral("Plz"), QStringLiteral("Ort")};
    if (mWithDistricts) columns << QStringLiteral("Ortsteil");
    if (withStreet) columns << QStringLiteral("Strasse");
    QStringList where;
    if (!query.land.isEmpty()) where << QStringLiteral("Land = ") + quoted(query.land);
    if (!query.plz.isEmpty()) where << QStringLiteral("Plz = ") + quoted(query.plz);
    const QString word = placeWord(query.ort);
    if (!word.isEmpty()) where << QStringLiteral("OrtWort = ") + quoted(word);
    QStringList streets;
    for (const QString& s : query.strassen) {
        const QString key = streetSpelling(s);
        if (!key.isEmpty() && !streets.contains(quoted(key))) streets << quoted(key);
    }
    if (!streets.isEmpty())
        where << QStringLiteral("StrasseSuche in (") + streets.join(QStringLiteral(", ")) +
                     QLatin1Char(')');
    if (query.plz.isEmpty() && word.isEmpty()) return entries;
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
        // The index finds the first word; the rest of the typed place must
        // begin the directory's place too.
        if (!word.isEmpty() && !placeBegins(e.ort, query.ort)) continue;
        // Trimming can make two rows alike.
        if (!entries.contains(e)) entries << e;
    }
    rs->Close();
    return entries;
}

} // namespace belegadressen
