// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The set the comparison was developed against: seed 24, its own lists and
// variant rules (the frozen set shares neither).
#include "DuplicatePairs.h"
#include <QStringList>

using belegadressen::PartyAddress;

namespace batest {

namespace {

const QStringList kSurnames =
    QString::fromUtf8(
        "Müller Schmidt Schneider Fischer Weber Meyer Wagner Becker Schulz Hoffmann Schäfer Koch "
        "Bauer Richter Klein Wolf Schröder Neumann Schwarz Zimmermann Braun Krüger Hartmann Lange "
        "Werner Krause Lehmann Köhler Herrmann König Walter Huber Kaiser Fuchs Peters Scholz "
        "Möller "
        "Weiß Jung Hahn Schubert Müller-Lüdenscheidt Schmitz-Hansen")
        .split(' ');
const QStringList kFirstNames =
    QString::fromUtf8("Hans Peter Michael Wolfgang Ursula Renate Helga Gerhard Manfred Brigitte "
                      "Werner Erika Christa Horst Bernd Elke Jens Anja Tobias Lena")
        .split(' ');
const QStringList kTrades =
    QString::fromUtf8("Haustechnik|Elektrotechnik|Sanitär|Dachdeckerei|Malerbetrieb|Bau|"
                      "Metallbau|Gartenbau|Heizungsbau|Schreinerei|Fliesen|Kälte und Klima")
        .split('|');
const QStringList kForms =
    QString::fromUtf8("GmbH|GmbH & Co. KG|KG|OHG|AG|e.K.|UG (haftungsbeschränkt)|GbR|e.V.|")
        .split('|');
const QStringList kTitles = QString::fromUtf8("Dr.|Prof.|Dipl.-Ing.|Prof. Dr.").split('|');
const QStringList kStreets =
    QString::fromUtf8(
        "Hauptstraße|Bahnhofstraße|Gartenstraße|Schulstraße|Dorfstraße|Bergstraße|Lindenstraße|"
        "Kirchstraße|Am Markt|Waldweg|Ringstraße|Mühlenweg|Goethestraße|Schillerstraße|"
        "Friedrich-Ebert-Straße|Straße des 17. Juni")
        .split('|');
struct Town {
    const char* ort;
    QStringList codes;
};
const std::vector<Town> kTowns = {{"Stuttgart", {"70173", "70174", "70176", "70178"}},
                                  {"München", {"80331", "80333", "80335", "80336"}},
                                  {"Köln", {"50667", "50668", "50670"}},
                                  {"Hamburg", {"20095", "20097", "20099"}},
                                  {"Frankfurt am Main", {"60311", "60313", "60316"}},
                                  {"Düsseldorf", {"40210", "40211", "40212"}},
                                  {"Nürnberg", {"90402", "90403", "90408"}},
                                  {"Leipzig", {"04103", "04105", "04107"}},
                                  {"Dresden", {"01067", "01069"}},
                                  {"Hannover", {"30159", "30161"}}};

// Umlauts spelled out, the way a keyboard without them gives them.
QString spelled(QString s) {
    const std::pair<const char*, const char*> map[] = {
        {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"ß", "ss"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}};
    for (const auto& [from, to] : map)
        s.replace(QString::fromUtf8(from), QLatin1String(to));
    return s;
}

// A name that sounds the same: the first rule that applies.
QString soundAlike(const QString& n) {
    const std::pair<const char*, const char*> rules[] = {
        {"ey", "ei"},  {"ei", "ay"}, {"ai", "ei"}, {"dt", "tt"}, {"tz", "z"}, {"ck", "k"},
        {"ch", "sch"}, {"ph", "f"},  {"mm", "m"},  {"ö", "oe"},  {"ü", "ue"}, {"au", "aw"}};
    for (const auto& [from, to] : rules) {
        const QString f = QString::fromUtf8(from);
        if (n.contains(f)) return QString(n).replace(f, QString::fromUtf8(to));
    }
    return n + QLatin1Char('h');
}

// Two neighbouring letters swapped inside the name.
QString swapped(const QString& n, PairRandom& r) {
    if (n.size() < 4) return n;
    const qsizetype at = 1 + r.below(static_cast<int>(n.size() - 3));
    QString s = n;
    std::swap(s[at], s[at + 1]);
    return s;
}

struct Firm {
    bool person;
    QString first, last, trade, form;
    PartyAddress at(const QString& street, const QString& plz, const QString& ort,
                    bool split) const {
        if (person)
            return split ? PartyAddress{first, last, street, plz, ort}
                         : PartyAddress{{}, first + QLatin1Char(' ') + last, street, plz, ort};
        QString n = last + QLatin1Char(' ') + trade;
        if (!form.isEmpty()) n += QLatin1Char(' ') + form;
        return {{}, n, street, plz, ort};
    }
};

} // namespace

std::vector<LabelledPair> tuningPairs() {
    PairRandom r(24);
    std::vector<LabelledPair> out;
    for (int i = 0; i < 1100; ++i) {
        Firm f{r.chance(40), r.pick(kFirstNames), r.pick(kSurnames), r.pick(kTrades),
               r.pick(kForms)};
        const Town& town = kTowns[size_t(r.below(int(kTowns.size())))];
        const QString ort = QString::fromUtf8(town.ort);
        const QString plz = r.pick(town.codes);
        const QString street =
            r.pick(kStreets) + QLatin1Char(' ') + QString::number(1 + r.below(99));
        const bool split = r.chance(50);
        LabelledPair p{f.at(street, plz, ort, split), f.at(street, plz, ort, split), true, ""};
        switch (r.below(13)) {
        case 0:
            p.kind = "umlauts";
            p.typed.bez1 = spelled(p.typed.bez1);
            p.typed.ort = spelled(p.typed.ort);
            break;
        case 1: {
            p.kind = "legal-form";
            Firm g = f;
            g.form = r.pick(kForms);
            p.typed = g.at(street, plz, ort, split);
            break;
        }
        case 2:
            p.kind = "title";
            p.typed.bez1 = r.pick(kTitles) + QLatin1Char(' ') + p.typed.bez1;
            break;
        case 3: {
            p.kind = "sound";
            Firm g = f;
            g.last = soundAlike(f.last);
            p.typed = g.at(street, plz, ort, split);
            break;
        }
        case 4: {
            p.kind = "typo";
            Firm g = f;
            g.last = swapped(f.last, r);
            p.typed = g.at(street, plz, ort, split);
            break;
        }
        case 5:
            p.kind = "split";
            p.typed = f.at(street, plz, ort, !split);
            break;
        case 6:
            p.kind = "blanks";
            p.typed.bez1 = QString(p.typed.bez1).replace(QLatin1Char('-'), QLatin1Char(' '));
            p.typed.bez1.replace(QLatin1Char(' '), QStringLiteral("  "));
            break;
        case 7:
            p.kind = "moved";
            p.typed.plz = town.codes.at((town.codes.indexOf(plz) + 1) % town.codes.size());
            break;
        case 8:
            p.kind = "street-abbreviated";
            p.typed.strasse.replace(QString::fromUtf8("straße"), QStringLiteral("str."));
            p.typed.strasse.replace(QString::fromUtf8("Straße"), QStringLiteral("Str."));
            break;
        case 9: {
            p.kind = "other-firm-same-address";
            p.same = false;
            Firm g{r.chance(40), r.pick(kFirstNames), r.pick(kSurnames), r.pick(kTrades),
                   r.pick(kForms)};
            if (g.last == f.last) g.last = QStringLiteral("Ostermann");
            if (g.trade == f.trade) g.trade = QStringLiteral("Bürobedarf");
            p.typed = g.at(street, plz, ort, split);
            break;
        }
        case 10: {
            p.kind = "namesake-other-town";
            p.same = false;
            const Town& other = kTowns[size_t(r.below(int(kTowns.size())))];
            const QString o =
                other.ort == town.ort ? QStringLiteral("Kassel") : QString::fromUtf8(other.ort);
            p.typed.ort = o;
            p.typed.plz = other.ort == town.ort ? QStringLiteral("34117") : r.pick(other.codes);
            break;
        }
        case 11: {
            p.kind = "branch";
            p.same = false;
            QString s = r.pick(kStreets) + QLatin1Char(' ') + QString::number(100 + r.below(99));
            p.typed.strasse = s;
            break;
        }
        default:
            p.kind = "retyped";
            break;
        }
        out.push_back(p);
    }
    return out;
}

} // namespace batest
