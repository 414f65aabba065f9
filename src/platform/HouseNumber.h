#pragma once
#include <QString>

namespace belegadressen {

struct StreetAndNumber {
    QString street;
    QString number;
};

// Splits a typed street line into the street name and the house number at its
// end, the way addresses are written in Germany, Austria and Switzerland:
// "Hauptstraße 5a", "Lange Reihe 12 b", "Am Markt 3-5", "Weg 1/2",
// "Mariahilfer Straße 12/3/14", "Wiedner Gürtel 8/Top 4", "Hauptstr.5".
// Numbers inside the name ("Straße des 17. Juni 12") stay with the name. A
// line without a number at its end is all street; a line that is only a
// number is all number. Both parts come back trimmed.
StreetAndNumber splitHouseNumber(const QString& line);

// The street line again: name and number joined by one blank.
QString joinHouseNumber(const QString& street, const QString& number);

} // namespace belegadressen
