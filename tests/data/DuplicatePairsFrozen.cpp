// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The frozen set: own name lists, own variant rules, seed 4711. Not to be
// changed once committed; the comparison is judged by it.
#include "DuplicatePairs.h"
#include <QStringList>

using belegadressen::PartyAddress;

namespace batest {

namespace {

struct Town {
    QString ort;
    QStringList codes;
};

const QStringList kSurnames =
    QString::fromUtf8(
        "Wendt Vogel Friedrich Keller Günther Frank Berger Winkler Roth Beck Lorenz Baumann Franke "
        "Albrecht Schuster Simon Ludwig Böhm Winter Kraus Martin Schumacher Krämer Vogt Stein "
        "Jäger "
        "Otto Sommer Groß Seidel Heinrich Brandt Haas Schreiber Graf Schulte Dietrich Ziegler Kuhn "
        "Pohl Engel Horn Busch Bergmann Thomas Voigt Sauer Arnold Pfeiffer Lenz Brinkmann Thiel "
        "Rieger Hübner Kessler Petersen Gerlach Claßen")
        .split(' ');
const QStringList kFirstNames =
    QString::fromUtf8(
        "Klaus Jürgen Sabine Andrea Thomas Stefan Monika Petra Uwe Birgit Rainer Jörg Ute Günter "
        "Karin Heike Frank Dieter Susanne Martina Carsten Björn Kerstin Dörte")
        .split(' ');
const QStringList kTrades =
    QString::fromUtf8(
        "Bäckerei|Autohaus|Zimmerei|Gebäudereinigung|Steuerberatung|Spedition|Druckerei|"
        "Schlosserei|Augenoptik|Tischlerei|Raumausstattung|Elektro|Fahrschule|Getränkehandel")
        .split('|');
const QStringList kForms =
    QString::fromUtf8("GmbH|GmbH & Co. KG|mbH|e.K.|e.Kfm.|OHG|AG|KG|UG (haftungsbeschränkt)|")
        .split('|');
const QStringList kStreets =
    QString::fromUtf8(
        "Lessingstraße|Mozartstraße|Industriestraße|Rosenweg|Birkenallee|Am Bahnhof|Marktplatz|"
        "Poststraße|Jahnstraße|Uhlandstraße|Kastanienallee|Wilhelmstraße|Sonnenstraße|Hafenstraße|"
        "Turmstraße|Breite Straße|Lange Straße|Neue Straße|Karl-Marx-Straße|Von-der-Tann-Straße")
        .split('|');
const std::vector<Town> kTowns = {{"Berlin", {"10115", "10117", "10119", "10178", "10179"}},
                                  {"Bremen", {"28195", "28199", "28203"}},
                                  {"Essen", {"45127", "45128", "45130"}},
                                  {"Dortmund", {"44135", "44137", "44139"}},
                                  {"Bonn", {"53111", "53113", "53115"}},
                                  {"Mannheim", {"68159", "68161", "68163"}},
                                  {"Augsburg", {"86150", "86152", "86153"}},
                                  {"Freiburg im Breisgau", {"79098", "79100", "79102"}},
                                  {"Kiel", {"24103", "24105"}},
                                  {QString::fromUtf8("Würzburg"), {"97070", "97072", "97074"}},
                                  {QString::fromUtf8("Lübeck"), {"23552", "23554"}},
                                  {QString::fromUtf8("Münster"), {"48143", "48145", "48147"}}};

// Typed on a keyboard or terminal without umlauts, in capitals.
QString capitals(QString s) {
    s.replace(QString::fromUtf8("ä"), "ae").replace(QString::fromUtf8("ö"), "oe");
    s.replace(QString::fromUtf8("ü"), "ue").replace(QString::fromUtf8("ß"), "ss");
    s.replace(QString::fromUtf8("Ä"), "Ae").replace(QString::fromUtf8("Ö"), "Oe");
    s.replace(QString::fromUtf8("Ü"), "Ue");
    return s.toUpper();
}

// Heard and written down: the spellings of a sound that German names share.
QString heard(const QString& name) {
    static const std::pair<const char*, const char*> rules[] = {
        {"mann", "man"}, {"th", "t"}, {"V", "F"},  {"ck", "k"}, {"ie", "i"},
        {"K", "C"},      {"ß", "ss"}, {"tz", "z"}, {"ph", "f"}, {"dt", "t"},
        {"ei", "ai"},    {"ü", "u"},  {"ö", "o"},  {"ä", "e"},  {"ss", "s"},
        {"ff", "f"},     {"ll", "l"}, {"nn", "n"}, {"rr", "r"}, {"er", "a"}};
    for (const auto& [from, to] : rules) {
        const QString f = QString::fromUtf8(from);
        if (name.contains(f)) return QString(name).replace(f, QString::fromUtf8(to));
    }
    return name + QLatin1Char('h');
}

// One slip of the fingers: a letter dropped, doubled, or its neighbour on the keyboard.
QString slipped(const QString& name, PairRandom& r) {
    static const QString rows[] = {QStringLiteral("qwertzuiop"), QStringLiteral("asdfghjkl"),
                                   QStringLiteral("yxcvbnm")};
    if (name.size() < 4) return name + name.right(1);
    const qsizetype at = 1 + r.below(static_cast<int>(name.size() - 2));
    switch (r.below(3)) {
    case 0:
        return QString(name).remove(at, 1);
    case 1:
        return QString(name).insert(at, name.at(at));
    default: {
        const QChar c = name.at(at).toLower();
        for (const QString& row : rows) {
            const qsizetype i = row.indexOf(c);
            if (i < 0) continue;
            const QChar n = row.at(i + 1 < row.size() ? i + 1 : i - 1);
            return QString(name).replace(at, 1, n);
        }
        return QString(name).remove(at, 1);
    }
    }
}

QString houseNumber(PairRandom& r) {
    const QString n = QString::number(1 + r.below(160));
    switch (r.below(6)) {
    case 0:
        return n + QLatin1Char('a');
    case 1:
        return n + QStringLiteral(" b");
    case 2:
        return n + QLatin1Char('-') + QString::number(n.toInt() + 2);
    default:
        return n;
    }
}

// The street as another clerk writes it.
QString otherStreetSpelling(const QString& line) {
    QString s = line;
    if (s.contains(QString::fromUtf8("straße")))
        return s.replace(QString::fromUtf8("straße"), QStringLiteral("str."));
    if (s.contains(QString::fromUtf8("Straße")))
        return s.replace(QString::fromUtf8("Straße"), QStringLiteral("Str."));
    return s.replace(QLatin1Char('-'), QLatin1Char(' '));
}

struct Party {
    bool person = false;
    QString vorname, surname, trade, form, owner;
    QString bez1() const {
        if (person) return surname;
        QString n = trade + QLatin1Char(' ') + surname;
        if (!form.isEmpty()) n += QLatin1Char(' ') + form;
        if (!owner.isEmpty()) n += QStringLiteral(" Inh. ") + owner;
        return n;
    }
};

Party someParty(PairRandom& r) {
    Party p;
    p.person = r.chance(35);
    p.surname = r.pick(kSurnames);
    p.vorname = r.pick(kFirstNames);
    p.trade = r.pick(kTrades);
    p.form = r.pick(kForms);
    if (!p.person && p.form.startsWith(QLatin1String("e.K")) && r.chance(40))
        p.owner = p.vorname + QLatin1Char(' ') + p.surname;
    return p;
}

PartyAddress stored(const Party& p, const QString& street, const QString& plz, const QString& ort) {
    return {p.person ? p.vorname : QString(), p.bez1(), street, plz, ort};
}

} // namespace

std::vector<LabelledPair> frozenPairs() {
    PairRandom r(4711);
    std::vector<LabelledPair> out;
    for (int i = 0; i < 1100; ++i) {
        const Party p = someParty(r);
        const Town& town = r.pick(kTowns);
        const int code = r.below(static_cast<int>(town.codes.size()));
        const QString plz = town.codes.at(code);
        const QString street = r.pick(kStreets) + QLatin1Char(' ') + houseNumber(r);
        const PartyAddress s = stored(p, street, plz, town.ort);
        LabelledPair pair{s, s, true, ""};
        PartyAddress& t = pair.typed;
        const int kind = r.below(14);
        switch (kind) {
        case 0:
            pair.kind = "capitals";
            t.vorname = capitals(t.vorname);
            t.bez1 = capitals(t.bez1);
            t.strasse = capitals(t.strasse);
            t.ort = capitals(t.ort);
            break;
        case 1: {
            pair.kind = "and-form";
            QString b = t.bez1;
            if (b.contains(QLatin1Char('&')))
                b.replace(QStringLiteral("&"), QStringLiteral("u."));
            else if (p.form.isEmpty())
                b += QStringLiteral(" GmbH");
            else
                b.replace(p.form,
                          QString(p.form).remove(QLatin1Char('.')).remove(QLatin1Char(' ')));
            t.bez1 = b;
            break;
        }
        case 2: {
            pair.kind = "title";
            static const QStringList titles =
                QString::fromUtf8("Dr. med.|Prof. Dr.|Dipl.-Kfm.|Dr.-Ing.").split('|');
            const QString title = r.pick(titles);
            if (p.person)
                t.vorname = title + QLatin1Char(' ') + t.vorname;
            else
                t.bez1 = title + QLatin1Char(' ') + p.vorname + QLatin1Char(' ') + p.surname;
            if (!p.person) t.strasse = s.strasse, pair.same = false, pair.kind = "person-at-firm";
            break;
        }
        case 3:
            pair.kind = "heard";
            t.bez1 = QString(t.bez1).replace(p.surname, heard(p.surname));
            break;
        case 4:
            pair.kind = "slip";
            t.bez1 = QString(t.bez1).replace(p.surname, slipped(p.surname, r));
            break;
        case 5:
            pair.kind = "name-order";
            if (p.person) {
                t.vorname.clear();
                t.bez1 = p.surname + QStringLiteral(", ") + p.vorname;
            } else {
                t.bez1 = p.surname + QLatin1Char(' ') + p.trade +
                         (p.form.isEmpty() ? QString() : QLatin1Char(' ') + p.form);
            }
            break;
        case 6:
            pair.kind = "owner-left-out";
            if (!p.owner.isEmpty())
                t.bez1 = QString(t.bez1).left(t.bez1.indexOf(QStringLiteral(" Inh. ")));
            else if (p.person)
                t.vorname.clear(), t.bez1 = p.vorname + QLatin1Char(' ') + p.surname;
            else
                t.bez1 = QString(t.bez1).replace(QLatin1Char(' '), QStringLiteral("  "));
            break;
        case 7: {
            pair.kind = "moved-code";
            if (town.codes.size() > 1)
                t.plz =
                    town.codes.at((code + 1 + r.below(static_cast<int>(town.codes.size()) - 1)) %
                                  town.codes.size());
            t.strasse = otherStreetSpelling(t.strasse);
            break;
        }
        case 8:
            pair.kind = "street-spelling";
            t.strasse = otherStreetSpelling(t.strasse);
            if (r.chance(50)) t.bez1 = capitals(t.bez1);
            break;
        case 9: {
            pair.kind = "neighbour";
            pair.same = false;
            Party q = p;
            q.vorname = r.pick(kFirstNames);
            if (q.vorname == p.vorname) q.vorname = QStringLiteral("Ingrid");
            if (p.person) {
                t.vorname = q.vorname;
            } else {
                q.trade = r.pick(kTrades);
                if (q.trade == p.trade) q.trade = QStringLiteral("Versicherungsbüro");
                q.surname = r.pick(kSurnames);
                t.bez1 = q.bez1();
            }
            break;
        }
        case 10: {
            pair.kind = "business-centre";
            pair.same = false;
            Party q = someParty(r);
            if (q.surname == p.surname) q.surname = QStringLiteral("Oswald");
            t.vorname = q.person ? q.vorname : QString();
            t.bez1 = q.bez1();
            break;
        }
        case 11: {
            pair.kind = "namesake-elsewhere";
            pair.same = false;
            const Town& other = r.pick(kTowns);
            if (other.ort == town.ort) {
                t.plz = QStringLiteral("99084");
                t.ort = QStringLiteral("Erfurt");
            } else {
                t.plz = r.pick(other.codes);
                t.ort = other.ort;
            }
            t.strasse = r.pick(kStreets) + QLatin1Char(' ') + houseNumber(r);
            break;
        }
        case 12: {
            pair.kind = "branch";
            pair.same = false;
            QString other = r.pick(kStreets) + QLatin1Char(' ') + houseNumber(r);
            if (other == s.strasse) other = QStringLiteral("Gewerbepark 1");
            t.strasse = other;
            if (r.chance(50)) t.plz = r.pick(town.codes);
            break;
        }
        default:
            pair.kind = "retyped";
            if (r.chance(50)) t.strasse.clear();
            break;
        }
        out.push_back(pair);
    }
    return out;
}

} // namespace batest
