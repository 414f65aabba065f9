// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Runs a JavaScript file against the control: the control as the global
// `adressen` (late binding by member names, its events as signals) and
// `print` for lines of output.
#include "scripting/ScriptBridge.h"
#include <QJSEngine>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

class DocumentWindow;

class ScriptRunner {
public:
    using Line = std::function<void(const QString&)>;

    // `out` takes what the script prints, `err` its errors with their line.
    // A script or handler running longer than `limit` in one go is stopped.
    ScriptRunner(belegadressen::BelegAdressen& control, Line out, Line err,
                 std::chrono::milliseconds limit = kDefaultLimit);
    static constexpr std::chrono::milliseconds kDefaultLimit{10000};
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs the file. False when it cannot be read, does not compile, or lets an
    // exception escape from its body or from an event handler it connected;
    // handlers that fail later are reported and listed in errors().
    bool runFile(const QString& path);
    // The errors reported so far, each as `err` received it.
    QStringList errors() const { return mErrors; }

private:
    class Printer;
    static void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);
    void fail(const QString& line);
    void reportTimeout();

    Line mOut;
    Line mErr;
    QJSEngine mEngine;
    belegadressen::ScriptBridge mBridge;
    std::unique_ptr<Printer> mPrinter;
    QString mFile;
    QStringList mErrors;
    QtMessageHandler mPreviousHandler = nullptr;
};

// The host's --script: headless, runs the file and answers the exit code
// (1 on an error); with a display, shows the window, runs the file once it is
// up and then stays open as usual.
int runHostScript(DocumentWindow& window, const QString& path, bool headless,
                  std::chrono::milliseconds limit = ScriptRunner::kDefaultLimit);
