// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PostalDirectory.h"
#include "platform/PostalSpelling.h"
#include "platform/SqlText.h"
#include <QStringList>

namespace belegadressen {

namespace {

// The one place the entries name, or empty when they name none or several.
QString onlyPlace(const QList<PostalEntry>& entries) {
    QString place;
    for (const PostalEntry& e : entries) {
        if (place.isEmpty())
            place = e.ort;
        else if (e.ort != place)
            return {};
    }
    return place;
}

// The conditions on country and code of a question, and that a row carries
// its search spellings: a row a host wrote without them (plain SQL, its own
// import) is not read until fillPostalSpellings has written them, since
// without them the place and street questions cannot find it and the code's
// rows alone would confirm what they do not know. Written as an expression,
// so that no engine takes it for a range of the place index.
QStringList codeConditions(const QString& land, const QString& plz) {
    QStringList where{
        QStringLiteral("coalesce(OrtWort, '') <> ''"),
        QStringLiteral("(StrasseSuche is not null or Strasse is null or Strasse = '')")};
    if (!land.isEmpty()) where << QStringLiteral("Land = ") + quoted(land);
    if (!plz.isEmpty()) where << QStringLiteral("Plz = ") + quoted(plz);
    return where;
}

// The condition on the street's search spelling, or empty without one.
QString streetCondition(const QStringList& spellings) {
    QStringList streets;
    for (const QString& s : spellings) {
        const QString key = streetSpelling(s);
        if (!key.isEmpty() && !streets.contains(quoted(key))) streets << quoted(key);
    }
    if (streets.isEmpty()) return {};
    return QStringLiteral("StrasseSuche in (") + streets.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

// One row of an answer, its values trimmed.
PostalEntry entryOf(Recordset& rs, bool withDistricts, bool withStreet) {
    const auto text = [&rs](const char* column) {
        return rs.Value(QString::fromLatin1(column)).toString().trimmed();
    };
    return {text("Plz"), text("Ort"), withDistricts ? text("Ortsteil") : QString(),
            withStreet ? text("Strasse") : QString()};
}

// Adds `e` unless it is there already (trimming can make two rows alike), and
// only when a typed place begins the entry's: the index finds the first word,
// the rest must match too.
void keep(QList<PostalEntry>& entries, const PostalEntry& e, const QString& place) {
    if (!place.isEmpty() && !placeBegins(e.ort, place)) return;
    if (!entries.contains(e)) entries << e;
}

} // namespace

PostalCheckAnswer PostalDirectory::check(const PostalCheckQuery& query) {
    PostalCheckAnswer a;
    a.ort = query.ort;
    if (!query.plz.isEmpty()) a.byCode = find({query.plz, QString(), {}, query.land, true});
    // Without a place, the street is looked up in the place of the code, so
    // that a street of another code of that place is not confirmed.
    if (a.ort.isEmpty() && !query.strassen.isEmpty()) a.ort = onlyPlace(a.byCode);
    if (a.ort.isEmpty()) return a;
    if (!query.strassen.isEmpty())
        a.byPlaceStreet = find({QString(), a.ort, query.strassen, query.land});
    a.byPlace = find({QString(), a.ort, {}, query.land});
    return a;
}

QList<PostalEntry> SqlPostalDirectory::find(const PostalQuery& query) {
    QList<PostalEntry> entries;
    if (!mConnection) return entries;
    const bool withStreet = !query.strassen.isEmpty() || query.mitStrassen;
    QStringList columns{QStringLiteral("Plz"), QStringLiteral("Ort")};
    if (mWithDistricts) columns << QStringLiteral("Ortsteil");
    if (withStreet) columns << QStringLiteral("Strasse");
    QStringList where = codeConditions(query.land, query.plz);
    const QString word = placeWord(query.ort);
    if (!word.isEmpty()) where << QStringLiteral("OrtWort = ") + quoted(word);
    const QString street = streetCondition(query.strassen);
    if (!street.isEmpty()) where << street;
    if (query.plz.isEmpty() && word.isEmpty()) return entries;
    const QString list = columns.join(QStringLiteral(", "));
    auto rs = mConnection->Execute(
        QStringLiteral("Select Distinct ") + list + QStringLiteral(" from Postleitzahlen where ") +
        where.join(QStringLiteral(" and ")) + QStringLiteral(" order by ") + list);
    if (!rs) return entries;
    for (; !rs->Eof(); rs->MoveNext())
        keep(entries, entryOf(*rs, mWithDistricts, withStreet),
             word.isEmpty() ? QString() : query.ort);
    rs->Close();
    return entries;
}

PostalCheckAnswer SqlPostalDirectory::check(const PostalCheckQuery& query) {
    PostalCheckAnswer a;
    a.ort = query.ort;
    if (!mConnection) return a;
    // The branches, tagged by the list they answer; all of them alike in
    // their columns, so that one union carries them.
    enum Question { ByCode = 0, ByPlaceStreet = 1, ByPlace = 2 };
    const QString district = mWithDistricts ? QStringLiteral("Ortsteil") : QStringLiteral("''");
    QStringList branches;
    const auto branch = [&](Question q, bool withStreet, const QStringList& where) {
        branches << QStringLiteral("Select Distinct %1 as Frage, Plz, Ort, %2 as Ortsteil, %3 as "
                                   "Strasse from Postleitzahlen where ")
                            .arg(int(q))
                            .arg(district,
                                 withStreet ? QStringLiteral("Strasse") : QStringLiteral("''")) +
                        where.join(QStringLiteral(" and "));
    };
    if (!query.plz.isEmpty()) branch(ByCode, true, codeConditions(query.land, query.plz));
    // The place questions: for the typed place by its first word; without
    // one, for the word of the code's place. Only a code of one place is
    // answered for (its rows share that word), so any row's word will do, and
    // as a single value it keeps the index on the word usable.
    const bool placeOfCode =
        query.ort.isEmpty() && !query.strassen.isEmpty() && !query.plz.isEmpty();
    QString placeCondition;
    if (placeOfCode) {
        placeCondition = QStringLiteral("OrtWort = (Select OrtWort from Postleitzahlen where ") +
                         codeConditions(query.land, query.plz).join(QStringLiteral(" and ")) +
                         QStringLiteral(" limit 1)");
    } else if (const QString word = placeWord(query.ort); !word.isEmpty()) {
        placeCondition = QStringLiteral("OrtWort = ") + quoted(word);
    }
    if (!placeCondition.isEmpty()) {
        QStringList where = codeConditions(query.land, QString());
        where << placeCondition;
        if (!query.strassen.isEmpty()) {
            QStringList withStreet = where;
            const QString street = streetCondition(query.strassen);
            if (!street.isEmpty()) withStreet << street;
            branch(ByPlaceStreet, true, withStreet);
        }
        branch(ByPlace, false, where);
    }
    if (branches.isEmpty()) return a;
    auto rs = mConnection->Execute(branches.join(QStringLiteral(" union all ")) +
                                   QStringLiteral(" order by 1, 2, 3, 4, 5"));
    if (!rs) return a;
    QList<PostalEntry> answers[3];
    for (; !rs->Eof(); rs->MoveNext()) {
        const int q = rs->Value(QStringLiteral("Frage")).toInt();
        if (q < ByCode || q > ByPlace) continue;
        answers[q] << entryOf(*rs, mWithDistricts, q != ByPlace);
    }
    rs->Close();
    for (const PostalEntry& e : answers[ByCode])
        keep(a.byCode, e, QString());
    if (placeOfCode) a.ort = onlyPlace(a.byCode);
    if (a.ort.isEmpty() || placeWord(a.ort).isEmpty()) return a;
    for (const PostalEntry& e : answers[ByPlaceStreet])
        keep(a.byPlaceStreet, e, a.ort);
    for (const PostalEntry& e : answers[ByPlace])
        keep(a.byPlace, e, a.ort);
    return a;
}

} // namespace belegadressen
