// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// A connection that passes statements on to a real one, keeps them in the
// order they were sent, and fails them on request.
#include "contracts/Connection.h"
#include <QStringList>
#include <functional>
#include <memory>

namespace batest {

class RecordingConnection : public belegadressen::Connection {
public:
    explicit RecordingConnection(std::shared_ptr<belegadressen::Connection> inner)
        : mInner(std::move(inner)) {}
    std::shared_ptr<belegadressen::Recordset> Execute(const QString& sql) override;
    // Sends the following statements to another connection.
    void reroute(std::shared_ptr<belegadressen::Connection> inner) { mInner = std::move(inner); }

    QStringList statements;
    // Statements containing this text fail like a lost connection.
    QString failWhenContains;
    // Statements containing this text run, but their answer is lost like
    // that of a connection that broke right after the server ran them.
    QString loseReplyWhenContains;
    // Runs before each statement is passed on: another user acting in between.
    std::function<void(const QString&)> before;

private:
    std::shared_ptr<belegadressen::Connection> mInner;
};

} // namespace batest
