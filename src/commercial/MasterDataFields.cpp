#include "commercial/MasterDataFields.h"
#include "control/ControlState.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"

namespace belegadressen {

void MasterDataFields::setupOne(MasterDataCombo& combo, const char* table, const char* settingsKey,
                                std::initializer_list<std::initializer_list<const char*>> columns) {
    HostApplication& app = services.app();
    combo.setSourceMode(0);
    const bool withServer = combo.kind() == MasterDataCombo::Kind::Combo;
    if (withServer) combo.setServer(app.ComboServer());
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

void MasterDataFields::setup() {
    // Without a host object there is nothing to configure the lists with; the
    // fields still take and show keys.
    if (!state.mAppObj) return;
    Ui& u = ui;
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

} // namespace belegadressen
