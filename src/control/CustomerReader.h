#pragma once
#include <QString>

namespace belegadressen {

// The customer reader of the number entry, for the parts of the control that
// read a customer row the same way (into mRsKunde, failures reported).
class CustomerReader {
public:
    virtual ~CustomerReader() = default;
    // Reads the customer row into mRsKunde; false when there is none.
    virtual bool LeseKunde(const QString& nummer) = 0;
};

} // namespace belegadressen
