#include "SampleDatabases.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
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

} // namespace

QString sampleDatabase(int customers) {
    const QDir folder(cacheFolder());
    const QString path = folder.filePath(QStringLiteral("beispiel-%1.sqlite").arg(customers));
    if (QFile::exists(path)) return path;
    const QString program = writer();
    if (program.isEmpty())
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
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {QStringLiteral("--customers"), QString::number(customers),
                            QStringLiteral("--out"), partial});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error("sample writer failed: " + program.toStdString() + " " +
                                 process.readAllStandardOutput().toStdString());
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot rename " + partial.toStdString());
    std::fprintf(stderr, "written in %.1f s\n", double(clock.elapsed()) / 1000.0);
    return path;
}
