// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The host application as far as the control needs one: it hands out a
// connection (none by default) and answers the rest with fixed values.
#include "contracts/HostApplication.h"
#include <memory>

namespace batest {

class FakeHost : public belegadressen::HostApplication {
public:
    explicit FakeHost(std::shared_ptr<belegadressen::Connection> c = nullptr)
        : mConnection(std::move(c)) {}
    std::shared_ptr<belegadressen::Connection> ConnectionDB() override { return mConnection; }
    QObject* ComboServer() override { return nullptr; }
    QWidget* MainForm() override { return nullptr; }
    QString User() override { return QStringLiteral("test"); }
    bool PruefeNeueDialoge(const QString&) override { return false; }
    QString ConnectStringDB() override { return QStringLiteral("test"); }

private:
    std::shared_ptr<belegadressen::Connection> mConnection;
};

} // namespace batest
