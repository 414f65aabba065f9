// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SearchStatement.h"
#include "platform/SqlText.h"
#include <QSqlError>
#include <QSqlQuery>

SearchTarget SearchTarget::customers() {
    return {QStringLiteral("Kundensuche"),
            QStringLiteral("Kundenstamm"),
            QStringLiteral("Kundennummer"),
            {QStringLiteral("Kundennummer"), QStringLiteral("Bez1"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("Kundennr."), QStringLiteral("Name"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("Kundennummer"), QStringLiteral("Bez1"), QStringLiteral("Ort")}};
}

SearchTarget SearchTarget::addresses() {
    return {QStringLiteral("Adressensuche"),
            QStringLiteral("Adressenstamm"),
            QStringLiteral("AdressNummer"),
            {QStringLiteral("AdressNummer"), QStringLiteral("Bez1"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("Adressnr."), QStringLiteral("Name"), QStringLiteral("Vorname"),
             QStringLiteral("Straße"), QStringLiteral("PLZ"), QStringLiteral("Ort")},
            {QStringLiteral("AdressNummer"), QStringLiteral("Bez1"), QStringLiteral("Ort")}};
}

QString searchStatement(const SearchTarget& target, const QString& typed, int limit) {
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(target.shownColumns.join(QStringLiteral(", ")), target.table);
    const QString prefix = typed.trimmed();
    if (prefix.isEmpty()) {
        // Nothing typed yet: the first rows in key order, straight from the key's index.
        sql += QStringLiteral(" ORDER BY %1").arg(target.keyColumn);
    } else {
        // A typed % or _ means itself; '!' escapes them.
        QString pattern = prefix;
        pattern.replace(QLatin1Char('!'), QStringLiteral("!!"))
            .replace(QLatin1Char('%'), QStringLiteral("!%"))
            .replace(QLatin1Char('_'), QStringLiteral("!_"));
        const QString like = belegadressen::quoted(pattern + QLatin1Char('%'));
        QStringList terms;
        for (const QString& column : target.prefixColumns)
            terms << QStringLiteral("%1 LIKE %2 ESCAPE '!'").arg(column, like);
        // No ORDER BY: the engine may stop after `limit` matches instead of
        // sorting every match of a short prefix; the rows are sorted here.
        sql += QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" OR "));
    }
    return sql + QStringLiteral(" LIMIT %1").arg(limit);
}

QStringList searchPlan(const SearchTarget& target, QSqlDatabase db) {
    QStringList steps;
    if (db.driverName() != QLatin1String("QSQLITE")) return steps;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("EXPLAIN QUERY PLAN ") +
                    searchStatement(target, QStringLiteral("Ab"))))
        return {QStringLiteral("EXPLAIN: ") + query.lastError().text()};
    while (query.next())
        steps << query.value(3).toString();
    return steps;
}
