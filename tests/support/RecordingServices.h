// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Messages and information boxes kept in order; dialogs answered by a script.
// Each half stands alone for components that take only one.
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include <QDialog>
#include <QStringList>
#include <functional>

namespace batest {

class RecordingMessages : public belegadressen::MessageService {
public:
    // "title[kind]: text"
    void Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title, qint32) override {
        messages << QStringLiteral("%1[%2]: %3").arg(title).arg(kind).arg(textOrNumber.toString());
    }
    // "module/procedure/number: text"
    void Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                       const QString& text, bool) override {
        messages << QStringLiteral("%1/%2/%3: %4").arg(module, procedure).arg(number).arg(text);
    }
    QStringList messages;
};

class ScriptedDialogRunner : public belegadressen::DialogRunner {
public:
    int exec(QDialog& dialog) override {
        shown << dialog.windowTitle();
        return script ? script(dialog) : QDialog::Rejected;
    }
    // "title: text"
    void information(const QString& title, const QString& text) override {
        informations << title + QStringLiteral(": ") + text;
    }
    std::function<int(QDialog&)> script;
    QStringList informations;
    QStringList shown; // titles of the dialogs run
};

class RecordingServices : public RecordingMessages, public ScriptedDialogRunner {
public:
    void clear() {
        messages.clear();
        informations.clear();
        shown.clear();
    }
};

} // namespace batest
