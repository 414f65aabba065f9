#pragma once
#include "control/SubsystemPorts.h"
#include <initializer_list>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class MasterDataCombo;

// Configures the master-data selection fields from the host's tables. Runs on
// every assignment of the number of addresses.
class MasterDataFields final : public MasterDataSetupPort {
public:
    MasterDataFields(ControlState& state, Ui& ui, ServiceHub& services)
        : state(state), ui(ui), services(services) {}
    void setup() override;

private:
    void setupOne(MasterDataCombo& combo, const char* table, const char* settingsKey,
                  std::initializer_list<std::initializer_list<const char*>> columns);
    ControlState& state;
    Ui& ui;
    ServiceHub& services;
};

} // namespace belegadressen
