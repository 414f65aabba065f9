#pragma once
#include "control/SubsystemPorts.h"
#include <QString>
#include <QVariant>

namespace belegadressen {

struct ControlState;
class ServiceHub;

// Sites, equipment and technicians of the service address (address 2).
class SiteLoad final : public ServiceDataPort {
public:
    SiteLoad(ControlState& state, ServiceHub& services) : state(state), services(services) {}

    // Brings the customer's site and equipment into address 2 after a load.
    void LadeStandort(const QString& kundennummer, bool mitMeldung) override;

    // The equipment's description, or true when there is no such equipment.
    QVariant HoleAnlagenbezeichnung(const QString& kundennummer, qint16 standort,
                                    qint16 anlage) override;
    // "Nachname, Vorname" of a staff number; true when unknown; empty for no number.
    QVariant HoleMonteurname(const QString& personalNr) override;

private:
    ControlState& state;
    ServiceHub& services;
};

} // namespace belegadressen
