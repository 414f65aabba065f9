// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SampleData.h"
#include <QFile>
#include <QSet>
#include <stdexcept>

namespace sample {

namespace {

QStringList words(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items)
        out << QString::fromUtf8(item);
    return out;
}

// Every place gets a slice of the common street list, so that the same
// street name exists in many places.
QStringList streetsFor(const QStringList& all, int placeIndex, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << all[(placeIndex * 7 + i * 3) % all.size()];
    out.removeDuplicates();
    return out;
}

Lists build() {
    Lists l;
    l.maleFirstNames =
        words({"Thomas",    "Michael", "Andreas", "Stefan", "Peter",  "Klaus",      "Jürgen",
               "Wolfgang",  "Frank",   "Markus",  "Jörg",   "Uwe",    "Bernd",      "Matthias",
               "Christian", "Martin",  "Ralf",    "Sven",   "Dieter", "Günter",     "Horst",
               "Lukas",     "Jonas",   "Felix",   "Björn",  "Sören",  "Maximilian", "Tobias",
               "Sebastian", "Florian", "Mehmet",  "René",   "José",   "Hans-Peter"});
    l.femaleFirstNames = words(
        {"Sabine", "Petra",  "Monika",   "Andrea", "Claudia",  "Susanne",     "Birgit", "Karin",
         "Heike",  "Anja",   "Katrin",   "Nicole", "Stefanie", "Julia",       "Sandra", "Ursula",
         "Renate", "Gisela", "Brigitte", "Jutta",  "Bärbel",   "Annemarie",   "Lea",    "Hannah",
         "Sophie", "Marie",  "Lena",     "Özlem",  "Zoë",      "Anne-Kathrin"});
    l.lastNames =
        words({"Müller",   "Schmidt",    "Schneider", "Fischer",    "Weber",      "Meyer",
               "Wagner",   "Becker",     "Schulz",    "Hoffmann",   "Schäfer",    "Koch",
               "Bauer",    "Richter",    "Klein",     "Wolf",       "Schröder",   "Neumann",
               "Schwarz",  "Zimmermann", "Braun",     "Krüger",     "Hofmann",    "Hartmann",
               "Lange",    "Schmitt",    "Werner",    "Schmitz",    "Krause",     "Meier",
               "Lehmann",  "Schmid",     "Schulze",   "Maier",      "Köhler",     "Herrmann",
               "König",    "Walter",     "Mayer",     "Huber",      "Kaiser",     "Fuchs",
               "Peters",   "Lang",       "Scholz",    "Möller",     "Weiß",       "Jung",
               "Hahn",     "Schubert",   "Vogel",     "Friedrich",  "Keller",     "Günther",
               "Frank",    "Berger",     "Winkler",   "Roth",       "Beck",       "Lorenz",
               "Baumann",  "Franke",     "Albrecht",  "Schuster",   "Simon",      "Ludwig",
               "Böhm",     "Winter",     "Kraus",     "Martin",     "Schumacher", "Krämer",
               "Vogt",     "Stein",      "Jäger",     "Otto",       "Sommer",     "Groß",
               "Seidel",   "Heinrich",   "Brandt",    "Haas",       "Schreiber",  "Graf",
               "Schulte",  "Dietrich",   "Ziegler",   "Kuhn",       "Kühn",       "Pohl",
               "Engel",    "Horn",       "Busch",     "Bergmann",   "Voigt",      "Sauer",
               "Arnold",   "Wolff",      "Pfeiffer",  "O'Brien",    "D'Angelo",   "Dell'Acqua",
               "N'Diaye",  "Çelik",      "Yılmaz",    "Nowak",      "Kowalski",   "van der Berg",
               "de Vries", "Löwenthal",  "Fußmann",   "Straßburger"});
    l.trades = words({"Sanitär- und Heizungstechnik",
                      "Elektrotechnik",
                      "Dachdeckerei",
                      "Malerbetrieb",
                      "Schreinerei",
                      "Metallbau",
                      "Gebäudetechnik",
                      "Hausverwaltung",
                      "Kälte- und Klimatechnik",
                      "Fliesenlegerei",
                      "Zimmerei",
                      "Garten- und Landschaftsbau",
                      "Immobilienverwaltung",
                      "Bäckerei",
                      "Steuerberatung",
                      "Zahnarztpraxis",
                      "Autowerkstatt",
                      "Bauunternehmung",
                      "Energieberatung",
                      "Schornsteinfegerbetrieb"});
    l.legalForms = words(
        {"GmbH", "GmbH & Co. KG", "KG", "e.K.", "AG", "OHG", "GbR", "UG (haftungsbeschränkt)"});
    l.institutions = words({"Wohnungsbaugenossenschaft %1 eG", "Gemeindeverwaltung %1",
                            "Evangelische Kirchengemeinde %1", "Kindergarten St. Martin %1",
                            "Grundschule am Park %1", "Seniorenresidenz \"Lindenhof\" %1",
                            "Stadtwerke %1", "Sportverein Blau-Weiß %1 e.V."});
    l.quotedCompanies =
        words({"Gaststätte 'Zum goldenen Löwen'", "Café \"Kränzchen\"", "Hotel 'Am Markt'",
               "Bäckerei 's Backhäusle'", "Pension \"Haus Sonnenschein\"",
               "Weinstube 'Zur alten Kelter'", "Metzgerei O'Neill & Söhne", "Bistro \"L'Étoile\""});
    l.streets = words({"Hauptstraße",     "Bahnhofstraße",     "Schulstraße",     "Gartenweg",
                       "Am Mühlbach",     "Lindenallee",       "Kirchplatz",      "Jägerstraße",
                       "Rosenweg",        "Goethestraße",      "Schillerstraße",  "Brückenstraße",
                       "Mühlenweg",       "Ringstraße",        "Talstraße",       "Bergstraße",
                       "Waldstraße",      "Feldweg",           "Friedhofstraße",  "Dorfstraße",
                       "Industriestraße", "Gewerbepark Süd",   "An der Schmiede", "Zur Alten Post",
                       "Königstraße",     "Marktplatz",        "Am Anger",        "Weiherstraße",
                       "Buchenweg",       "Eichendorffstraße", "Lessingstraße",   "Am Sportplatz",
                       "Untere Au",       "Obere Gasse",       "Im Winkel",       "Fröbelstraße",
                       "Rathausstraße",   "Kastanienweg",      "Hölderlinweg",    "Am Hang",
                       "Sonnenstraße",    "Auf der Höhe",      "Gießereistraße",  "Fährweg",
                       "Über dem Tal"});
    l.equipment =
        words({"Gas-Brennwertkessel 24 kW", "Öl-Niedertemperaturkessel 32 kW",
               "Wärmepumpe Luft/Wasser 9 kW", "Wärmepumpe Sole/Wasser 12 kW", "Pelletkessel 15 kW",
               "Solarthermie 8 m²", "Photovoltaik 9,8 kWp", "Lüftungsanlage mit Wärmerückgewinnung",
               "Klimagerät Split 3,5 kW", "Enthärtungsanlage", "Trinkwasserspeicher 300 l",
               "Blockheizkraftwerk 20 kW", "Hebeanlage", "Rückspülfilter", "Brandmeldeanlage",
               "Notstromaggregat"});
    l.remarks = words({"Achtung: nur gegen Vorkasse beliefern.",
                       "Kunde wünscht Terminankündigung einen Tag vorher.",
                       "Hund im Garten – bitte klingeln und warten!",
                       "Zahlungsverzug im Vorjahr, Mahnstufe 2 beachten.",
                       "Reklamation \"Heizkörper Bad\" noch offen, siehe Schriftverkehr.",
                       "Nicht vor 9 Uhr anrufen; Ansprechpartner ist der Sohn.",
                       "Schlüssel liegt beim Nachbarn (Haus Nr. 5)."});
    l.infos = words({"Stammkunde seit 1998.", "Wartungsvertrag Heizung, Termin jeweils im Herbst.",
                     "Rechnungen bitte zusätzlich an die Hausverwaltung.",
                     "Parkplatz im Hof, Zufahrt über die Seitenstraße.",
                     "Kunde bevorzugt Kontakt per E-Mail.", "Großkunde – Rahmenvertrag 2024."});
    l.contactRoles = words({"Hausmeister", "Objektbetreuer", "Haustechnik", "Verwalter"});

    struct P {
        const char* plz;
        const char* ort;
        const char* ortsteil;
    };
    const P places[] = {
        {"10115", "Berlin", "Mitte"},
        {"10405", "Berlin", "Prenzlauer Berg"},
        {"12043", "Berlin", "Neukölln"},
        {"20095", "Hamburg", "Altstadt"},
        {"22765", "Hamburg", "Ottensen"},
        {"80331", "München", "Altstadt-Lehel"},
        {"81675", "München", "Haidhausen"},
        {"50667", "Köln", "Altstadt-Nord"},
        {"51103", "Köln", "Kalk"},
        {"60311", "Frankfurt am Main", ""},
        {"70173", "Stuttgart", ""},
        {"40213", "Düsseldorf", ""},
        {"04109", "Leipzig", ""},
        {"01067", "Dresden", ""},
        {"90402", "Nürnberg", ""},
        {"28195", "Bremen", ""},
        {"30159", "Hannover", ""},
        {"44135", "Dortmund", ""},
        {"45127", "Essen", ""},
        {"68159", "Mannheim", ""},
        {"76133", "Karlsruhe", ""},
        {"79098", "Freiburg im Breisgau", ""},
        {"86150", "Augsburg", ""},
        {"93047", "Regensburg", ""},
        {"97070", "Würzburg", ""},
        {"99084", "Erfurt", ""},
        {"39104", "Magdeburg", ""},
        {"18055", "Rostock", ""},
        {"24103", "Kiel", ""},
        {"66111", "Saarbrücken", ""},
        {"55116", "Mainz", ""},
        {"34117", "Kassel", ""},
        {"33602", "Bielefeld", ""},
        {"48143", "Münster", ""},
        {"37073", "Göttingen", ""},
        {"07743", "Jena", ""},
        {"06108", "Halle (Saale)", ""},
        {"14467", "Potsdam", ""},
        {"23552", "Lübeck", ""},
        {"94032", "Passau", ""},
        // Rural codes that cover several villages and their districts.
        {"56829", "Kleinbach", ""},
        {"56829", "Oberweiler", ""},
        {"56829", "Oberweiler", "Unterweiler"},
        {"56829", "Großhausen", ""},
        {"87654", "Tannried", ""},
        {"87654", "Tannried", "Moosbach"},
        {"87654", "Öd", ""},
        {"87654", "Bühl am Alpsee", ""},
        {"37199", "Hohenfels", ""},
        {"37199", "Sülzhain", ""},
        {"37199", "Wüstenrode", ""},
        {"74599", "Sankt Ägidien", ""},
        {"74599", "Straßdorf", ""},
    };
    int index = 0;
    for (const P& p : places)
        l.places.append(
            {QString::fromUtf8(p.plz), QString::fromUtf8(p.ort), QString::fromUtf8(p.ortsteil),
             streetsFor(l.streets, index++, QString::fromUtf8(p.ortsteil).isEmpty() ? 16 : 8)});

    l.foreign = {
        {"CH", "8001", "Zürich", "Bahnhofstrasse", "CHF", "2", ""},
        {"CH", "3011", "Bern", "Marktgasse", "CHF", "2", ""},
        {"CH", "4051", "Basel", "Steinenvorstadt", "CHF", "2", ""},
        {"A", "1010", "Wien", "Kärntner Straße", "EUR", "1", "ATU"},
        {"A", "5020", "Salzburg", "Getreidegasse", "EUR", "1", "ATU"},
        {"NL", "1012", "Amsterdam", "Damrak", "EUR", "1", "NL"},
        {"F", "67000", "Strasbourg", "Rue du Dôme", "EUR", "1", "FR"},
        {"B", "4700", "Eupen", "Aachener Straße", "EUR", "1", "BE"},
        {"L", "1111", "Luxembourg", "Grand-Rue", "EUR", "1", "LU"},
        {"DK", "6200", "Aabenraa", "Storegade", "EUR", "1", "DK"},
        {"GB", "SW1A 2AA", "London", "Whitehall", "GBP", "2", ""},
        {"US", "10001", "New York", "Fifth Avenue", "USD", "2", ""},
    };

    l.staff = {
        {"001", "", "Thomas", "Brenner", "-101", "TB"},
        {"002", "Dipl.-Ing.", "Sabine", "Kröger", "-102", "SK"},
        {"003", "", "Ralf", "Ostermann", "-103", "RO"},
        {"004", "", "Heike", "Lindner", "-104", "HL"},
        {"005", "Dr.", "Martin", "Faßbender", "-105", "MF"},
        {"006", "", "Özlem", "Aydın", "-106", "ÖA"},
        {"007", "", "Jörg", "Kühn", "-107", "JK"},
        {"008", "", "Claudia", "D'Souza", "-108", "CD"},
        {"009", "", "Dieter", "Pfaff", "-201", "DP"},
        {"010", "", "Sven", "Eggers", "-202", "SE"},
        {"011", "", "Marco", "Rüdiger", "-203", "MR"},
        {"012", "", "Lukas", "Hölzl", "-204", "LH"},
        {"013", "", "Anja", "Brückner", "-205", "AB"},
        {"014", "", "Tobias", "Weißgerber", "-206", "TW"},
        {"015", "", "Björn", "Janßen", "-207", "BJ"},
        {"016", "", "Mehmet", "Şahin", "-208", "MŞ"},
        {"017", "", "Felix", "Große-Brömer", "-209", "FG"},
        {"018", "", "Uwe", "Stöhr", "-210", "US"},
        {"019", "", "Katrin", "Ahlers", "-211", "KA"},
        {"020", "Meister", "Günter", "Lämmle", "-212", "GL"},
    };

    auto t = [&](const char* art, const char* nr, const char* text, const char* lang = "ÿÿÿ") {
        l.texts.append({QString::fromUtf8(art), QString::fromUtf8(nr), QString::fromUtf8(lang),
                        QString::fromUtf8(text)});
    };
    t("KAN", "001",
      "Sehr geehrte Damen und Herren,\nvielen Dank für Ihre Anfrage. Gerne bieten wir Ihnen "
      "an:");
    t("KAN", "001",
      "Dear Sir or Madam,\nthank you for your enquiry. We are pleased to offer:", "ENG");
    t("KAN", "002", "Wie vor Ort besprochen, erhalten Sie unser Angebot für folgende Arbeiten:");
    t("KAN", "003", "Angebot gemäß Ihrer Ausschreibung \"Sanierung Heizungsanlage\":");
    t("KAB", "001", "Vielen Dank für Ihren Auftrag, den wir wie folgt bestätigen:");
    t("KAB", "002", "Wir bestätigen Ihren Auftrag zu den vereinbarten Konditionen:");
    t("KLS", "001", "Wir liefern Ihnen folgende Waren:");
    t("KLS", "002", "Lieferung frei Baustelle, Abladen durch den Kunden:");
    t("KRG", "001", "Für die ausgeführten Arbeiten berechnen wir Ihnen:");
    t("KRG", "002", "Der Leistungszeitraum entspricht dem Lieferdatum.");
    t("KRG", "003", "Abschlagsrechnung nach Baufortschritt:");
    t("KGS", "001", "Wir schreiben Ihnen folgende Beträge gut:");
    t("KGS", "002", "Gutschrift zu unserer Rechnung:");
    t("FAN", "001",
      "Wir würden uns über Ihren Auftrag freuen.\nDieses Angebot ist 30 Tage gültig.");
    t("FAN", "001", "We look forward to your order.\nThis offer is valid for 30 days.", "ENG");
    t("FAN", "002", "Preise freibleibend. Es gelten unsere Allgemeinen Geschäftsbedingungen.");
    t("FAB", "001", "Wir danken für Ihr Vertrauen.");
    t("FAB", "002", "Unser Monteur meldet sich zur Terminabstimmung bei Ihnen.");
    t("FLS", "001",
      "Ware in einwandfreiem Zustand erhalten:\n\n______________________ "
      "Unterschrift");
    t("FLS", "002", "Bitte prüfen Sie die Lieferung sofort auf Vollständigkeit.");
    t("FRG", "001", "Zahlbar innerhalb von 14 Tagen ohne Abzug.");
    t("FRG", "002", "Bitte überweisen Sie den Betrag unter Angabe der Rechnungsnummer.");
    t("FRG", "003", "Steuerschuldnerschaft des Leistungsempfängers (§ 13b UStG).");
    t("FGS", "001", "Der Betrag wird mit der nächsten Rechnung verrechnet.");
    t("FGS", "002", "Der Betrag wird Ihnen in den nächsten Tagen überwiesen.");
    addLongTexts(l.texts);
    return l;
}

} // namespace

QVector<Place> placesOfDirectory(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + file.toStdString() + ": " +
                                 in.errorString().toStdString());
    const QStringList& streets = lists().streets;
    QVector<Place> out;
    QSet<QString> seen;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 2 || fields.at(0).trimmed().isEmpty()) continue;
        const QString plz = fields.at(0).trimmed(), ort = fields.at(1).trimmed();
        if (ort.isEmpty() || seen.contains(plz + QLatin1Char('\t') + ort)) continue;
        seen.insert(plz + QLatin1Char('\t') + ort);
        out.append({plz, ort, QString(), streetsFor(streets, int(out.size()), 16)});
    }
    if (out.isEmpty()) throw std::runtime_error("no place in " + file.toStdString());
    return out;
}

const Lists& lists() {
    static const Lists l = build();
    return l;
}

QString slug(const QString& text) {
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text.toLower()) {
        switch (c.unicode()) {
        case u'ä':
            out += QLatin1String("ae");
            break;
        case u'ö':
            out += QLatin1String("oe");
            break;
        case u'ü':
            out += QLatin1String("ue");
            break;
        case u'ß':
            out += QLatin1String("ss");
            break;
        default:
            if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
                out += c;
            else if (c == u' ' || c == u'-')
                if (!out.endsWith(QLatin1Char('-')) && !out.isEmpty()) out += QLatin1Char('-');
        }
    }
    while (out.endsWith(QLatin1Char('-')))
        out.chop(1);
    return out.isEmpty() ? QStringLiteral("kunde") : out;
}

} // namespace sample
