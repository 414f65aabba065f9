#pragma once
#include "contracts/HostApplication.h"
#include <QObject>
#include <QString>
#include <memory>

// The host application the benchmarks hand to the control: the connection
// under measurement and nothing that could wait for a user.
class BenchHost final : public belegadressen::HostApplication {
public:
    explicit BenchHost(std::shared_ptr<belegadressen::Connection> connection,
                       QString connectString = QStringLiteral("Driver=SQLite"))
        : mConnection(std::move(connection)), mConnectString(std::move(connectString)) {}
    std::shared_ptr<belegadressen::Connection> ConnectionDB() override { return mConnection; }
    QObject* ComboServer() override { return &mServer; }
    QWidget* MainForm() override { return nullptr; }
    QString User() override { return QStringLiteral("bench"); }
    bool PruefeNeueDialoge(const QString&) override { return false; }
    QString ConnectStringDB() override { return mConnectString; }

private:
    std::shared_ptr<belegadressen::Connection> mConnection;
    QString mConnectString;
    QObject mServer;
};
