// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/ServiceHub.h"
#include "control/CheckedConnection.h"
#include "platform/Defaults.h"

namespace belegadressen {

namespace {

// The control's runner at the moment of each showing: a host that hands in
// its services after switching the postal-code check on still answers the
// manager's dialogs.
class CurrentDialogs final : public DialogRunner {
public:
    explicit CurrentDialogs(ServiceHub& hub) : mHub(hub) {}
    int exec(QDialog& dialog) override { return mHub.dialogs().exec(dialog); }
    void information(const QString& title, const QString& text) override {
        mHub.dialogs().information(title, text);
    }

private:
    ServiceHub& mHub;
};

} // namespace

void ServiceHub::set(const Services& services) { mS = services; }

DialogRunner& ServiceHub::dialogs() {
    if (!mS.dialogs) mS.dialogs = defaultDialogRunner();
    return *mS.dialogs;
}

MessageService& ServiceHub::messages() {
    if (!mS.messages) {
        dialogs();
        mS.messages = defaultMessageService(mS.dialogs);
    }
    return *mS.messages;
}

std::shared_ptr<MessageService> ServiceHub::sharedMessages() {
    messages();
    return mS.messages;
}

std::shared_ptr<DialogRunner> ServiceHub::sharedDialogs() {
    dialogs();
    return mS.dialogs;
}

ResourceLibrary& ServiceHub::resources() {
    if (!mS.resources) mS.resources = defaultResourceLibrary();
    return *mS.resources;
}

DateTextService& ServiceHub::dates() {
    if (!mS.dates) mS.dates = defaultDateTextService();
    return *mS.dates;
}

WindowPositionService& ServiceHub::windowPositions() {
    if (!mS.windowPositions) mS.windowPositions = defaultWindowPositionService();
    return *mS.windowPositions;
}

ListSelectionService& ServiceHub::listSelection() {
    if (!mS.listSelection) mS.listSelection = defaultListSelectionService();
    return *mS.listSelection;
}

std::shared_ptr<TextKindCatalogue> ServiceHub::newTextKindCatalogue() {
    // A host factory that answers nothing leaves the default in charge.
    auto catalogue = mS.textKinds ? mS.textKinds() : nullptr;
    return catalogue ? catalogue : defaultTextKindCatalogue();
}

namespace {
// A factory of the host that answers no object is reported by name, before
// anything is called on it.
template <typename T> std::shared_ptr<T> required(std::shared_ptr<T> made, const char* what) {
    if (!made)
        throw Error(Error::ObjectMissing,
                    QStringLiteral("Die Komponente %1 konnte nicht erzeugt werden.")
                        .arg(QLatin1String(what)));
    return made;
}
} // namespace

std::shared_ptr<CostAssignment> ServiceHub::newCostAssignment() {
    return required(mS.costAssignment ? mS.costAssignment() : defaultCostAssignment(),
                    "Kostenzuordnung");
}

std::shared_ptr<PostalCodeManager> ServiceHub::newPostalCodeManager() {
    return required(mS.postalCodeManager
                        ? mS.postalCodeManager()
                        : defaultPostalCodeManager(std::make_shared<CurrentDialogs>(*this)),
                    "Postleitzahlenverwaltung");
}

std::shared_ptr<SiteInformationDialog> ServiceHub::newSiteInformationDialog() {
    if (mS.siteInformationDialog) return mS.siteInformationDialog();
    return defaultSiteInformationDialog(mSt.mAppObj, sharedDialogs());
}

SiteList* ServiceHub::newSiteList(QWidget* parent) {
    return mS.siteList ? mS.siteList(parent) : defaultSiteList(parent);
}

HostApplication& ServiceHub::app() {
    if (!mSt.mAppObj)
        throw Error(Error::ObjectMissing,
                    QStringLiteral("Objektvariable nicht festgelegt: AppObj fehlt."));
    return *mSt.mAppObj;
}

std::shared_ptr<Connection> ServiceHub::connection() {
    auto c = app().ConnectionDB();
    if (!c)
        throw Error(Error::ObjectMissing, QStringLiteral("Keine Datenbankverbindung vorhanden."));
    return std::make_shared<CheckedConnection>(std::move(c));
}

void ServiceHub::meldung(const QString& text) { messages().Meldung(text, 4, kModulName, 0); }

} // namespace belegadressen
