#include "data/DuplicateMatch.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include "platform/SqlText.h"
#include <QStringList>
#include <algorithm>

namespace belegadressen {

namespace {

// The umlauts and ß with the spelling a keyboard without them gives.
struct Umlaut {
    char16_t letter;
    const char* spelled;
};
constexpr Umlaut kUmlauts[] = {{0x00E4, "ae"}, {0x00F6, "oe"}, {0x00FC, "ue"}, {0x00DF, "ss"}};

} // namespace

QString normalisedName(const QString& name) {
    // Composed form first: a "ü" typed as "u" plus a combining diaeresis is
    // the same letter.
    const QString s = name.normalized(QString::NormalizationForm_C).trimmed().toLower();
    QString out;
    out.reserve(s.size() + 4);
    for (const QChar c : s) {
        const auto u = std::find_if(std::begin(kUmlauts), std::end(kUmlauts),
                                    [c](const Umlaut& x) { return x.letter == c.unicode(); });
        if (u != std::end(kUmlauts))
            out += QLatin1String(u->spelled);
        else
            out += c;
    }
    return out;
}

QString normalisedPostalCode(const QString& plz) { return plz.trimmed().toLower(); }

bool sameName(const QString& a, const QString& b) { return normalisedName(a) == normalisedName(b); }

namespace {

constexpr QChar kDiaeresis(0x0308);
constexpr QChar kCapitalSharpS(0x1E9E);

// One character of a stored name after the engines' lower(): ASCII letters
// come out small on every engine, other letters small on one and unchanged
// on another, so both cases are candidates.
QStringList asLowered(QChar c) {
    QStringList forms{QString(c)};
    if (c.unicode() >= 128 && c.toUpper() != c) forms << QString(c.toUpper());
    if (c.unicode() == 0x00DF) forms << QString(kCapitalSharpS);
    return forms;
}

// Walks the normalised name one stored character at a time: a letter as it
// is, or "ae", "oe", "ue", "ss" as the umlaut or ß it may have been typed as
// (composed, or decomposed into letter and diaeresis).
void expand(const QString& n, qsizetype pos, const QString& built, int points, QStringList& out) {
    if (points >= kNamePrefixLength || pos >= n.size()) {
        if (!out.contains(built)) out << built;
        return;
    }
    const qsizetype width = n.at(pos).isHighSurrogate() && pos + 1 < n.size() ? 2 : 1;
    if (width == 2) {
        expand(n, pos + 2, built + n.mid(pos, 2), points + 1, out);
    } else {
        for (const QString& f : asLowered(n.at(pos)))
            expand(n, pos + 1, built + f, points + 1, out);
    }
    const QStringView pair = QStringView(n).mid(pos, 2);
    for (const Umlaut& u : kUmlauts) {
        if (pair != QLatin1String(u.spelled)) continue;
        for (const QString& f : asLowered(QChar(u.letter)))
            expand(n, pos + 2, built + f, points + 1, out);
        if (u.letter == 0x00DF) continue;
        const QString base = built + QLatin1Char(u.spelled[0]);
        if (points + 2 > kNamePrefixLength) {
            if (!out.contains(base)) out << base;
        } else {
            expand(n, pos + 2, base + kDiaeresis, points + 2, out);
        }
    }
}

} // namespace

QStringList namePrefixes(const QString& normalised) {
    QStringList out;
    expand(normalised, 0, QString(), 0, out);
    return out;
}

namespace statements {

namespace {

// The code as typed, in capitals and in small letters: an equality per
// spelling keeps the lookup on the postal-code index.
QString plzCondition(const QString& plz) {
    QStringList spellings{plz};
    for (const QString& s : {plz.toUpper(), plz.toLower()})
        if (!spellings.contains(s)) spellings << s;
    if (spellings.size() == 1) return QStringLiteral("PLZ = ") + quoted(plz);
    QStringList values;
    for (const QString& s : spellings)
        values << quoted(s);
    return QStringLiteral("PLZ in (") + values.join(QStringLiteral(", ")) + QLatin1Char(')');
}

// The name's beginning as the index on PLZ and kNamePrefixExpression holds
// it: one equality per spelling that may begin a matching name.
QString prefixCondition(const QString& bez1) {
    QStringList values;
    for (const QString& p : namePrefixes(normalisedName(bez1)))
        values << quoted(p);
    return QString::fromLatin1(kNamePrefixExpression) + QStringLiteral(" in (") +
           values.join(QStringLiteral(", ")) + QLatin1Char(')');
}

} // namespace

QString dublettenMitPlz(const QString& plz, const QString& bez1) {
    const QString where = plzCondition(plz) + QStringLiteral(" and ") + prefixCondition(bez1);
    return QStringLiteral("select 1 as Quelle, Kundennummer as Nummer, Bez1 from Kundenstamm "
                          "where ") +
           where +
           QStringLiteral(" union all select 2, AdressNummer, Bez1 from Adressenstamm where ") +
           where;
}

} // namespace statements

namespace {

// Customers first, then general addresses, each in number order.
void collect(Connection& connection, const QString& sql, const QString& wanted,
             std::vector<DuplicateCandidate>& found) {
    const std::shared_ptr<Recordset> rs = connection.Execute(sql);
    if (!rs) return;
    for (; !rs->Eof(); rs->MoveNext()) {
        const QString bez1 = rs->Value(QStringLiteral("Bez1")).toString();
        if (normalisedName(bez1) != wanted) continue;
        found.push_back({rs->Value(QStringLiteral("Quelle")).toInt() == 1
                             ? DuplicateSource::Kunde
                             : DuplicateSource::Adresse,
                         rs->Value(QStringLiteral("Nummer")).toString(), bez1});
    }
    rs->Close();
    // Ordered here, among the matches only: the rows come in index order.
    std::stable_sort(found.begin(), found.end(),
                     [](const DuplicateCandidate& a, const DuplicateCandidate& b) {
                         if (a.source != b.source) return a.source == DuplicateSource::Kunde;
                         return a.nummer < b.nummer;
                     });
}

} // namespace

std::vector<DuplicateCandidate> findDuplicates(Connection& connection, const QString& bez1,
                                               const QString& plz) {
    std::vector<DuplicateCandidate> found;
    const QString wanted = normalisedName(bez1);
    const QString code = plz.trimmed();
    if (wanted.isEmpty() || code.isEmpty()) return found;
    collect(connection, statements::dublettenMitPlz(code, bez1), wanted, found);
    return found;
}

} // namespace belegadressen
