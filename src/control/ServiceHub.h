// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/Services.h"
#include "control/ControlState.h"

namespace belegadressen {

// The services of one control: what the host handed in, else the Qt defaults,
// each created on first use.
class ServiceHub {
public:
    explicit ServiceHub(const ControlState& st) : mSt(st) {}
    void set(const Services& services);

    MessageService& messages();
    DialogRunner& dialogs();
    std::shared_ptr<MessageService> sharedMessages();
    std::shared_ptr<DialogRunner> sharedDialogs();
    ResourceLibrary& resources();
    DateTextService& dates();
    WindowPositionService& windowPositions();
    ListSelectionService& listSelection();
    std::shared_ptr<TextKindCatalogue> newTextKindCatalogue();
    std::shared_ptr<CostAssignment> newCostAssignment();
    std::shared_ptr<PostalCodeManager> newPostalCodeManager();
    // The site dialog and the site list; ours show through dialogs().
    std::shared_ptr<SiteInformationDialog> newSiteInformationDialog();
    SiteList* newSiteList(QWidget* parent);

    // The host application object; error when the host has not set it yet.
    HostApplication& app();
    // The host's database connection.
    std::shared_ptr<Connection> connection();

    // Shows a message with kind 4 and the module's title.
    void meldung(const QString& text);

private:
    const ControlState& mSt;
    Services mS;
};

inline const QString kModulName = QStringLiteral("QelBelAdr");

} // namespace belegadressen
