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

QList<PostalEntry> SqlPostalDirectory::findFirst(const QList<PostalQuery>& queries, int& which) {
    which = -1;
    QList<PostalEntry> entries;
    if (!mConnection) return entries;
    // One select per query, numbered, with the same columns in each; the
    // caller needs only the first that matches, the server answers them all
    // in one round trip.
    QStringList selects;
    for (qsizetype i = 0; i < queries.size(); ++i) {
        const PostalQuery& query = queries[i];
        QStringList where;
        if (!query.plz.isEmpty()) where << QStringLiteral("Plz = ") + quoted(query.plz);
        if (!query.ort.isEmpty()) where << QStringLiteral("Ort = ") + quoted(query.ort);
        if (!query.strassen.isEmpty()) {
            QStringList spellings;
            for (const QString& s : query.strassen)
                spellings << quoted(s);
            where << QStringLiteral("Strasse in (") + spellings.join(QStringLiteral(", ")) +
                         QLatin1Char(')');
        }
        if (where.isEmpty()) continue;
        selects << QStringLiteral("Select Distinct %1 as Stufe, Plz, Ort, %2 as Ortsteil, %3 as "
                                  "Strasse from Postleitzahlen where %4")
                       .arg(i)
                       .arg(mWithDistricts ? QStringLiteral("Ortsteil") : QStringLiteral("''"))
                       .arg(query.strassen.isEmpty() ? QStringLiteral("''")
                                                     : QStringLiteral("Strasse"))
                       .arg(where.join(QStringLiteral(" and ")));
    }
    if (selects.isEmpty()) return entries;
    auto rs = mConnection->Execute(selects.join(QStringLiteral(" union all ")) +
                                   QStringLiteral(" order by Stufe, Plz, Ort, Ortsteil, Strasse"));
    if (!rs) return entries;
    const auto text = [&rs](const char* column) {
        return rs->Value(QString::fromLatin1(column)).toString().trimmed();
    };
    for (; !rs->Eof(); rs->MoveNext()) {
        const int stufe = rs->Value(QStringLiteral("Stufe")).toInt();
        if (which < 0) which = stufe;
        if (stufe != which) break;
        PostalEntry e{text("Plz"), text("Ort"), text("Ortsteil"), text("Strasse")};
        // Trimming can make two rows alike.
        if (!entries.contains(e)) entries << e;
    }
    rs->Close();
    return entries;
}

} // namespace belegadressen
