// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/Defaults.h"
#include "platform/ComboListSelection.h"
#include "platform/QtDateTextService.h"
#include "platform/QtDialogRunner.h"
#include "platform/QtMasterDataCombo.h"
#include "platform/QtMessageService.h"
#include "platform/QtResourceLibrary.h"
#include "platform/SettingsWindowPositions.h"
#include "platform/SqlCostAssignment.h"
#include "platform/SqlPostalCodeManager.h"
#include "platform/StandardTextKindCatalogue.h"
#include "platform/StandortAuskunft.h"
#include "platform/StandortListe2.h"

namespace belegadressen {

std::shared_ptr<DialogRunner> defaultDialogRunner() { return std::make_shared<QtDialogRunner>(); }

std::shared_ptr<MessageService> defaultMessageService(std::shared_ptr<DialogRunner> dialogs) {
    if (!dialogs) dialogs = defaultDialogRunner();
    return std::make_shared<QtMessageService>(std::move(dialogs), defaultResourceLibrary());
}

std::shared_ptr<ResourceLibrary> defaultResourceLibrary() {
    return std::make_shared<QtResourceLibrary>();
}

std::shared_ptr<DateTextService> defaultDateTextService() {
    return std::make_shared<QtDateTextService>();
}

std::shared_ptr<WindowPositionService> defaultWindowPositionService() {
    return std::make_shared<SettingsWindowPositions>();
}

std::shared_ptr<ListSelectionService> defaultListSelectionService() {
    return std::make_shared<ComboListSelection>();
}

std::shared_ptr<TextKindCatalogue> defaultTextKindCatalogue() {
    return std::make_shared<StandardTextKindCatalogue>();
}

std::shared_ptr<CostAssignment> defaultCostAssignment() {
    return std::make_shared<SqlCostAssignment>();
}

std::shared_ptr<PostalCodeManager> defaultPostalCodeManager(std::shared_ptr<DialogRunner> dialogs) {
    if (!dialogs) dialogs = defaultDialogRunner();
    return std::make_shared<SqlPostalCodeManager>(std::move(dialogs));
}

std::shared_ptr<SiteInformationDialog>
defaultSiteInformationDialog(std::shared_ptr<HostApplication> app,
                             std::shared_ptr<DialogRunner> dialogs) {
    return std::make_shared<StandortAuskunft>(std::move(app), std::move(dialogs));
}

SiteList* defaultSiteList(QWidget* parent) { return new StandortListe2(parent); }
MasterDataCombo* defaultMasterDataCombo(MasterDataCombo::Kind kind, QWidget* parent) {
    return new QtMasterDataCombo(kind, parent);
}

void setMasterDataComboServices(MasterDataCombo& combo, std::shared_ptr<MessageService> messages,
                                std::shared_ptr<DialogRunner> dialogs) {
    if (auto* ours = qobject_cast<QtMasterDataCombo*>(&combo))
        ours->setServices(std::move(messages), std::move(dialogs));
}

} // namespace belegadressen
