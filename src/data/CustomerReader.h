#pragma once
#include "control/SubsystemPorts.h"
#include <QString>

namespace belegadressen {

struct ControlState;
class ServiceHub;
class Recordset;

// Reads a customer master row and the customer's cost centre and cost unit.
class CustomerReader final : public CustomerReaderPort {
public:
    CustomerReader(ControlState& state, ServiceHub& services) : state(state), services(services) {}

    // Reads the customer row into mRsKunde; false when there is none. A
    // failing query is reported with the reader's name and counts as none.
    bool LeseKunde(const QString& nummer) override;
    // Releases the row read last.
    void SchliesseKunde();

private:
    void LeseKostenzuordnung(const Recordset& rs);
    ControlState& state;
    ServiceHub& services;
};

} // namespace belegadressen
