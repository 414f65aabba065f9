#pragma once
#include "belegadressen_export.h"
#include "contracts/Services.h"

namespace belegadressen {

// The Qt defaults of the shared services and closed components.
BELEGADRESSEN_EXPORT std::shared_ptr<DialogRunner> defaultDialogRunner();
BELEGADRESSEN_EXPORT std::shared_ptr<MessageService>
defaultMessageService(std::shared_ptr<DialogRunner> dialogs);
BELEGADRESSEN_EXPORT std::shared_ptr<ResourceLibrary> defaultResourceLibrary();
BELEGADRESSEN_EXPORT std::shared_ptr<DateTextService> defaultDateTextService();
BELEGADRESSEN_EXPORT std::shared_ptr<WindowPositionService> defaultWindowPositionService();
BELEGADRESSEN_EXPORT std::shared_ptr<ListSelectionService> defaultListSelectionService();
BELEGADRESSEN_EXPORT std::shared_ptr<TextKindCatalogue> defaultTextKindCatalogue();
BELEGADRESSEN_EXPORT std::shared_ptr<CostAssignment> defaultCostAssignment();
BELEGADRESSEN_EXPORT std::shared_ptr<PostalCodeManager> defaultPostalCodeManager();

} // namespace belegadressen
