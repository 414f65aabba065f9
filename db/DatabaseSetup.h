#pragma once
// Setting up a database for BelegAdressen: applying db/schema.sql and opening
// PostgreSQL from a libpq connection string. Header-only so that the sample
// writer and the tests share it without a library of their own.
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>

namespace belegadressen::dbsetup {

// The statements of a script: whole-line "--" comments dropped, split where a
// line ends with ';'.
inline QStringList statements(const QString& script) {
    QStringList out;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--"))) continue;
        current += raw + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            current = current.trimmed();
            current.chop(1);
            out << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) out << current.trimmed();
    return out;
}

inline QString readScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    return QString::fromUtf8(file.readAll());
}

inline void run(QSqlDatabase& db, const QStringList& sql) {
    QSqlQuery query(db);
    for (const QString& statement : sql) {
        if (!query.exec(statement))
            throw std::runtime_error(query.lastError().text().toStdString() +
                                     "\n in: " + statement.left(200).toStdString());
    }
}

inline bool isIndex(const QString& statement) {
    static const QRegularExpression index(QStringLiteral("^CREATE\\s+(UNIQUE\\s+)?INDEX\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return index.match(statement).hasMatch();
}

// SQLite's LIKE ignores case and uses an index only when the index does too;
// the shared schema cannot say so, as NOCASE is SQLite's alone. These serve
// prefix searches by number, name and place.
inline QStringList sqliteSearchIndexes() {
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_nr_nocase ON Kundenstamm "
                           "(Kundennummer COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_bez1_nocase ON Kundenstamm "
                           "(Bez1 COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_kundenstamm_ort_nocase ON Kundenstamm "
                           "(Ort COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_adressenstamm_nr_nocase ON "
                           "Adressenstamm (AdressNummer COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_adressenstamm_bez1_nocase ON "
                           "Adressenstamm (Bez1 COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS ix_adressenstamm_ort_nocase ON "
                           "Adressenstamm (Ort COLLATE NOCASE)")};
}

// Creates every table and index of the script at `path`.
inline void applySchema(QSqlDatabase& db, const QString& path) {
    run(db, statements(readScript(path)));
}

// Carries a libpq "key=value ..." string (values may stand in single quotes)
// over to a QPSQL connection; `dbname`, when given, replaces the database.
inline void setConnInfo(QSqlDatabase& db, const QString& connInfo, const QString& dbname = {}) {
    static const QRegularExpression pair(
        QStringLiteral("(\\w+)\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|\\S*)"));
    QStringList options;
    for (auto it = pair.globalMatch(connInfo); it.hasNext();) {
        const auto match = it.next();
        const QString key = match.captured(1);
        QString value = match.captured(2);
        if (value.startsWith(QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2)
                        .replace(QLatin1String("\\\\"), QLatin1String("\\"))
                        .replace(QLatin1String("\\'"), QLatin1String("'"));
        if (key == QLatin1String("host"))
            db.setHostName(value);
        else if (key == QLatin1String("port"))
            db.setPort(value.toInt());
        else if (key == QLatin1String("user"))
            db.setUserName(value);
        else if (key == QLatin1String("password"))
            db.setPassword(value);
        else if (key == QLatin1String("dbname"))
            db.setDatabaseName(value);
        else
            options << match.captured(0);
    }
    if (!dbname.isEmpty()) db.setDatabaseName(dbname);
    db.setConnectOptions(options.join(QLatin1Char(';')));
}

} // namespace belegadressen::dbsetup
