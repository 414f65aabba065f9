// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "HostAppObject.h"
#include "data/SqlConnection.h"
#include <QWidget>

HostAppObject::HostAppObject(QSqlDatabase db, QString connectString, QString user)
    : mConnection(std::make_shared<belegadressen::SqlConnection>(std::move(db))),
      mConnectString(std::move(connectString)), mUser(std::move(user)) {
    mComboServer.setObjectName(QStringLiteral("ComboServer"));
}

std::shared_ptr<belegadressen::Connection> HostAppObject::ConnectionDB() { return mConnection; }

QObject* HostAppObject::ComboServer() { return &mComboServer; }

QWidget* HostAppObject::MainForm() { return mMainForm.data(); }

QString HostAppObject::User() { return mUser; }

// This host has no site-information dialog of its own, so the control uses
// its built-in site window.
bool HostAppObject::PruefeNeueDialoge(const QString&) { return false; }

QString HostAppObject::ConnectStringDB() { return mConnectString; }
