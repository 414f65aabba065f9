#pragma once
#include <QString>

namespace belegadressen {

// The customer info window as the customer load sees it: a loaded customer's
// internal remark is shown once the load has finished.
class InfoWindowOpener {
public:
    virtual ~InfoWindowOpener() = default;
    // Called with the row's values at the end of a customer load.
    virtual void afterCustomerLoad(const QString& kundennummer,
                                   const QString& interneBemerkung) = 0;
};

} // namespace belegadressen
