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
// The postal-code manager shows its dialogs through `dialogs`, the control's runner.
std::shared_ptr<PostalCodeManager> defaultPostalCodeManager(std::shared_ptr<DialogRunner> dialogs);

} // namespace belegadressen
