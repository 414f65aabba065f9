// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/HouseNumber.h"
#include <QRegularExpression>
#include <vector>

namespace belegadressen {

namespace {

// One number with an optional letter suffix or letter range: "5", "5a",
// "12bis", "12 b", "12 a-c".
const QString kNumber =
    QStringLiteral(R"(\d+(?:[a-zA-Z]{1,3}\b|\s?[a-zA-Z]\s*[-–]\s*[a-zA-Z]\b|\s[a-zA-Z]\b)?)");
// Ranges, lists and the Austrian staircase/door parts: "3-5", "1/2",
// "12/3/14", "12 u. 14", "12+14".
const QString kRange =
    kNumber + QStringLiteral(R"((?:\s*(?:[-–/+]|u\.|und)\s*)") + kNumber + QStringLiteral(")*");
// "/Top 4", ", Stiege 2", " Stg 2", " Whg. 3", "/Tür 7" after the number.
const QString kUnit = QStringLiteral(
    R"((?:\s*[,/]?\s*(?i:Top|Stiege|Stg\.?|Tür|Whg\.?|Wohnung|App\.?)\s*\d+[a-zA-Z]?)*)");

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

// The squares of Mannheim: a letter and a number name the block, the house
// number follows after a comma.
const QRegularExpression& square() {
    static const QRegularExpression re(QStringLiteral(R"(^([A-Za-z]\s?\d{1,2})\s*,\s*(.+)$)"));
    return re;
}

} // namespace

PostOfficeBox splitPostOfficeBox(const QString& line) {
    struct Spelling {
        QRegularExpression pattern;
        QString word;
    };
    // Each word with the spellings it is typed in; a word ends where no letter
    // follows, then comes nothing or a number.
    static const std::vector<Spelling> spellings = [] {
        std::vector<Spelling> out;
        for (const auto& [pattern, word] :
             std::initializer_list<std::pair<const char*, const char*>>{
                 {R"(postfach|postf\.?|pf\.?)", "Postfach"},
                 {R"(postbus)", "Postbus"},
                 {R"(postboks)", "Postboks"},
                 {R"(bo[iî]te postale|b\.\s?p\.?|bp)", "BP"},
                 {R"(case postale)", "Case postale"},
                 {R"(casella postale)", "Casella postale"},
                 {R"(p\.?\s?o\.?\s?box)", "PO Box"}})
            out.push_back({QRegularExpression(QStringLiteral(R"(^(?:%1)(?!\p{L})\s*(\d.*)?$)")
                                                  .arg(QString::fromUtf8(pattern)),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::UseUnicodePropertiesOption),
                           QString::fromUtf8(word)});
        return out;
    }();
    const QString text = line.simplified();
    for (const Spelling& s : spellings)
        if (const QRegularExpressionMatch m = s.pattern.match(text); m.hasMatch())
            return {s.word, m.captured(1)};
    return {};
}

bool isPostOfficeBox(const QString& line) {
    static const QRegularExpression digits(QStringLiteral(R"(^\d[\d ]*$)"));
    const PostOfficeBox box = splitPostOfficeBox(line);
    return !box.word.isEmpty() && digits.match(box.number).hasMatch();
}

StreetAndNumber splitHouseNumber(const QString& line) {
    const QString text = line.trimmed();
    if (text.isEmpty()) return {};
    if (isPostOfficeBox(text)) return {text, QString(), true};
    if (onlyNumber().match(text).hasMatch()) return {QString(), text};
    if (const QRegularExpressionMatch m = square().match(text); m.hasMatch()) {
        const QString rest = m.captured(2).trimmed();
        if (onlyNumber().match(rest).hasMatch()) return {m.captured(1), rest};
    }
    const QRegularExpressionMatch m = trailingNumber().match(text);
    if (!m.hasMatch()) return {text, QString()};
    const QString street = m.captured(1).trimmed();
    // "A1" or "B7" are names, not a street "A" with number 1.
    if (street.isEmpty() || (m.captured(2).isEmpty() && street.size() < 3))
        return {text, QString()};
    return {street, m.captured(3).trimmed()};
}

QString joinHouseNumber(const QString& street, const QString& number) {
    // A square of Mannheim keeps its comma before the house number.
    static const QRegularExpression squareName(QStringLiteral(R"(^[A-Za-z]\s?\d{1,2}$)"));
    if (!number.trimmed().isEmpty() && squareName.match(street.trimmed()).hasMatch())
        return street.trimmed() + QStringLiteral(", ") + number.trimmed();
    return (street.trimmed() + QLatin1Char(' ') + number.trimmed()).trimmed();
}

} // namespace belegadressen
