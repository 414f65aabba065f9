// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/HostApplication.h"
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>

// The host application object the document window hands to its control: the
// host's own database connection and its main window.
class HostAppObject final : public belegadressen::HostApplication {
public:
    HostAppObject(QSqlDatabase db, QString connectString, QString user);

    void setMainForm(QWidget* form) { mMainForm = form; }

    std::shared_ptr<belegadressen::Connection> ConnectionDB() override;
    QObject* ComboServer() override;
    QWidget* MainForm() override;
    QString User() override;
    bool PruefeNeueDialoge(const QString& formName) override;
    QString ConnectStringDB() override;

private:
    std::shared_ptr<belegadressen::Connection> mConnection;
    QString mConnectString;
    QString mUser;
    // Handed unchanged to the master-data fields; they only keep it.
    QObject mComboServer;
    QPointer<QWidget> mMainForm;
};
