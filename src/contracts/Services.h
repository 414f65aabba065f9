// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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

/// The shared services and closed components a control uses. Any member left
/// empty falls back to the Qt default of the platform layer.
struct Services {
    /// User messages.
    std::shared_ptr<MessageService> messages;
    /// Modal showing of dialogs.
    std::shared_ptr<DialogRunner> dialogs;
    /// Pictures and message texts.
    std::shared_ptr<ResourceLibrary> resources;
    /// Date text conversion.
    std::shared_ptr<DateTextService> dates;
    /// Saved window positions.
    std::shared_ptr<WindowPositionService> windowPositions;
    /// Selection in drop-down lists.
    std::shared_ptr<ListSelectionService> listSelection;
    /// Makes the text-kind catalogue of the header and footer texts.
    std::function<std::shared_ptr<TextKindCatalogue>()> textKinds;
    /// Makes the cost-assignment component.
    std::function<std::shared_ptr<CostAssignment>()> costAssignment;
    /// Makes the postal-code manager.
    std::function<std::shared_ptr<PostalCodeManager>()> postalCodeManager;
    /// Makes the site-information dialog.
    std::function<std::shared_ptr<SiteInformationDialog>()> siteInformationDialog;
    /// Makes the site list of the site window.
    std::function<SiteList*(QWidget* parent)> siteList;
    /// Makes the nine master-data fields, each of its class, as children of
    /// `parent`. A control builds its fields once, when it is constructed:
    /// hand this to the constructor BelegAdressen(services, parent).
    std::function<MasterDataCombo*(MasterDataCombo::Kind kind, QWidget* parent)> masterDataCombo;
};

} // namespace belegadressen
