#include "platform/HouseNumber.h"
#include <QRegularExpression>

namespace belegadressen {

namespace {

// One number with an optional letter suffix: "5", "5a", "12bis", "12 b".
const QString kNumber = QStringLiteral(R"(\d+(?:[a-zA-Z]{1,3}\b|\s[a-zA-Z]\b)?)");
// Ranges and the Austrian staircase/door parts: "3-5", "1/2", "12/3/14".
const QString kRange =
    kNumber + QStringLiteral(R"((?:\s*[-–/]\s*)") + kNumber + QStringLiteral(")*");
// "/Top 4", "/Stiege 2", "/Tür 7" after the number.
const QString kUnit = QStringLiteral(R"((?:\s*/?\s*(?:Top|Stiege|Stg\.|Tür)\s*\d+[a-zA-Z]?)*)");

const QRegularExpression& trailingNumber() {
    static const QRegularExpression re(QStringLiteral(R"(^(.*?)(\s+|(?<=[\p{L}.])(?=\d)))") +
                                           QStringLiteral("(") + kRange + kUnit +
                                           QStringLiteral(")$"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

const QRegularExpression& onlyNumber() {
    static const QRegularExpression re(QStringLiteral("^(") + kRange + kUnit + QStringLiteral(")$"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

} // namespace

StreetAndNumber splitHouseNumber(const QString& line) {
    const QString text = line.trimmed();
    if (text.isEmpty()) return {};
    if (onlyNumber().match(text).hasMatch()) return {QString(), text};
    const QRegularExpressionMatch m = trailingNumber().match(text);
    if (!m.hasMatch()) return {text, QString()};
    const QString street = m.captured(1).trimmed();
    // "A1" or "B7" are names, not a street "A" with number 1.
    if (street.isEmpty() || (m.captured(2).isEmpty() && street.size() < 3))
        return {text, QString()};
    return {street, m.captured(3).trimmed()};
}

QString joinHouseNumber(const QString& street, const QString& number) {
    return (street.trimmed() + QLatin1Char(' ') + number.trimmed()).trimmed();
}

} // namespace belegadressen
