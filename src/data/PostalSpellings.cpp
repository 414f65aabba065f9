// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/PostalSpellings.h"
#include "contracts/Connection.h"
#include "platform/PostalSpelling.h"
#include "platform/SqlText.h"
#include <QStringList>

namespace belegadressen {

namespace {

// Values per update statement: few statements, far below the engines' limits.
constexpr qsizetype kBatch = 200;

// Writes `key` = spelling(`column`) where `missing` holds, one statement per
// batch of distinct values.
void fill(Connection& connection, const QString& column, const QString& key,
          QString (*spelling)(const QString&), const QString& missing) {
    QStringList values;
    const auto rs = connection.Execute(
        QStringLiteral("select distinct %1 from Postleitzahlen where %2").arg(column, missing));
    if (!rs) return;
    for (; !rs->Eof(); rs->MoveNext())
        values << rs->Value(column).toString();
    rs->Close();
    for (qsizetype start = 0; start < values.size(); start += kBatch) {
        QStringList cases, list;
        for (const QString& v : values.mid(start, kBatch)) {
            cases << QStringLiteral("when %1 then %2").arg(quoted(v), quoted(spelling(v)));
            list << quoted(v);
        }
        connection.Execute(QStringLiteral("update Postleitzahlen set %1 = case %2 %3 end where %4 "
                                          "and %2 in (%5)")
                               .arg(key, column, cases.join(QLatin1Char(' ')), missing,
                                    list.join(QStringLiteral(", "))));
    }
}

} // namespace

int fillPostalSpellings(Connection& connection) {
    const QString noPlace = QStringLiteral("OrtWort is null");
    const QString noStreet =
        QStringLiteral("StrasseSuche is null and Strasse is not null and Strasse <> ''");
    int rows = 0;
    if (const auto rs = connection.Execute(
            QStringLiteral("select count(*) as Anzahl from Postleitzahlen where %1 or (%2)")
                .arg(noPlace, noStreet))) {
        if (!rs->Eof()) rows = rs->Value(QStringLiteral("Anzahl")).toInt();
        rs->Close();
    }
    if (rows == 0) return 0;
    fill(connection, QStringLiteral("Ort"), QStringLiteral("OrtWort"), placeWord, noPlace);
    fill(connection, QStringLiteral("Strasse"), QStringLiteral("StrasseSuche"), streetSpelling,
         noStreet);
    return rows;
}

} // namespace belegadressen
