#pragma once
#include "contracts/MasterDataCombo.h"

namespace belegadressen {

// Creates the platform's master-data field of the given class.
MasterDataCombo* createMasterDataCombo(MasterDataCombo::Kind kind, QWidget* parent);

} // namespace belegadressen
