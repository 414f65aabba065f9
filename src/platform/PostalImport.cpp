// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/PostalImport.h"
#include "contracts/Error.h"
#include "platform/Countries.h"
#include "platform/PostalSpelling.h"
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <optional>

namespace belegadressen {

namespace {

constexpr qint32 kBadInput = 5;
// Rows per insert statement: few round trips, well below the engines' limits
// on bound values.
constexpr int kBatch = 200;
// The longest field a directory needs; a longer one is a broken file.
constexpr qsizetype kFieldLength = 200;
// How much of a refused line the message quotes.
constexpr qsizetype kExcerpt = 40;

[[noreturn]] void refuse(const QString& text) { throw Error(kBadInput, text); }

QVariant textOrNull(const QString& text) {
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// Characters that change how a text is shown or where it ends rather than
// standing for themselves: control codes, format characters (direction
// marks), line and paragraph separators. The tab separates fields.
bool isControl(char32_t c) {
    if (c == u'\t') return false;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

std::optional<char32_t> firstControl(QStringView text) {
    for (const char32_t c : text.toUcs4())
        if (isControl(c)) return c;
    return std::nullopt;
}

QString codeOf(char32_t c) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

// The beginning of a text as a message can show it: control characters by
// their code, so that none cuts or turns the message.
QString excerpt(QStringView text) {
    QString out;
    qsizetype shown = 0;
    const QList<uint> characters = text.toUcs4();
    for (const uint u : characters) {
        if (shown == kExcerpt) break;
        const char32_t c = u;
        out += isControl(c) ? QLatin1Char('<') + codeOf(c) + QLatin1Char('>')
                            : QString::fromUcs4(&c, 1);
        ++shown;
    }
    if (shown < characters.size()) out += QChar(0x2026);
    return QChar(0x201E) + out + QChar(0x201C);
}

// The lines of the file as bytes, each without its end: LF, CRLF or CR.
QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r') continue;
        lines << bytes.mid(start, i - start);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines << bytes.mid(start);
    return lines;
}

const QString kFieldNames[] = {QStringLiteral("Postleitzahl"), QStringLiteral("Ort"),
                               QStringLiteral("Ortsteil"), QStringLiteral("Straße")};

} // namespace

QList<PostalEntry> PostalImport::read(QIODevice& in) {
    QByteArray bytes = in.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    static const QRegularExpression code(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Za-z][0-9A-Za-z -]{0,9}")));
    QList<PostalEntry> entries;
    const QList<QByteArray> lines = linesOf(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("Zeile %1: ").arg(i + 1);
        QStringDecoder decode(QStringDecoder::Utf8);
        const QString line = decode(lines[i]);
        if (decode.hasError())
            refuse(where + QStringLiteral("Die Zeile ist kein UTF-8-Text: ") + excerpt(line));
        if (line.startsWith(QLatin1Char('#'))) continue;
        if (const auto c = firstControl(line))
            refuse(where +
                   QStringLiteral("Die Zeile enthält das Steuerzeichen %1: ").arg(codeOf(*c)) +
                   excerpt(line));
        if (line.trimmed().isEmpty()) continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() < 2 || f.size() > 4)
            refuse(where +
                   QStringLiteral("Erwartet werden Postleitzahl und Ort, dazu höchstens "
                                  "Ortsteil und Straße, durch Tabulatoren getrennt: ") +
                   excerpt(line));
        PostalEntry e{f[0].trimmed(), f[1].trimmed(), f.value(2).trimmed(), f.value(3).trimmed()};
        const QString* fields[] = {&e.plz, &e.ort, &e.ortsteil, &e.strasse};
        for (int k = 0; k < 4; ++k)
            if (fields[k]->size() > kFieldLength)
                refuse(where +
                       QStringLiteral("%1 ist mit %2 Zeichen zu lang (höchstens %3): ")
                           .arg(kFieldNames[k])
                           .arg(fields[k]->size())
                           .arg(kFieldLength) +
                       excerpt(*fields[k]));
        if (!code.match(e.plz).hasMatch())
            refuse(where + excerpt(e.plz) + QStringLiteral(" ist keine Postleitzahl."));
        if (e.ort.isEmpty()) refuse(where + QStringLiteral("Der Ort fehlt."));
        entries << e;
    }
    return entries;
}

PostalImportCounts PostalImport::write(QSqlDatabase db, const QString& land,
                                       const QList<PostalEntry>& entries) {
    if (!countryCodes().contains(land))
        refuse(excerpt(land) + QStringLiteral(" ist kein Länderkennzeichen des Feldes Land (%1).")
                                   .arg(countryCodes().join(QStringLiteral(", "))));
    if (!db.isOpen()) refuse(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    for (const PostalEntry& e : entries)
        if (e.plz.trimmed().isEmpty() || e.ort.trimmed().isEmpty())
            refuse(QStringLiteral("Ein Eintrag ohne Postleitzahl oder Ort wird nicht geladen."));
    PostalImportCounts counts;
    // Each entry once: the lookups would offer a repeated one twice.
    QList<PostalEntry> unique;
    {
        QSet<QString> seen;
        for (const PostalEntry& e : entries) {
            const QString key =
                QStringList{e.plz, e.ort, e.ortsteil, e.strasse}.join(QLatin1Char('\t'));
            if (seen.contains(key)) {
                ++counts.duplicates;
                continue;
            }
            seen.insert(key);
            unique << e;
        }
    }
    if (unique.isEmpty())
        refuse(QStringLiteral("Die Datei enthält keine Einträge; die Postleitzahlen von %1 "
                              "bleiben unverändert.")
                   .arg(land));
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

    QSet<QString> codes, places;
    const QString row = QStringLiteral("(?, ?, ?, ?, ?, ?, ?)");
    for (qsizetype start = 0; start < unique.size(); start += kBatch) {
        const qsizetype n = std::min<qsizetype>(kBatch, unique.size() - start);
        QStringList rows;
        for (qsizetype i = 0; i < n; ++i)
            rows << row;
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO Postleitzahlen (Land, Plz, Ort, Ortsteil, "
                                      "Strasse, OrtWort, StrasseSuche) VALUES ") +
                       rows.join(QStringLiteral(", ")));
        for (qsizetype i = start; i < start + n; ++i) {
            const PostalEntry& e = unique[i];
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
