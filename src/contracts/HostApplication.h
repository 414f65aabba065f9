#pragma once
#include "contracts/Connection.h"
#include <QString>
#include <memory>

class QObject;
class QWidget;

namespace belegadressen {

// The host application object handed in through setAppObj().
class HostApplication {
public:
    virtual ~HostApplication() = default;
    virtual std::shared_ptr<Connection> ConnectionDB() = 0;
    virtual QObject* ComboServer() = 0;
    virtual QWidget* MainForm() = 0;
    virtual QString User() = 0;
    virtual bool PruefeNeueDialoge(const QString& formName) = 0;
    virtual QString ConnectStringDB() = 0;
};

} // namespace belegadressen
