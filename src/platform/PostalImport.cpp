#include "platform/PostalImport.h"
#include "contracts/Error.h"
#include "platform/PostalSpelling.h"
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>

namespace belegadressen {

namespace {

constexpr qint32 kBadInput = 5;
// Rows per insert statement: few round trips, well below the engines' limits
// on bound values.
constexpr int kBatch = 200;

[[noreturn]] void refuse(const QString& text) { throw Error(kBadInput, text); }

QVariant textOrNull(const QString& text) {
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

} // namespace

QList<PostalEntry> PostalImport::read(QIODevice& in) {
    const QByteArray bytes = in.readAll();
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError()) refuse(QStringLiteral("Die Postleitzahlendatei ist kein UTF-8-Text."));
    static const QRegularExpression code(QStringLiteral(R"(^[0-9A-Za-z][0-9A-Za-z -]{0,9}$)"));
    QList<PostalEntry> entries;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QString where = QStringLiteral("Zeile %1: ").arg(i + 1);
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() < 2 || f.size() > 4)
            refuse(where + QStringLiteral("Erwartet werden Postleitzahl und Ort, dazu höchstens "
                                          "Ortsteil und Straße, durch Tabulatoren getrennt."));
        PostalEntry e{f[0].trimmed(), f[1].trimmed(), f.value(2).trimmed(), f.value(3).trimmed()};
        if (!code.match(e.plz).hasMatch())
            refuse(where + QStringLiteral("\"%1\" ist keine Postleitzahl.").arg(e.plz));
        if (e.ort.isEmpty()) refuse(where + QStringLiteral("Der Ort fehlt."));
        for (const QString& field : {e.ort, e.ortsteil, e.strasse})
            if (field.size() > 200 || field.contains(QChar(0)))
                refuse(where + QStringLiteral("Ein Feld ist zu lang oder enthält Steuerzeichen."));
        entries << e;
    }
    return entries;
}

PostalImportCounts PostalImport::write(QSqlDatabase db, const QString& land,
                                       const QList<PostalEntry>& entries) {
    static const QRegularExpression country(QStringLiteral("^[A-Z]{1,3}$"));
    if (!country.match(land).hasMatch())
        refuse(QStringLiteral("\"%1\" ist kein Länderkennzeichen (ein bis drei Großbuchstaben "
                              "wie D, A, CH).")
                   .arg(land));
    if (!db.isOpen()) refuse(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    for (const PostalEntry& e : entries)
        if (e.plz.trimmed().isEmpty() || e.ort.trimmed().isEmpty())
            refuse(QStringLiteral("Ein Eintrag ohne Postleitzahl oder Ort wird nicht geladen."));
    const auto failed = [&db](const QSqlError& error) {
        db.rollback();
        throw Error(Error::Database,
                    QStringLiteral("Postleitzahlen nicht geschrieben: ") + error.text());
    };
    if (!db.transaction()) failed(db.lastError());
    // Every prepared statement is freed before the commit: behind a pooler
    // that hands each transaction to any server session, a statement freed
    // afterwards would be freed in another session and outlive this one.
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM Postleitzahlen WHERE Land = ?"));
        q.addBindValue(land);
        if (!q.exec()) failed(q.lastError());
    }

    PostalImportCounts counts;
    QSet<QString> codes, places;
    const QString row = QStringLiteral("(?, ?, ?, ?, ?, ?, ?)");
    for (qsizetype start = 0; start < entries.size(); start += kBatch) {
        const qsizetype n = std::min<qsizetype>(kBatch, entries.size() - start);
        QStringList rows;
        for (qsizetype i = 0; i < n; ++i)
            rows << row;
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO Postleitzahlen (Land, Plz, Ort, Ortsteil, "
                                      "Strasse, OrtWort, StrasseSuche) VALUES ") +
                       rows.join(QStringLiteral(", ")));
        for (qsizetype i = start; i < start + n; ++i) {
            const PostalEntry& e = entries[i];
            insert.addBindValue(land);
            insert.addBindValue(e.plz);
            insert.addBindValue(e.ort);
            insert.addBindValue(textOrNull(e.ortsteil));
            insert.addBindValue(textOrNull(e.strasse));
            insert.addBindValue(placeWord(e.ort));
            insert.addBindValue(textOrNull(streetSpelling(e.strasse)));
            codes.insert(e.plz);
            places.insert(e.plz + QLatin1Char('\t') + e.ort);
        }
        if (!insert.exec()) failed(insert.lastError());
        counts.rows += static_cast<int>(n);
    }
    if (!db.commit()) failed(db.lastError());
    counts.codes = static_cast<int>(codes.size());
    counts.places = static_cast<int>(places.size());
    return counts;
}

} // namespace belegadressen
