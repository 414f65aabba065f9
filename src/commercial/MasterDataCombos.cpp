// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "commercial/MasterDataCombos.h"
#include "commercial/CurrencyChange.h"
#include "control/AddressGuard.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Values.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

MasterDataCombos::MasterDataCombos(const ControlState& state, Ui& ui, ServiceHub& services,
                                   EventSink& events, CurrencyChange& currency, AddressGuard& guard)
    : mState(state), mUi(ui), mServices(services), mEvents(events), mCurrency(currency),
      mGuard(guard) {}

void MasterDataCombos::setupOne(MasterDataCombo& combo, const char* table, const char* settingsKey,
                                std::initializer_list<std::initializer_list<const char*>> columns) {
    HostApplication& app = mServices.app();
    combo.setSourceMode(0);
    // The plain entry has no server; the free-text combo gets it after its owner form.
    if (combo.kind() == MasterDataCombo::Kind::Combo) combo.setServer(app.ComboServer());
    combo.setOwnerForm(app.MainForm());
    if (combo.kind() == MasterDataCombo::Kind::ComboEdit) combo.setServer(app.ComboServer());
    combo.setTableName(QString::fromUtf8(table));
    combo.setConnection(app.ConnectionDB());
    combo.setUserName(app.User());
    if (settingsKey) combo.setSettingsKey(QString::fromUtf8(settingsKey));
    combo.ClearColumns();
    for (const auto& col : columns) {
        const auto* it = col.begin();
        const QString name = QString::fromUtf8(it[0]);
        const QString heading = col.size() > 1 ? QString::fromUtf8(it[1]) : name;
        const QString format = col.size() > 2 ? QString::fromUtf8(it[2]) : QString();
        combo.AddColumn(name, heading, format);
    }
}

void MasterDataCombos::setup() {
    // Without a host object there is nothing to configure the lists with; the
    // fields still take and show keys.
    if (!mState.mAppObj) return;
    Ui& u = mUi;
    for (MasterDataCombo* v : u.ocxVertreter)
        setupOne(*v, "Personalstamm", nullptr,
                 {{"Titel"}, {"Vorname"}, {"Nachname"}, {"Durchwahl"}, {"Kurzzeichen"}});
    setupOne(*u.ocxWaehrung, "Währungen", nullptr,
             {{"Währung", "Kürzel"},
              {"Langtext", "Bezeichnung"},
              {"Kurs", "Kurs", "###,###,###,###.00000"},
              {"Shiftfaktor", "Faktor"},
              {"KZFibu", "KnzFibu"}});
    setupOne(*u.ocxMwstKnz, "MWStKennzeichenKunde", nullptr,
             {{"MWStKZ", "key"}, {"Kurztext", "Beschreibung"}});
    setupOne(*u.ocxZahlungsbedingungen, "Zahlungsbedingungen", "ZBeding",
             {{"ZahlBedSchl", "Schlüssel"},
              {"Kurztext", "Bezeichnung"},
              {"NettoTage", "Netto-Tage"},
              {"SkontoTage1", "Tage 1"},
              {"SkontoProzent1", "Prozent 1"},
              {"SkontoTage2", "Tage 2"},
              {"SkontoProzent2", "Prozent 2"},
              {"SkontoTage3", "Tage 3"},
              {"SkontoProzent3", "Prozent 3"},
              {"TextNummer", "TextNummer"},
              {"AlternativeTextNummer", "Altern. TextNummer"}});
    setupOne(
        *u.ocxZahlungsart, "Zahlungsarten", "ZArten",
        {{"Zahlungsart", "Schlüssel"}, {"Kurztext", "Bezeichnung"}, {"ZahlungsartFibu", "Fibu"}});
    setupOne(*u.ocxDVersandart, "Versandtexte", nullptr,
             {{"Versandart", "Versandart"}, {"Kurztext", "Kurztext"}});
    setupOne(*u.ocxAnrede, "Anreden", nullptr, {{"Anrede", "Anrede"}});
}

bool MasterDataCombos::gateOpen() const { return mState.aenderungMelden(); }

bool MasterDataCombos::mayReport() { return gateOpen() && mGuard.PruefeAdressnummer(); }

void MasterDataCombos::anredeKeyChanged() {
    if (!gateOpen()) return;
    bool numbered = true;
    skipOnError([&] { numbered = mGuard.PruefeAdressnummer(); });
    if (!numbered) {
        // Emptied with the gate closed, so that clearing it reports nothing.
        ChangeGate gate(mState);
        skipOnError([&] { mUi.ocxAnrede->setKeyValue(QString()); });
        return;
    }
    skipOnError([&] { mEvents.raiseChange(); });
}

void MasterDataCombos::mwstKnzItemSelected() {
    skipOnError([&] {
        const bool one = isTaxKeyOne(mUi.ocxMwstKnz->KeyValue());
        const bool visible = one && mState.MitDebitorenkonto;
        mUi.lblUstIdentNr->setVisible(visible);
        mUi.txtDUstIdentNr->setVisible(visible);
    });
    bool report = false;
    skipOnError([&] { report = mayReport(); });
    if (!report) return;
    skipOnError([&] { mEvents.raiseChangeMwstKnz(textOf(mUi.ocxMwstKnz->KeyValue())); });
}

void MasterDataCombos::zahlungsbedingungenChanged() {
    if (!mayReport()) return;
    mEvents.raiseChangeZahlungsbedingungen(textOf(mUi.ocxZahlungsbedingungen->KeyValue()));
}

void MasterDataCombos::connectSignals() {
    Ui& u = mUi;
    using M = MasterDataCombo;
    std::vector<MasterDataCombo*> all = {u.ocxAnrede,      u.ocxDVersandart,         u.ocxMwstKnz,
                                         u.ocxZahlungsart, u.ocxZahlungsbedingungen, u.ocxWaehrung};
    all.insert(all.end(), u.ocxVertreter.begin(), u.ocxVertreter.end());
    // A field's own check of its key decides whether it may be left.
    for (MasterDataCombo* combo : all)
        connectReportedByField(combo, &M::ValidateRequest, combo, [combo](bool* cancel) {
            if (!cancel) return;
            skipOnError([&] { combo->ValidateInput(*cancel); });
        });

    // Salutation, shipping method and tax key skip a failing step; payment
    // method, payment terms and the representatives hand a failure back to
    // the field that raised the event.
    connectReportedByField(u.ocxAnrede, &M::KeyChanged, u.ocxAnrede,
                           [this] { anredeKeyChanged(); });
    connectReportedByField(u.ocxAnrede, &M::ItemSelected, u.ocxAnrede, [this] {
        if (gateOpen()) skipOnError([&] { mEvents.raiseClick(); });
    });
    auto versandart = [this] {
        if (gateOpen()) skipOnError([&] { mEvents.raiseChange(); });
    };
    connectReportedByField(u.ocxDVersandart, &M::ItemSelected, u.ocxDVersandart, versandart);
    connectReportedByField(u.ocxDVersandart, &M::EditChange, u.ocxDVersandart, versandart);
    connectReportedByField(u.ocxMwstKnz, &M::ItemSelected, u.ocxMwstKnz,
                           [this] { mwstKnzItemSelected(); });
    connectReportedByField(u.ocxZahlungsart, &M::KeyChanged, u.ocxZahlungsart, [this] {
        if (mayReport()) mEvents.raiseChange();
    });
    connectReportedByField(u.ocxZahlungsart, &M::ItemSelected, u.ocxZahlungsart, [this] {
        if (mayReport()) mEvents.raiseClick();
    });
    connectReportedByField(u.ocxZahlungsbedingungen, &M::KeyChanged, u.ocxZahlungsbedingungen,
                           [this] { zahlungsbedingungenChanged(); });
    connectReportedByField(u.ocxZahlungsbedingungen, &M::ItemSelected, u.ocxZahlungsbedingungen,
                           [this] { zahlungsbedingungenChanged(); });
    for (MasterDataCombo* v : u.ocxVertreter) {
        connectReportedByField(v, &M::KeyChanged, v, [this] {
            if (gateOpen()) mEvents.raiseChange();
        });
        connectReportedByField(v, &M::ItemSelected, v, [this] {
            if (gateOpen()) mEvents.raiseClick();
        });
    }

    connectReportedByField(u.ocxWaehrung, &M::KeyChanged, u.ocxWaehrung,
                           [this] { mCurrency.keyChanged(); });
    connectReportedByField(u.ocxWaehrung, &M::ItemSelected, u.ocxWaehrung,
                           [this] { mCurrency.itemSelected(); });
    connectReportedByField(u.ocxWaehrung, &M::FieldEnter, u.ocxWaehrung,
                           [this] { mCurrency.fieldEnter(); });
    connectReportedByField(u.ocxWaehrung, &M::FieldConfirm, u.ocxWaehrung,
                           [this] { mCurrency.fieldConfirm(); });
}

} // namespace belegadressen
