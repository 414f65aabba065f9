// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/AddressBlock.h"
#include "control/AdressDaten.h"
#include "platform/HouseNumber.h"
#include <QRegularExpression>
#include <array>

namespace belegadressen {

namespace {

// The box word is the destination post's own (see kBoxAreas for countries of
// several languages).
constexpr std::array kRules{
    CountryRule{"D", "DEUTSCHLAND", "{plz} {ort}", false, "Postfach"},
    CountryRule{"A", "ÖSTERREICH", "{plz} {ort}", false, "Postfach"},
    CountryRule{"CH", "SCHWEIZ", "{plz} {ort}", false, "Postfach"},
    // The French post wants the place in capitals, and the box line without
    // points like the lines below it: "BP 4711", not "B.P. 4711".
    CountryRule{"F", "FRANKREICH", "{plz} {ORT}", false, "BP"},
    CountryRule{"B", "BELGIEN", "{plz} {ort}", false, "Postbus"},
    CountryRule{"DK", "DÄNEMARK", "{plz} {ort}", false, "Postboks"},
    // Luxembourg's post keeps the L- before the code and writes its
    // addresses in French: "BP", as in France.
    CountryRule{"L", "LUXEMBURG", "L-{plz} {ORT}", false, "BP"},
    // The Dutch post: "1234 AB", two blanks, the place in capitals.
    CountryRule{"NL", "NIEDERLANDE", "{plz}  {ORT}", true, "Postbus"},
};

// Where a country has several languages, its post wants the box in the
// language of the place, which the postal code tells; the first row that
// holds the code wins, the country's word stands for the rest. The word
// typed does not count: a German sender types "Postfach" out of habit.
struct BoxArea {
    const char* land;
    int from, to;
    const char* word;
};
constexpr std::array kBoxAreas{
    // Switzerland: "Case postale" where French is spoken, "Casella postale"
    // where Italian is; German everywhere else, also in bilingual
    // Biel/Bienne, which reads both.
    BoxArea{"CH", 1712, 1719, "Postfach"}, // Sense district
    BoxArea{"CH", 1734, 1738, "Postfach"},
    BoxArea{"CH", 1000, 2499, "Case postale"},
    BoxArea{"CH", 2515, 2538, "Case postale"}, // the lake shore and vale west of Biel
    BoxArea{"CH", 2600, 2999, "Case postale"},
    BoxArea{"CH", 3960, 3969, "Case postale"}, // Sierre and around
    BoxArea{"CH", 3971, 3979, "Case postale"},
    BoxArea{"CH", 6500, 6999, "Casella postale"},
    BoxArea{"CH", 7600, 7699, "Casella postale"}, // Bregaglia
    BoxArea{"CH", 7710, 7748, "Casella postale"}, // Poschiavo
    // Belgium: the provinces follow the language border. Brussels is
    // bilingual and takes French, the language of most of its people; the
    // German-speaking community in the east takes "Postfach"; Flanders
    // (1500-3999, 8000-9999) the country's word "Postbus".
    BoxArea{"B", 1000, 1499, "BP"},
    BoxArea{"B", 4700, 4799, "Postfach"},
    BoxArea{"B", 4000, 7999, "BP"},
};

enum class Where { Word, StreetEnd };

struct Abbreviation {
    const char* longForm;
    const char* shortForm;
    // A word of its own on any line, or the end of the street name on the
    // street line ("Hafenstraße 5" → "Hafenstr. 5"); never inside a word
    // ("Straßenbau", "Platzhirsch").
    Where where = Where::Word;
};

// In this order, each only as long as the line is too wide.
constexpr std::array kAbbreviations{
    Abbreviation{"Gesellschaft mit beschränkter Haftung", "GmbH"},
    Abbreviation{"Aktiengesellschaft", "AG"},
    Abbreviation{"Kommanditgesellschaft", "KG"},
    Abbreviation{"Straße", "Str."},
    Abbreviation{"Strasse", "Str."},
    Abbreviation{"straße", "str.", Where::StreetEnd},
    Abbreviation{"strasse", "str.", Where::StreetEnd},
    Abbreviation{"Sankt", "St."},
    Abbreviation{"Doktor", "Dr."},
    Abbreviation{"Professor", "Prof."},
    Abbreviation{"und", "u."},
    Abbreviation{"Platz", "Pl."},
};

QString joined(std::initializer_list<QString> parts) {
    QStringList out;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty()) out << p.simplified();
    return out.join(QLatin1Char(' '));
}

// A letter is addressed to a man in the accusative: "Herr" and "Herr Dr." are
// printed "Herrn" and "Herrn Dr."; "Herren" and everything else as typed.
QString accusative(const QString& line) {
    static const QRegularExpression herr(QStringLiteral(R"((?<!\p{L})herr(?!\p{L}))"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption);
    QString out;
    qsizetype from = 0;
    for (auto it = herr.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += line.mid(from, m.capturedEnd() - from);
        out += m.captured() == m.captured().toUpper() ? QLatin1Char('N') : QLatin1Char('n');
        from = m.capturedEnd();
    }
    return out + line.mid(from);
}

// The word the destination's post prints before a box number.
QString boxWord(const CountryRule& rule, const QString& code) {
    bool known = false;
    const int place = code.toInt(&known);
    if (known)
        for (const BoxArea& area : kBoxAreas)
            if (qstrcmp(area.land, rule.land) == 0 && place >= area.from && place <= area.to)
                return QString::fromUtf8(area.word);
    return QString::fromUtf8(rule.boxWord);
}

// The box line: a number gets the destination's word before it, and a box
// typed with a word ("Postfach 12", "Postbus 626", "B.P. 4711") gets the
// destination's word instead of it, so that no word is printed twice.
// Anything else ("Postlagernd") is printed as typed, and so is a box to a
// country the table does not know.
QString boxLine(const QString& typed, const CountryRule* rule, const QString& code) {
    const PostOfficeBox box = splitPostOfficeBox(typed);
    const bool number = !typed.isEmpty() && typed.front().isDigit();
    if (box.word.isEmpty() && !number) return typed;
    const QString word = rule                 ? boxWord(*rule, code)
                         : box.word.isEmpty() ? QStringLiteral("Postfach")
                                              : box.word;
    return (word + QLatin1Char(' ') + (box.word.isEmpty() ? typed : box.number)).trimmed();
}

QString dutchCode(const QString& plz) {
    static const QRegularExpression re(QStringLiteral(R"(^(\d{4})\s*([A-Za-z]{2})$)"));
    const auto m = re.match(plz);
    return m.hasMatch() ? m.captured(1) + QLatin1Char(' ') + m.captured(2).toUpper() : plz;
}

// A code typed with the country's letter in front ("A-1010", "CH-8001").
QString withoutCountryPrefix(const QString& plz, const QString& land) {
    static const QRegularExpression re(QStringLiteral(R"(^[A-Za-z]{1,3}\s*-\s*)"));
    const auto m = re.match(plz);
    if (m.hasMatch() && m.captured(0).startsWith(land, Qt::CaseInsensitive))
        return plz.mid(m.capturedLength());
    return plz;
}

} // namespace

Anschrift anschriftAus(const AdressDaten& r) {
    return {r.Anrede,
            r.Vorname,
            r.Bez1,
            r.Bez2,
            r.Bez3,
            r.Bez4,
            r.AnsprechpartnerKD,
            textBool(r.DruckAnsprechpartner),
            r.Strasse,
            r.Postleitzahl,
            r.Ort,
            r.Land,
            r.Postfach,
            r.PostfachPlz};
}

const CountryRule* countryRule(const QString& land) {
    const QString key = land.trimmed().toUpper();
    for (const CountryRule& r : kRules)
        if (key == QLatin1String(r.land)) return &r;
    return nullptr;
}

QString abbreviate(const QString& line, int width, bool streetLine) {
    QString out = line;
    for (const Abbreviation& a : kAbbreviations) {
        if (out.size() <= width) break;
        const QString longForm = QString::fromUtf8(a.longForm);
        const QString shortForm = QString::fromUtf8(a.shortForm);
        if (a.where == Where::Word) {
            const QRegularExpression word(
                QStringLiteral("(?<!\\p{L})%1(?!\\p{L})").arg(QRegularExpression::escape(longForm)),
                QRegularExpression::UseUnicodePropertiesOption);
            out.replace(word, shortForm);
            continue;
        }
        if (!streetLine) continue;
        // The street name without its house number, the word before the
        // ending at least one letter long.
        const StreetAndNumber split = splitHouseNumber(out);
        const QString& name = split.street;
        if (split.postfach || !out.startsWith(name) || !name.endsWith(longForm) ||
            name.size() == longForm.size() ||
            !name.at(name.size() - longForm.size() - 1).isLetter())
            continue;
        out.replace(name.size() - longForm.size(), longForm.size(), shortForm);
    }
    return out;
}

QStringList anschriftZeilen(const Anschrift& a, const QString& heimatland) {
    const QString home =
        heimatland.trimmed().isEmpty() ? QStringLiteral("D") : heimatland.trimmed().toUpper();
    const QString land = a.land.trimmed().isEmpty() ? home : a.land.trimmed().toUpper();
    const bool abroad = land != home;
    // A country the table does not know: code, blank, place, and its own
    // name as the address holds it.
    const CountryRule* rule = countryRule(land);

    // The lines by kind, so that dropping follows the stated order.
    QString salutation = accusative(a.anrede.simplified());
    QString name = joined({a.vorname, a.bez1});
    QString name2 = a.bez2.simplified(), name3 = a.bez3.simplified(), name4 = a.bez4.simplified();
    QString contact =
        a.ansprechpartnerDrucken ? accusative(a.ansprechpartner.simplified()) : QString();

    QString code = a.plz.trimmed();
    const bool box = !a.postfach.trimmed().isEmpty();
    if (box && !a.postfachPlz.trimmed().isEmpty()) code = a.postfachPlz.trimmed();
    code = withoutCountryPrefix(code, land);
    const QString delivery =
        box ? boxLine(a.postfach.simplified(), rule, code) : a.strasse.simplified();
    if (rule && rule->dutchCode) code = dutchCode(code);
    QString place = a.ort.simplified();
    // Abroad, the postal line is written as the country's post writes it; at
    // home it is always code, blank, place.
    QString postal = QString::fromUtf8(abroad && rule ? rule->postalLine : "{plz} {ort}");
    postal.replace(QStringLiteral("{plz}"), code)
        .replace(QStringLiteral("{ort}"), place)
        .replace(QStringLiteral("{ORT}"), place.toUpper());
    postal = postal.trimmed();
    QString country;
    if (abroad) country = rule ? QString::fromUtf8(rule->countryLine) : land;

    const auto assemble = [&] {
        QStringList lines;
        for (const QString& l : {salutation, name, name2, name3, name4, contact})
            if (!l.isEmpty()) lines << abbreviate(l);
        if (!delivery.isEmpty()) lines << abbreviate(delivery, kAnschriftBreite, !box);
        for (const QString& l : {postal, country})
            if (!l.isEmpty()) lines << abbreviate(l);
        return lines;
    };
    QStringList lines = assemble();
    for (QString* drop : {&name4, &name3, &contact, &name2}) {
        if (lines.size() <= kAnschriftZeilen) break;
        drop->clear();
        lines = assemble();
    }
    return lines;
}

} // namespace belegadressen
