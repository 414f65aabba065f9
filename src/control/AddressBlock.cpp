#include "control/AddressBlock.h"
#include "control/AdressDaten.h"
#include <QRegularExpression>
#include <array>

namespace belegadressen {

namespace {

constexpr std::array kRules{
    CountryRule{"D", "DEUTSCHLAND", "{plz} {ort}", false},
    CountryRule{"A", "ÖSTERREICH", "{plz} {ort}", false},
    CountryRule{"CH", "SCHWEIZ", "{plz} {ort}", false},
    // The French post wants the place in capitals.
    CountryRule{"F", "FRANKREICH", "{plz} {ORT}", false},
    CountryRule{"B", "BELGIEN", "{plz} {ort}", false},
    CountryRule{"DK", "DÄNEMARK", "{plz} {ort}", false},
    // Luxembourg's post keeps the L- before the code.
    CountryRule{"L", "LUXEMBURG", "L-{plz} {ORT}", false},
    // The Dutch post: "1234 AB", two blanks, the place in capitals.
    CountryRule{"NL", "NIEDERLANDE", "{plz}  {ORT}", true},
};

struct Abbreviation {
    const char* longForm;
    const char* shortForm;
};

// In this order, each only as long as the line is too wide.
constexpr std::array kAbbreviations{
    Abbreviation{"Gesellschaft mit beschränkter Haftung", "GmbH"},
    Abbreviation{"Aktiengesellschaft", "AG"},
    Abbreviation{"Kommanditgesellschaft", "KG"},
    Abbreviation{"Straße", "Str."},
    Abbreviation{"straße", "str."},
    Abbreviation{"Strasse", "Str."},
    Abbreviation{"strasse", "str."},
    Abbreviation{"Sankt ", "St. "},
    Abbreviation{"Doktor ", "Dr. "},
    Abbreviation{"Professor ", "Prof. "},
    Abbreviation{" und ", " u. "},
    Abbreviation{"Platz", "Pl."},
};

QString joined(std::initializer_list<QString> parts) {
    QStringList out;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty()) out << p.simplified();
    return out.join(QLatin1Char(' '));
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

QString abbreviate(const QString& line, int width) {
    QString out = line;
    for (const Abbreviation& a : kAbbreviations) {
        if (out.size() <= width) break;
        out.replace(QString::fromUtf8(a.longForm), QString::fromUtf8(a.shortForm));
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
    QString salutation = a.anrede.simplified();
    QString name = joined({a.vorname, a.bez1});
    QString name2 = a.bez2.simplified(), name3 = a.bez3.simplified(), name4 = a.bez4.simplified();
    QString contact = a.ansprechpartnerDrucken ? a.ansprechpartner.simplified() : QString();

    QString delivery, code = a.plz.trimmed();
    if (!a.postfach.trimmed().isEmpty()) {
        const QString box = a.postfach.simplified();
        delivery = box.startsWith(QLatin1String("Postfach"), Qt::CaseInsensitive)
                       ? box
                       : QStringLiteral("Postfach ") + box;
        if (!a.postfachPlz.trimmed().isEmpty()) code = a.postfachPlz.trimmed();
    } else {
        delivery = a.strasse.simplified();
    }
    code = withoutCountryPrefix(code, land);
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
        for (const QString& l :
             {salutation, name, name2, name3, name4, contact, delivery, postal, country})
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
