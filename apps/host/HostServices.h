// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include <functional>
#include <memory>

// Where the host writes a line about what happened (its event log, and the
// console on the tour).
using LogLine = std::function<void(const QString&)>;

// Modal showings of the control and of the host. Every one is logged; on the
// tour nothing is shown, so that a run without a display never waits for a
// click.
class HostDialogRunner final : public belegadressen::DialogRunner {
public:
    // `interactive` false: log only; exec() answers through `answer` when set,
    // else rejects.
    HostDialogRunner(bool interactive, LogLine log);

    void setAnswer(std::function<int(QDialog&)> answer) { mAnswer = std::move(answer); }

    int exec(QDialog& dialog) override;
    void information(const QString& title, const QString& text) override;

private:
    bool mInteractive;
    LogLine mLog;
    std::shared_ptr<belegadressen::DialogRunner> mInner;
    std::function<int(QDialog&)> mAnswer;
};

// The control's messages: logged, and shown as message boxes through the
// dialog runner (which on the tour only logs).
class HostMessageService final : public belegadressen::MessageService {
public:
    HostMessageService(std::shared_ptr<belegadressen::DialogRunner> dialogs, bool interactive,
                       LogLine log);

    void Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title,
                 qint32 number = 0) override;
    void Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                       const QString& text, bool flag) override;

private:
    bool mInteractive;
    LogLine mLog;
    std::shared_ptr<belegadressen::MessageService> mInner;
};
