// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QApplication>
#include <functional>

// The host's application object. An exception that a handler let through
// would end the program inside Qt's event loop and lose the open document;
// here it is caught where the event is delivered, reported, and the program
// goes on.
class SafeApplication final : public QApplication {
public:
    SafeApplication(int& argc, char** argv);

    // Where a caught exception is reported (its text); stderr until set.
    void setReporter(std::function<void(const QString&)> report) { mReport = std::move(report); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void(const QString&)> mReport;
};
