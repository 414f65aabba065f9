#pragma once
#include <initializer_list>

namespace belegadressen {

struct Context;
class MasterDataCombo;

// Configures the master-data selection fields from the host's tables. Runs on
// every assignment of the number of addresses.
class MasterDataFields {
public:
    explicit MasterDataFields(Context& c) : c(c) {}
    void setup();

private:
    void setupOne(MasterDataCombo& combo, const char* table, const char* settingsKey,
                  std::initializer_list<std::initializer_list<const char*>> columns);
    Context& c;
};

} // namespace belegadressen
