// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
    // The same; `failed` tells a failure on the database (reported) from a
    // number that is not there.
    std::shared_ptr<Recordset> LeseKunde(const QString& nummer, bool& failed);

private:
    void LeseKostenzuordnung(const Recordset& rs);
    CustomerAssignment& assignment;
    ServiceHub& services;
};

} // namespace belegadressen
