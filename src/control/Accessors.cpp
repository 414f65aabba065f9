// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/Accessors.h"
#include "contracts/PostalCodeManager.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/SubsystemPorts.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include <cmath>

namespace belegadressen {

namespace {
const QString kEmptyDate = QStringLiteral("__.__.____");
const QString kEmptyTime = QStringLiteral("__:__");

// Durations cross the interface in hundredths of an hour.
double fromHundredths(qint16 v) { return std::round(static_cast<double>(v)) / 100.0; }
} // namespace

void Accessors::show(const FieldRef& field) { view.showField(field); }

void Accessors::noteDocumentValues(bool nummer) {
    const int i = state.currentIndex();
    const AdressDaten& r = records.current();
    auto& snapshots = records.geladeneStammzeilen();
    const auto loaded = snapshots.constFind(i);
    if (loaded != snapshots.constEnd() && !loaded->tabelle.isEmpty() &&
        (!nummer || loaded->nummer == r.Nummer))
        return;
    snapshots[i] = {QString(), r.Nummer, r};
}

qint16 Accessors::GetWartDauer() const {
    const double hundredths = std::round(state.current().WartDauer * 100.0);
    // NaN fails every comparison: test for a finite value first.
    if (!std::isfinite(hundredths) || hundredths > 32767 || hundredths < -32768)
        throw Error(Error::Overflow,
                    QStringLiteral("Überlauf: die Dauer passt nicht in den Wertebereich."));
    return static_cast<qint16>(hundredths);
}

void Accessors::AddWartDauer(qint16 hundredths) {
    add(&AdressDaten::WartDauer, fromHundredths(hundredths));
}

void Accessors::AddStandarddauer(qint16 hundredths) {
    ChangeGate gate(state);
    settings.mStandarddauer = fromHundredths(hundredths);
}

QString Accessors::GetWartTermin() const {
    const QString& v = state.current().WartTermin;
    return v == kEmptyDate ? QString() : v;
}

QString Accessors::GetWartUhrzeit() const {
    const QString& v = state.current().WartUhrzeit;
    return v == kEmptyTime ? QString() : v;
}

void Accessors::AddWartUhrzeit(const QString& v) { add(&AdressDaten::WartUhrzeit, v); }

QString Accessors::GetBemerkung() const { return state.current().Bemerkung.trimmed(); }

void Accessors::AddBemerkung(const QString& v) { add(&AdressDaten::Bemerkung, v.trimmed()); }

bool Accessors::GetDruckAnsprechpartner() const {
    return textBool(state.current().DruckAnsprechpartner);
}

void Accessors::AddDruckAnsprechpartner(bool v) {
    add(&AdressDaten::DruckAnsprechpartner, boolText(v));
}

void Accessors::AddWarttxtStoerText(const QString& text, const QString& rtf) {
    state.current();
    if (state.AktAdresse != 2) return;
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    QLineEdit* field = ui.txtStoerText;
    field->setText(text);
    // A formatted fault text comes from the scheduler and is not edited here.
    showEditable(field, rtf.trimmed().isEmpty());
}

QString Accessors::GetWartStoerText() const { return ui.txtStoerText->text(); }

void Accessors::AddWartAnlagennummer(qint16 v) {
    AdressDaten& r = records.current();
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    if (v != r.WartAnlagennummer) {
        const QString kunde =
            r.WartKundennummer.trimmed().isEmpty() ? r.Nummer : r.WartKundennummer;
        const QVariant name = serviceData.HoleAnlagenbezeichnung(kunde, r.WartStandort, v);
        if (name.typeId() != QMetaType::Bool) {
            r.WartAnlagenBezeichnung = name.toString();
            view.showField(&AdressDaten::WartAnlagenBezeichnung);
        }
    }
    r.WartAnlagennummer = v;
    view.showField(&AdressDaten::WartAnlagennummer);
}

void Accessors::AddWartMonteur(const QString& v) {
    AdressDaten& r = records.current();
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    r.WartMonteur = v;
    skipOnError([&] { view.showField(&AdressDaten::WartMonteur); });
    if (v.trimmed().isEmpty()) return;
    skipOnError([&] {
        const QVariant name = serviceData.HoleMonteurname(v);
        if (name.typeId() == QMetaType::Bool) return;
        r.WartMonteurName = name.toString();
        view.showField(&AdressDaten::WartMonteurName);
    });
}

void Accessors::AddMitPostleitzahl(const QString& mit, std::shared_ptr<HostApplication> app,
                                   const QString& connectString,
                                   std::shared_ptr<Connection> connection, bool ortsteile) {
    HostSettings& st = settings;
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    // Words true/false and numbers convert; any other text leaves the flag.
    const QString t = mit.trimmed();
    bool isNumber = false;
    const double number = t.toDouble(&isNumber);
    if (isNumber)
        st.MitPostleitzahl = number != 0;
    else if (t.compare("true", Qt::CaseInsensitive) == 0 ||
             t.compare("wahr", Qt::CaseInsensitive) == 0)
        st.MitPostleitzahl = true;
    else if (t.compare("false", Qt::CaseInsensitive) == 0 ||
             t.compare("falsch", Qt::CaseInsensitive) == 0)
        st.MitPostleitzahl = false;
    if (!st.MitPostleitzahl) {
        skipOnError([&] { ui.btnPlz->hide(); });
        return;
    }
    skipOnError([&] { st.mPlzManager = services.newPostalCodeManager(); });
    skipOnError([&] {
        if (st.mPlzManager) st.mPlzManager->Init(app, connectString, connection, ortsteile);
    });
    skipOnError([&] {
        ui.btnPlz->show();
        ui.btnPlz->setIcon(services.resources().Bild(338));
    });
}

void Accessors::AddMitPostleitzahlOnline(const QString& v) {
    skipOnError([&] { settings.MitPostleitzahlOnline = v != QLatin1String("0"); });
}

} // namespace belegadressen
