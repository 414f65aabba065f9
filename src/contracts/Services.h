#pragma once
#include "contracts/CostAssignment.h"
#include "contracts/DateTextService.h"
#include "contracts/DialogRunner.h"
#include "contracts/ListSelectionService.h"
#include "contracts/MasterDataCombo.h"
#include "contracts/MessageService.h"
#include "contracts/PostalCodeManager.h"
#include "contracts/ResourceLibrary.h"
#include "contracts/SiteInformationDialog.h"
#include "contracts/SiteList.h"
#include "contracts/TextKindCatalogue.h"
#include "contracts/WindowPositionService.h"
#include <functional>
#include <memory>

namespace belegadressen {

// The shared services and closed components a control uses. Any member left
// empty falls back to the Qt default of the platform layer.
struct Services {
    std::shared_ptr<MessageService> messages;
    std::shared_ptr<DialogRunner> dialogs;
    std::shared_ptr<ResourceLibrary> resources;
    std::shared_ptr<DateTextService> dates;
    std::shared_ptr<WindowPositionService> windowPositions;
    std::shared_ptr<ListSelectionService> listSelection;
    std::function<std::shared_ptr<TextKindCatalogue>()> textKinds;
    std::function<std::shared_ptr<CostAssignment>()> costAssignment;
    std::function<std::shared_ptr<PostalCodeManager>()> postalCodeManager;
    std::function<std::shared_ptr<SiteInformationDialog>()> siteInformationDialog;
    std::function<SiteList*(QWidget* parent)> siteList;
    // Makes the nine master-data fields, each of its class, as children of
    // `parent`. A control builds its fields once, when it is constructed:
    // hand this to the constructor BelegAdressen(services, parent).
    std::function<MasterDataCombo*(MasterDataCombo::Kind kind, QWidget* parent)> masterDataCombo;
};

} // namespace belegadressen
