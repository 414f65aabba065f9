// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "SampleDatabases.h"
#include "../db/DatabaseSetup.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <stdexcept>

namespace {

QString cacheFolder() {
    const QString dir = qEnvironmentVariable("BA_BENCH_DB_DIR");
#ifdef BA_BENCH_DEFAULT_DB_DIR
    return dir.isEmpty() ? QStringLiteral(BA_BENCH_DEFAULT_DB_DIR) : dir;
#else
    return dir.isEmpty() ? QStringLiteral("bench-data") : dir;
#endif
}

QString writer() {
    const QString program = qEnvironmentVariable("BA_SAMPLEDB");
#ifdef BA_SAMPLEDB
    return program.isEmpty() ? QStringLiteral(BA_SAMPLEDB) : program;
#else
    return program;
#endif
}

// The writer's arguments that spread the customers over the directory's codes.
QStringList spreadArguments(bool spread) {
    if (!spread) return {};
    const QString directory = qEnvironmentVariable("BA_POSTAL_DIRECTORY");
#ifdef BA_POSTAL_DIRECTORY
    return {QStringLiteral("--verzeichnis"),
            directory.isEmpty() ? QStringLiteral(BA_POSTAL_DIRECTORY) : directory};
#else
    if (directory.isEmpty()) throw std::runtime_error("set BA_POSTAL_DIRECTORY to D.tsv");
    return {QStringLiteral("--verzeichnis"), directory};
#endif
}

// Runs the sample writer; throws with its output when it fails.
void runWriter(const QStringList& arguments) {
    const QString program = writer();
    if (program.isEmpty()) throw std::runtime_error("no sample writer (set BA_SAMPLEDB)");
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error("sample writer failed: " + program.toStdString() + " " +
                                 process.readAllStandardOutput().toStdString());
}

// One statement on the server's maintenance database.
bool onServer(const QString& connInfo, const QString& sql, QVariant* answer = nullptr) {
    const QString name = QStringLiteral("bench-server");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        belegadressen::dbsetup::setConnInfo(db, connInfo);
        if (!db.open())
            throw std::runtime_error("PostgreSQL: " + db.lastError().text().toStdString());
        QSqlQuery q(db);
        ok = q.exec(sql);
        if (!ok && !answer) throw std::runtime_error(q.lastError().text().toStdString());
        if (answer) *answer = ok && q.next() ? q.value(0) : QVariant();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

PostgresSample samplePostgres(int customers, bool spread) {
    const QString connInfo = qEnvironmentVariable("BA_PG_CONNINFO");
    if (connInfo.isEmpty())
        throw std::runtime_error("BA_PG_CONNINFO is not set (scripts/pg-test-server start "
                                 "<bench data>/pg keeps the samples between runs)");
    const QString dbname =
        QString::fromLatin1(spread ? "beispiel_verteilt_%1" : "beispiel_%1").arg(customers);
    QVariant found;
    onServer(connInfo, QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(dbname),
             &found);
    if (found.isValid()) return {connInfo, dbname};
    // Written under another name first, like the SQLite files.
    const QString partial = dbname + QStringLiteral("_partial");
    onServer(connInfo, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(partial));
    onServer(connInfo,
             QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(partial));
    std::fprintf(stderr, "writing PostgreSQL database %s with %d customers ...\n",
                 qPrintable(dbname), customers);
    QElapsedTimer clock;
    clock.start();
    runWriter(QStringList{QStringLiteral("--customers"), QString::number(customers),
                          QStringLiteral("--pg"), connInfo + QStringLiteral(" dbname=") + partial} +
              spreadArguments(spread));
    onServer(connInfo, QStringLiteral("ALTER DATABASE %1 RENAME TO %2").arg(partial, dbname));
    std::fprintf(stderr, "written in %.1f s\n", double(clock.elapsed()) / 1000.0);
    return {connInfo, dbname};
}

QString sampleDatabase(int customers, bool spread) {
    const QDir folder(cacheFolder());
    const QString path = folder.filePath(
        QString::fromLatin1(spread ? "beispiel-verteilt-%1.sqlite" : "beispiel-%1.sqlite")
            .arg(customers));
    if (QFile::exists(path)) return path;
    if (writer().isEmpty())
        throw std::runtime_error("no sample database " + path.toStdString() +
                                 " and no sample writer (set BA_SAMPLEDB)");
    QDir().mkpath(folder.absolutePath());
    // Written under another name first, so that an interrupted run leaves no
    // half-filled database behind that would be taken for a finished one.
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    std::fprintf(stderr, "writing %s with %d customers ...\n", qPrintable(path), customers);
    QElapsedTimer clock;
    clock.start();
    runWriter(QStringList{QStringLiteral("--customers"), QString::number(customers),
                          QStringLiteral("--out"), partial} +
              spreadArguments(spread));
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot rename " + partial.toStdString());
    std::fprintf(stderr, "written in %.1f s\n", double(clock.elapsed()) / 1000.0);
    return path;
}

QSqlDatabase openSample(bool postgres, int customers, const QString& connectionName,
                        QString* connectString, bool spread) {
    if (!postgres) {
        const QString path = sampleDatabase(customers, spread);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
        if (connectString) *connectString = QStringLiteral("Driver=SQLite;Database=") + path;
        return db;
    }
    const PostgresSample pg = samplePostgres(customers, spread);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    belegadressen::dbsetup::setConnInfo(db, pg.connInfo, pg.dbname);
    if (!db.open()) throw std::runtime_error("PostgreSQL: " + db.lastError().text().toStdString());
    if (connectString) *connectString = QStringLiteral("Driver=PostgreSQL;") + pg.connInfo;
    return db;
}
