// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/HostApplication.h"
#include "contracts/Recordset.h"
#include <QWidget>
#include <memory>

namespace belegadressen {

/// The list of a customer's sites and equipment framed by the site window.
class BELEGADRESSEN_EXPORT SiteList : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    /// The connect string of the database.
    virtual void setConnectString(const QString& text) = 0;
    /// The customer whose sites are listed.
    virtual void setKundennummer(const QString& number) = 0;
    /// Hands over the host application object.
    virtual void setAppObj(std::shared_ptr<HostApplication> app) = 0;
    /// Shows or hides the pictures of the list.
    virtual void setBilderAnzeigen(bool show) = 0;
    /// Reads the sites and equipment of the customer.
    virtual void Laden() = 0;
    /// The chosen equipment row.
    virtual std::shared_ptr<Recordset> GewaehlteAnlage() const = 0;
    /// The chosen site row.
    virtual std::shared_ptr<Recordset> GewaehlterStandort() const = 0;

signals:
    /// The user took the chosen row over.
    void Uebernommen();
};

} // namespace belegadressen
