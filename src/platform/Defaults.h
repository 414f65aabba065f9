#pragma once
#include "contracts/Services.h"

namespace belegadressen {

// The Qt defaults of the shared services and closed components.
std::shared_ptr<DialogRunner> defaultDialogRunner();
std::shared_ptr<MessageService> defaultMessageService(std::shared_ptr<DialogRunner> dialogs);
std::shared_ptr<ResourceLibrary> defaultResourceLibrary();
std::shared_ptr<DateTextService> defaultDateTextService();
std::shared_ptr<WindowPositionService> defaultWindowPositionService();
std::shared_ptr<ListSelectionService> defaultListSelectionService();
std::shared_ptr<TextKindCatalogue> defaultTextKindCatalogue();
std::shared_ptr<CostAssignment> defaultCostAssignment();
std::shared_ptr<PostalCodeManager> defaultPostalCodeManager();
std::shared_ptr<SiteInformationDialog>
defaultSiteInformationDialog(std::shared_ptr<HostApplication> app,
                             std::shared_ptr<DialogRunner> dialogs);
SiteList* defaultSiteList(QWidget* parent);
MasterDataCombo* defaultMasterDataCombo(MasterDataCombo::Kind kind, QWidget* parent);
// Hands a field made by defaultMasterDataCombo the services it shows its
// messages and dialogs through; a field of another making is left alone.
void setMasterDataComboServices(MasterDataCombo& combo, std::shared_ptr<MessageService> messages,
                                std::shared_ptr<DialogRunner> dialogs);
// The postal-code manager shows its dialogs through `dialogs`, the control's runner.
std::shared_ptr<PostalCodeManager> defaultPostalCodeManager(std::shared_ptr<DialogRunner> dialogs);

} // namespace belegadressen
