#include "platform/PostalSpelling.h"
#include <QRegularExpression>

namespace belegadressen {

QString searchSpelling(const QString& text) {
    QString out;
    out.reserve(text.size() + 4);
    bool blank = true; // no blank at the start
    // Composed first, so that "u" with a combining diaeresis is the umlaut.
    for (const QChar c : text.normalized(QString::NormalizationForm_C).toLower()) {
        switch (c.unicode()) {
        case 0x00E4:
            out += QLatin1String("ae");
            blank = false;
            continue; // ä
        case 0x00F6:
            out += QLatin1String("oe");
            blank = false;
            continue; // ö
        case 0x00FC:
            out += QLatin1String("ue");
            blank = false;
            continue; // ü
        case 0x00DF:
            out += QLatin1String("ss");
            blank = false;
            continue; // ß
        default:
            break;
        }
        // Accents of other languages ("Genève", "Zürich" written "Zurich")
        // are dropped: the base letter remains.
        const QString plain = QString(c).normalized(QString::NormalizationForm_D);
        const QChar base = plain.isEmpty() ? c : plain.at(0);
        if (base.isLetterOrNumber()) {
            out += base;
            blank = false;
        } else if (!blank) {
            out += QLatin1Char(' ');
            blank = true;
        }
    }
    if (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out;
}

QString placeWord(const QString& place) {
    const QString key = searchSpelling(place);
    const qsizetype blank = key.indexOf(QLatin1Char(' '));
    return blank < 0 ? key : key.left(blank);
}

QString streetSpelling(const QString& street) {
    QString key = searchSpelling(street);
    // "Haupt-Straße" and "Haupt Straße" are the same street as "Hauptstraße".
    static const QRegularExpression ending(QStringLiteral(R"(\s?(str|strasse)$)"));
    key.replace(ending, QStringLiteral("strasse"));
    static const QRegularExpression inner(QStringLiteral(R"(\s?(str|strasse)\s)"));
    key.replace(inner, QStringLiteral("strasse "));
    return key;
}

bool placeBegins(const QString& candidate, const QString& typed) {
    const QString c = searchSpelling(candidate), t = searchSpelling(typed);
    if (t.isEmpty()) return false;
    return c == t || (c.startsWith(t) && c.at(t.size()) == QLatin1Char(' '));
}

} // namespace belegadressen
