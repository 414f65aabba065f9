#pragma once
#include "contracts/DialogRunner.h"
#include "contracts/MasterDataCombo.h"
#include "contracts/MessageService.h"
#include <memory>

namespace belegadressen {

// Creates the platform's master-data field of the given class.
MasterDataCombo* createMasterDataCombo(MasterDataCombo::Kind kind, QWidget* parent);

// Hands a field created above the services it shows its messages and dialogs
// through; a field of another making is left alone.
void setMasterDataComboServices(MasterDataCombo& combo, std::shared_ptr<MessageService> messages,
                                std::shared_ptr<DialogRunner> dialogs);

} // namespace belegadressen
