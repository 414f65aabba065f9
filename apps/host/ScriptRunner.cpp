// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "ScriptRunner.h"

#include "DocumentWindow.h"
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

// The script's print(): its arguments joined by blanks, one line each call.
class ScriptRunner::Printer : public QObject {
    Q_OBJECT
public:
    explicit Printer(Line out) : mOut(std::move(out)) {}
    Q_INVOKABLE void line(const QString& text) {
        if (mOut) mOut(text);
    }

private:
    Line mOut;
};

namespace {

// An exception in an event handler does not reach evaluate(): the engine
// reports it as a warning naming the script. The runner that is running
// listens for those.
ScriptRunner* gActive = nullptr;

QString numberSuffix(const QJSValue& error) {
    const QJSValue number = error.property(QStringLiteral("number"));
    return number.isNumber() ? QStringLiteral(" (Fehler %1)").arg(number.toInt()) : QString();
}

} // namespace

ScriptRunner::ScriptRunner(belegadressen::BelegAdressen& control, Line out, Line err,
                           std::chrono::milliseconds limit)
    : mOut(std::move(out)), mErr(std::move(err)), mBridge(control),
      mPrinter(std::make_unique<Printer>(mOut)) {
    mBridge.setTimeLimit(limit);
    mBridge.expose(mEngine, QStringLiteral("adressen"));
    QJSEngine::setObjectOwnership(mPrinter.get(), QJSEngine::CppOwnership);
    const QJSValue make = mEngine.evaluate(QStringLiteral(
        "(function (printer) { return function () {"
        " printer.line(Array.prototype.map.call(arguments, String).join(' ')); }; })"));
    mEngine.globalObject().setProperty(QStringLiteral("print"),
                                       make.call({mEngine.newQObject(mPrinter.get())}));
    gActive = this;
    mPreviousHandler = qInstallMessageHandler(&ScriptRunner::onMessage);
}

ScriptRunner::~ScriptRunner() {
    qInstallMessageHandler(mPreviousHandler);
    if (gActive == this) gActive = nullptr;
}

void ScriptRunner::onMessage(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
    ScriptRunner* self = gActive;
    if (self && type == QtWarningMsg && context.file && !self->mFile.isEmpty() &&
        QString::fromUtf8(context.file).endsWith(self->mFile)) {
        // The text starts with the script's address and line ("file:///...js:4: ").
        const qsizetype start = text.indexOf(QLatin1String(": "));
        if (self->mBridge.takeTimedOut()) {
            self->reportTimeout();
            return;
        }
        self->fail(QStringLiteral("Skriptfehler in %1, Zeile %2 (Ereignisbehandlung): %3")
                       .arg(QFileInfo(self->mFile).fileName())
                       .arg(context.line)
                       .arg(start < 0 ? text : text.mid(start + 2)));
        return;
    }
    QtMessageHandler previous = self ? self->mPreviousHandler : nullptr;
    if (previous)
        previous(type, context, text);
    else
        qt_message_output(type, context, text);
}

void ScriptRunner::fail(const QString& line) {
    mErrors << line;
    if (mErr) mErr(line);
}

void ScriptRunner::reportTimeout() {
    fail(QStringLiteral("Skript %1 abgebrochen: es lief länger als %2 s am Stück")
             .arg(QFileInfo(mFile).fileName())
             .arg(std::chrono::duration<double>(mBridge.timeLimit()).count()));
}

bool ScriptRunner::runFile(const QString& path) {
    const qsizetype before = mErrors.size();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("Skript %1 lässt sich nicht lesen").arg(path));
        return false;
    }
    const QString program = QString::fromUtf8(file.readAll());
    mFile = QFileInfo(path).absoluteFilePath();
    QStringList stack;
    const QJSValue result = mBridge.evaluate(program, mFile, 1, &stack);
    if (mBridge.takeTimedOut()) {
        reportTimeout();
    } else if (result.isError() || !stack.isEmpty()) {
        // A thrown Error knows its line; for any other thrown value the
        // innermost frame ("function:line:column:file") does.
        int line = result.property(QStringLiteral("lineNumber")).toInt();
        if (line <= 0 && !stack.isEmpty())
            line = stack.first().section(QLatin1Char(':'), 1, 1).toInt();
        fail(QStringLiteral("Skriptfehler in %1, Zeile %2: %3%4")
                 .arg(QFileInfo(path).fileName())
                 .arg(line)
                 .arg(result.toString(), numberSuffix(result)));
    }
    return mErrors.size() == before;
}

int runHostScript(DocumentWindow& window, const QString& path, bool headless,
                  std::chrono::milliseconds limit) {
    // Headless, the window's log goes to the terminal already; with a display
    // the log shows the script's lines beside the control's events.
    const auto out = [&window, headless](const QString& line) {
        std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
        if (!headless) window.log(QStringLiteral("Skript: ") + line);
    };
    const auto err = [&window, headless](const QString& line) {
        std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
        std::fflush(stderr);
        if (!headless) window.log(line);
    };
    ScriptRunner runner(window.control(), out, err, limit);
    window.show();
    if (headless) {
        QApplication::processEvents();
        const bool ok = runner.runFile(path);
        // Timers the script started (the info window) still run their course.
        QApplication::processEvents();
        return ok && runner.errors().isEmpty() ? 0 : 1;
    }
    QTimer::singleShot(0, &window, [&runner, path] { runner.runFile(path); });
    return QApplication::exec();
}

#include "ScriptRunner.moc"
