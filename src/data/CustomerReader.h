#pragma once
#include "control/SubsystemPorts.h"
#include <QString>

namespace belegadressen {

struct ControlState;
struct CustomerAssignment;
class ServiceHub;
class Recordset;

// Reads a customer master row and the customer's cost centre and cost unit.
class CustomerReader final : public CustomerReaderPort {
public:
    CustomerReader(CustomerAssignment& assignment, ServiceHub& services)
        : assignment(assignment), services(services) {}

    // The customer row, or none. A failing query is reported with the
    // reader's name and counts as none.
    std::shared_ptr<Recordset> LeseKunde(const QString& nummer) override;

private:
    void LeseKostenzuordnung(const Recordset& rs);
    CustomerAssignment& assignment;
    ServiceHub& services;
};

} // namespace belegadressen
