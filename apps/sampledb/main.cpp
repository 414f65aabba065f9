// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// belegadressen-sampledb: writes the sample database of a craft business.
#include "../../db/DatabaseSetup.h"
#include "SampleWriter.h"
#include "platform/Countries.h"
#include "platform/PostalImport.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

namespace {

namespace setup = belegadressen::dbsetup;

void print(const QString& text) { std::fputs(qPrintable(text + QLatin1Char('\n')), stdout); }

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

// The tables of the schema, for --replace.
QStringList tableNames(const QString& script) {
    static const QRegularExpression create(QStringLiteral("^CREATE\\s+TABLE\\s+(\\S+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& statement : setup::statements(script))
        if (const auto match = create.match(statement); match.hasMatch())
            names << match.captured(1);
    return names;
}

void preparePostgres(QSqlDatabase& db, const QString& script, bool replace) {
    const QStringList tables = tableNames(script);
    QSqlQuery probe(db);
    const bool exists = probe.exec(QStringLiteral("select count(*) from information_schema.tables "
                                                  "where table_schema = current_schema() and "
                                                  "table_name = 'kundenstamm'")) &&
                        probe.next() && probe.value(0).toInt() > 0;
    if (!exists) return;
    if (!replace)
        fail(QStringLiteral("Die Datenbank enthält bereits einen Kundenstamm; mit --replace "
                            "werden die Tabellen des Schemas vorher gelöscht."));
    QStringList drops;
    for (const QString& table : tables)
        drops << QStringLiteral("DROP TABLE IF EXISTS %1").arg(table);
    setup::run(db, drops);
}

// --import-plz: loads a postal directory in the import format into a database
// that has the schema already, replacing the rows of that country only.
int importPostalCodes(const QString& file, const QString& land, const QString& sqliteFile,
                      const QString& pgConnInfo) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("%1 lässt sich nicht lesen: %2").arg(file, in.errorString()));
    const auto entries = belegadressen::PostalImport::read(in);
    belegadressen::PostalImportCounts counts;
    {
        QSqlDatabase db;
        if (!pgConnInfo.isEmpty()) {
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("import"));
            setup::setConnInfo(db, pgConnInfo);
        } else {
            // An import never creates a database: a mistyped name must not
            // leave an empty file behind.
            if (!QFile::exists(sqliteFile))
                fail(QStringLiteral("%1 gibt es nicht; zuerst die Datenbank schreiben.")
                         .arg(sqliteFile));
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("import"));
            db.setDatabaseName(sqliteFile);
        }
        if (!db.open()) fail(QStringLiteral("Datenbank: ") + db.lastError().text());
        counts = belegadressen::PostalImport::write(db, land, entries);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("import"));
    print(QStringLiteral("Postleitzahlen %1: %2 Postleitzahlen, %3 Orte, %4 Zeilen, %5 doppelte "
                         "Zeilen übergangen")
              .arg(land)
              .arg(counts.codes)
              .arg(counts.places)
              .arg(counts.rows)
              .arg(counts.duplicates));
    return 0;
}

int run(QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Schreibt die Beispieldatenbank eines Handwerksbetriebs: Kunden, "
                       "allgemeine Adressen, Standorte und Anlagen, Personal, Währungen, "
                       "Textbausteine und Stammdaten."));
    parser.addHelpOption();
    const QCommandLineOption customersOption(QStringLiteral("customers"),
                                             QStringLiteral("Anzahl der Kunden (Vorgabe 1000)."),
                                             QStringLiteral("N"), QStringLiteral("1000"));
    const QCommandLineOption outOption(
        QStringLiteral("out"),
        QStringLiteral("SQLite-Datei: die Beispieldaten schreiben sie neu; mit --import-plz "
                       "muss sie bestehen, und nur die Postleitzahlen des Landes werden "
                       "ersetzt."),
        QStringLiteral("FILE"), QStringLiteral("belegadressen-sample.db"));
    const QCommandLineOption pgOption(
        QStringLiteral("pg"),
        QStringLiteral("In PostgreSQL schreiben (libpq-Verbindung, z. B. \"host=127.0.0.1 "
                       "port=5432 user=postgres dbname=beleg\")."),
        QStringLiteral("CONNINFO"));
    const QCommandLineOption replaceOption(
        QStringLiteral("replace"),
        QStringLiteral("Mit --pg: vorhandene Tabellen des Schemas vorher löschen."));
    const QCommandLineOption importOption(
        QStringLiteral("import-plz"),
        QStringLiteral("Statt die Beispieldaten zu schreiben: ein Postleitzahlenverzeichnis "
                       "(UTF-8, je Zeile Postleitzahl, Ort, Ortsteil, Straße durch Tabulatoren "
                       "getrennt; Zeilenende LF, CRLF oder CR; Zeilen mit # am Anfang und leere "
                       "Zeilen zählen nicht) in die vorhandene Datenbank (--out oder --pg) laden; "
                       "die Zeilen des Landes werden ersetzt, alles andere bleibt; doppelte "
                       "Zeilen werden nur einmal geschrieben. Eine Datei ohne Einträge wird "
                       "abgelehnt, eine mit einer unbrauchbaren Zeile (Steuerzeichen, kein UTF-8, "
                       "Feld über 200 Zeichen) unter der Nummer der Zeile; die Datenbank bleibt "
                       "dann unverändert. Das deutsche Verzeichnis liegt installiert unter "
                       "/usr/share/belegadressen/postal-de/D.tsv."),
        QStringLiteral("FILE"));
    const QCommandLineOption landOption(
        QStringLiteral("land"),
        QStringLiteral("Mit --import-plz: das Land der Einträge, eines der Kennzeichen des "
                       "Feldes Land (%1; Vorgabe D).")
            .arg(belegadressen::countryCodes().join(QStringLiteral(", "))),
        QStringLiteral("LAND"), QStringLiteral("D"));
    const QCommandLineOption spreadOption(
        QStringLiteral("verzeichnis"),
        QStringLiteral("Die Kunden und allgemeinen Adressen über alle Postleitzahlen dieses "
                       "Verzeichnisses verteilen (Format wie bei --import-plz, z. B. "
                       "data/postal-de/D.tsv) statt über die 60 Postleitzahlen des Beispiels."),
        QStringLiteral("FILE"));
    parser.addOptions({customersOption, outOption, pgOption, replaceOption, importOption,
                       landOption, spreadOption});
    parser.process(app);
    if (parser.isSet(importOption))
        return importPostalCodes(parser.value(importOption), parser.value(landOption),
                                 parser.value(outOption), parser.value(pgOption));

    bool ok = false;
    const int customers = parser.value(customersOption).toInt(&ok);
    if (!ok || customers < 1) {
        std::fputs("--customers erwartet eine Zahl ab 1\n", stderr);
        return 2;
    }
    const QString script = setup::readScript(QStringLiteral(":/db/schema.sql"));

    QElapsedTimer timer;
    timer.start();
    SampleCounts counts;
    QString target;
    {
        QSqlDatabase db;
        QString partFile;
        if (parser.isSet(pgOption)) {
            target = QStringLiteral("PostgreSQL");
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("sample"));
            setup::setConnInfo(db, parser.value(pgOption));
            if (!db.open()) fail(QStringLiteral("PostgreSQL: ") + db.lastError().text());
            setup::run(db, {QStringLiteral("SET client_min_messages = warning")});
            preparePostgres(db, script, parser.isSet(replaceOption));
        } else {
            // Written beside the target and renamed at the end, so an
            // interrupted run never leaves a half-filled database behind.
            target = parser.value(outOption);
            partFile = target + QStringLiteral(".part");
            QFile::remove(partFile);
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sample"));
            db.setDatabaseName(partFile);
            if (!db.open())
                fail(QStringLiteral("SQLite %1: %2").arg(partFile, db.lastError().text()));
        }
        counts = SampleWriter(db, customers,
                              parser.isSet(spreadOption)
                                  ? sample::placesOfDirectory(parser.value(spreadOption))
                                  : QVector<sample::Place>())
                     .write(script);
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("sample"));
        if (!partFile.isEmpty()) {
            if (QFile::exists(target) && !QFile::remove(target))
                fail(QStringLiteral("%1 lässt sich nicht ersetzen.").arg(target));
            if (!QFile::rename(partFile, target))
                fail(QStringLiteral("%1 lässt sich nicht anlegen.").arg(target));
        }
    }
    const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;

    print(QStringLiteral("Beispieldatenbank: %1").arg(target));
    const std::pair<const char*, qint64> rows[] = {
        {"Kunden", counts.customers},
        {"Allgemeine Adressen", counts.addresses},
        {"Standorte", counts.sites},
        {"Anlagen", counts.equipment},
        {"Personal", counts.staff},
        {"Postleitzahlen", counts.postalRows},
        {"Textbausteine", counts.textModules},
        {"Währungen", counts.currencies},
        {"Kostenzuordnungen", counts.costAssignments},
        {"Weitere Stammdaten", counts.masterData},
    };
    for (const auto& [name, count] : rows)
        print(QStringLiteral("  %1 %2")
                  .arg(QString::fromUtf8(name) + QLatin1Char(':'), -21)
                  .arg(count, 9));
    print(QStringLiteral("Zeit: %1 s").arg(seconds, 0, 'f', 1));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("belegadressen-sampledb"));
    try {
        return run(app);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "belegadressen-sampledb: %s\n", e.what());
        return 1;
    }
}
