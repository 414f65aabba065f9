// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include <QString>
#include <memory>

class QObject;
class QWidget;

namespace belegadressen {

/// The host application object handed in through setAppObj().
class BELEGADRESSEN_EXPORT HostApplication {
public:
    virtual ~HostApplication() = default;
    /// The host's open database connection.
    virtual std::shared_ptr<Connection> ConnectionDB() = 0;
    /// The server object of the master-data fields.
    virtual QObject* ComboServer() = 0;
    /// The host's main window, parent of the control's dialogs.
    virtual QWidget* MainForm() = 0;
    /// The name of the signed-in user.
    virtual QString User() = 0;
    /// Whether the new form of a dialog is to be used.
    virtual bool PruefeNeueDialoge(const QString& formName) = 0;
    /// The connect string of the database.
    virtual QString ConnectStringDB() = 0;
};

} // namespace belegadressen
