// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "commercial/Currency.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Values.h"
#include "platform/GermanNumbers.h"
#include "platform/SqlText.h"
#include <QLabel>

namespace belegadressen {

QString Currency::formatRate(double rate) { return formatGerman(rate, 5); }

double Currency::parseRate(const QString& text) { return parseGerman(text); }

void Currency::showHomeRate(QLabel* caption, double rate) {
    caption->setText(formatRate(rate));
    caption->setProperty("rate", rate);
}

double Currency::homeRate(const QLabel* caption) {
    const QVariant rate = caption->property("rate");
    if (rate.isValid() && formatRate(rate.toDouble()) == caption->text()) return rate.toDouble();
    return parseRate(caption->text());
}

double Currency::HoleWaehrungskurs(const QString& code) {
    auto rs = services.connection()->Execute("Select Kurs from Währungen where Währung = " +
                                             quoted(code));
    if (rs->Eof()) return -1;
    const QVariant kurs = rs->Value("kurs");
    return kurs.isNull() ? 0.0 : kurs.toDouble();
}

bool Currency::isHomeCurrency(const QString& code) const {
    return code.compare(state.mLandeswaehrung, Qt::CaseInsensitive) == 0;
}

void Currency::SetzeWaehrungsanzeige(const QString& code) {
    ui.lblWaehrungserfassung->setText(isHomeCurrency(code) ? QStringLiteral("Hauswährung")
                                                           : QStringLiteral("Fremdwährung"));
}

void Currency::showRateFields(bool foreign) {
    for (QWidget* w :
         {static_cast<QWidget*>(ui.cdoDKursbehandlung), static_cast<QWidget*>(ui.lblKursbehandlung),
          static_cast<QWidget*>(ui.txtDWechselkurs), static_cast<QWidget*>(ui.lblWechselkurs)})
        w->setVisible(foreign);
}

void Currency::zeige(const AdressDaten& r) {
    Ui& u = ui;
    skipOnError([&] {
        u.ocxWaehrung->setKeyValue(r.Waehrung.isEmpty() ? QVariant() : QVariant(r.Waehrung));
    });
    skipOnError([&] { SetzeWaehrungsanzeige(r.Waehrung); });
    skipOnError([&] { showRateFields(!isHomeCurrency(r.Waehrung)); });
    skipOnError([&] { u.TxtDHauswaehrung->setText(state.mLandeswaehrung); });
    skipOnError([&] { showHomeRate(u.txtDKursHauswaehrung, r.WechselkursHauswaehrung); });
    skipOnError([&] { services.listSelection().Select(*u.cdoDKursbehandlung, r.Kursbehandlung); });
}

void Currency::speichere(AdressDaten& r) {
    Ui& u = ui;
    const QVariant key = u.ocxWaehrung->KeyValue();
    r.Waehrung = textOf(key);
    r.Waehrungserfassung = isHomeCurrency(r.Waehrung) ? 1 : 2;
    r.WechselkursHauswaehrung = homeRate(u.txtDKursHauswaehrung);
    r.Kursbehandlung =
        static_cast<qint16>(services.listSelection().SelectedValue(*u.cdoDKursbehandlung).toInt());
}

void Currency::AddWaehrung(const QString& code) {
    AdressDaten& r = records.current();
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    r.Waehrung = code.trimmed().isEmpty() ? state.mLandeswaehrung : code;
    ui.ocxWaehrung->setKeyValue(r.Waehrung);
    const QVariant shownKey = ui.ocxWaehrung->KeyValue();
    SetzeWaehrungsanzeige(textOf(shownKey));
}

void Currency::AddWechselkursHauswaehrung(double rate) {
    AdressDaten& r = records.current();
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    if (rate != 0) {
        r.WechselkursHauswaehrung = rate;
    } else {
        double home = 0;
        skipOnError([&] { home = HoleWaehrungskurs(state.mLandeswaehrung); });
        r.WechselkursHauswaehrung = home == -1 ? 0 : home;
    }
    skipOnError([&] { showHomeRate(ui.txtDKursHauswaehrung, r.WechselkursHauswaehrung); });
    skipOnError([&] { ui.TxtDHauswaehrung->setText(state.mLandeswaehrung); });
}

void Currency::AddKursbehandlung(qint16 value) {
    AdressDaten& r = records.current();
    ChangeGate gate(state, ChangeGate::OnError::StayClosed);
    r.Kursbehandlung = value;
    services.listSelection().Select(*ui.cdoDKursbehandlung, value);
}

void Currency::raiseWaehrungchange() {
    const QVariant key = ui.ocxWaehrung->KeyValue();
    events.raiseWaehrungchange(textOf(key), homeRate(ui.txtDKursHauswaehrung),
                               ui.txtDWechselkurs->value(),
                               static_cast<qint16>(ui.cdoDKursbehandlung->currentIndex()));
}

} // namespace belegadressen
