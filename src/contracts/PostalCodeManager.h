#pragma once
#include "contracts/Connection.h"
#include "contracts/HostApplication.h"
#include <QString>
#include <memory>

namespace belegadressen {

// Checks postal codes, places and streets against a postal directory.
class PostalCodeManager {
public:
    virtual ~PostalCodeManager() = default;
    virtual void Init(std::shared_ptr<HostApplication> app, const QString& connectString,
                      std::shared_ptr<Connection> connection, bool ortsteileAnzeigen) = 0;
    virtual void Suche_Plz(const QString& plz, const QString& ort, const QString& strasse,
                           bool mitdialog = true) = 0;
    virtual QString Suche_Ort(const QString& plz) = 0;
    virtual bool Geprueft() const = 0;
    virtual QString Plz() const = 0;
    virtual QString Ort() const = 0;
    virtual QString Strasse() const = 0;
    virtual QString Hausnummer() const = 0;
    virtual void setOkMeldungUnterdrucken(bool suppress) = 0;
};

} // namespace belegadressen
