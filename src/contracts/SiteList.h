#pragma once
#include "contracts/HostApplication.h"
#include "contracts/Recordset.h"
#include <QWidget>
#include <memory>

namespace belegadressen {

// The list of a customer's sites and equipment framed by the site window.
class SiteList : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void setConnectString(const QString& text) = 0;
    virtual void setKundennummer(const QString& number) = 0;
    virtual void setAppObj(std::shared_ptr<HostApplication> app) = 0;
    virtual void setBilderAnzeigen(bool show) = 0;
    virtual void Laden() = 0;
    virtual std::shared_ptr<Recordset> GewaehlteAnlage() const = 0;
    virtual std::shared_ptr<Recordset> GewaehlterStandort() const = 0;

signals:
    void Uebernommen();
};

} // namespace belegadressen
