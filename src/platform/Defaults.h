// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
BELEGADRESSEN_EXPORT std::shared_ptr<SiteInformationDialog>
defaultSiteInformationDialog(std::shared_ptr<HostApplication> app,
                             std::shared_ptr<DialogRunner> dialogs);
BELEGADRESSEN_EXPORT SiteList* defaultSiteList(QWidget* parent);
BELEGADRESSEN_EXPORT MasterDataCombo* defaultMasterDataCombo(MasterDataCombo::Kind kind,
                                                             QWidget* parent);
/// Hands a field made by defaultMasterDataCombo the services it shows its
/// messages and dialogs through; a field of another making is left alone.
BELEGADRESSEN_EXPORT void setMasterDataComboServices(MasterDataCombo& combo,
                                                     std::shared_ptr<MessageService> messages,
                                                     std::shared_ptr<DialogRunner> dialogs);
/// The postal-code manager shows its dialogs through `dialogs`, the control's runner.
BELEGADRESSEN_EXPORT std::shared_ptr<PostalCodeManager>
defaultPostalCodeManager(std::shared_ptr<DialogRunner> dialogs);

} // namespace belegadressen
