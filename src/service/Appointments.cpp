// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "service/Appointments.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"
#include "service/ServiceValues.h"

namespace belegadressen {

namespace {
// An entry counts as finished when the user leaves the field or confirms it
// with Enter, not on every keystroke.
void onEditFinished(QLineEdit* field, QWidget* scope, std::function<void()> finished) {
    onLeave(field, scope, [finished] { skipOnError(finished); });
    onKeyPress(field, [finished](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) skipOnError(finished);
        return false;
    });
}

// A date field showing nothing but its mask counts as empty, like an empty
// stored date; only a real difference is an edit.
QString dateShown(const MaskedEdit* field) {
    return field->isEmptyMask() ? QString() : field->maskedText();
}
} // namespace

Appointments::Appointments(const ControlState& state, AddressRecords& records, Ui& ui,
                           ServiceHub& services, EventSink& events)
    : mState(state), mRecords(records), mUi(ui), mServices(services), mEvents(events) {}

void Appointments::connectSignals() {
    Ui& u = mUi;
    connectGuarded(u.btnVergebeTermin, &QPushButton::clicked, u.btnVergebeTermin,
                   [this] { btnVergebeTerminClick(); });
    connectGuarded(u.btnTerminAssistent, &QPushButton::clicked, u.btnTerminAssistent,
                   [this] { btnTerminAssistentClick(); });
    connectGuarded(u.btnLoeTermin, &QToolButton::clicked, u.btnLoeTermin,
                   [this] { LoescheTermin(false); });
    onEditFinished(u.txtTermin, u.root, [this] { txtTerminFertig(); });
    onEditFinished(u.txtDatumLetzteWartung, u.root, [this] { txtDatumLetzteWartungFertig(); });
    onLeave(u.txtDauer, u.root, [this] { guarded([&] { txtDauerPruefen(); }); });
    onLeave(u.txtStoerText, u.root, [this] { skipOnError([&] { txtStoerTextVerlassen(); }); });
    for (QLineEdit* f :
         {static_cast<QLineEdit*>(u.txtTermin), static_cast<QLineEdit*>(u.txtUhrzeit),
          static_cast<QLineEdit*>(u.txtDauer), static_cast<QLineEdit*>(u.txtDatumLetzteWartung)})
        connectGuarded(f, &QLineEdit::textChanged, f,
                       [this] { mState.raiseWhileReporting([&] { mEvents.raiseChange(); }); });
    connectGuarded(u.txtStoerText, &QLineEdit::textChanged, u.txtStoerText,
                   [this](const QString& text) {
                       if (mState.AktAdresse == 2) mEvents.raiseChangeBetreff(text);
                   });
}

QString Appointments::terminText() const { return dateShown(mUi.txtTermin); }

QString Appointments::uhrzeitText() const {
    return mUi.txtUhrzeit->isEmptyMask() ? QString() : mUi.txtUhrzeit->maskedText();
}

bool Appointments::dauer(qint16& hundredths) {
    const Duration d = durationFromText(mUi.txtDauer->text());
    if (!d.ok) {
        // Told once already when the field was left with this text.
        if (mUi.txtDauer->text() != mRefusedDauer) mServices.meldung(d.message);
        mRefusedDauer.clear();
        focusIfShown(mUi.txtDauer);
        return false;
    }
    hundredths = d.hundredths;
    return true;
}

void Appointments::btnVergebeTerminClick() {
    qint16 hundredths = 0;
    if (!dauer(hundredths)) return;
    const Ui& u = mUi;
    mEvents.raiseTerminEintragen(u.txtMonteur[0]->text(), terminText(), uhrzeitText(), hundredths,
                                 u.txtAnsprechpartner->text(), u.txtTelefon->text(),
                                 u.txtFax->text(), u.txtStoerText->text(), 0);
}

void Appointments::btnTerminAssistentClick() {
    qint16 hundredths = 0;
    if (!dauer(hundredths)) return;
    mEvents.raiseTerminAssistent(mUi.txtMonteur[0]->text(), terminText(), uhrzeitText(),
                                 hundredths);
}

bool Appointments::txtDauerPruefen() {
    const Duration d = durationFromText(mUi.txtDauer->text());
    if (d.ok) {
        mRefusedDauer.clear();
        return true;
    }
    mRefusedDauer = mUi.txtDauer->text();
    mServices.meldung(d.message);
    mUi.txtDauer->setFocus(Qt::OtherFocusReason);
    mUi.txtDauer->selectAll();
    return false;
}

void Appointments::LoescheTermin(bool mitAbfrage) {
    mEvents.raiseLoescheWarttermin(mitAbfrage);
    AdressDaten& r = mRecords.address(2);
    skipOnError([&] {
        mUi.txtTermin->clearValue();
        r.WartTermin.clear();
    });
    skipOnError([&] {
        mUi.txtUhrzeit->clearValue();
        r.WartUhrzeit = mUi.txtUhrzeit->maskedText();
    });
    skipOnError([&] {
        mUi.txtDauer->setValue(0);
        r.WartDauer = 0;
    });
}

void Appointments::txtTerminFertig() {
    if (!shown(mUi.txtTermin)) return;
    const QString stored = mState.address(2).WartTermin;
    const QString display = stored.isEmpty() ? QString() : mServices.dates().ToDisplay(stored);
    const QString text = terminText();
    if (text != display && text.isEmpty()) LoescheTermin(true);
}

void Appointments::txtDatumLetzteWartungFertig() {
    DateEdit* field = mUi.txtDatumLetzteWartung;
    if (!shown(field) || field->isReadOnly()) return;
    const QString stored = mState.address(2).DatumLetzteWartung;
    const QString display = stored.isEmpty() ? QString() : mServices.dates().ToDisplay(stored);
    const QString text = dateShown(field);
    if (text == display) return;
    mEvents.raiseChangeDatumLetzteWartung(text.isEmpty() ? QString()
                                                         : mServices.dates().ToStored(text));
}

void Appointments::txtStoerTextVerlassen() {
    if (mState.mAnzSeiten != 1 || shown(mUi.txtBemerkung)) return;
    if (shown(mUi.txtDNummer))
        mUi.txtDNummer->setFocus(Qt::OtherFocusReason);
    else if (mState.mSeiteVomBenutzer)
        mEvents.raiseBtnSeite2Click();
}

void Appointments::LeereWartungsdaten(int index, bool auchTermin) {
    ChangeGate gate(mState);
    AdressDaten& r = mRecords.at(index);
    if (!(index == 1 && !r.WartTermin.isEmpty() && !auchTermin)) {
        r.WartTermin.clear();
        r.WartDauer = mState.mStandarddauer;
        r.WartUhrzeit.clear();
    }
    for (QString* f :
         {&r.WartAnlagenBezeichnung, &r.WartMonteurName, &r.WartAnsprechpartner,
          &r.WartAnsprechpartnerID, &r.WartAnsprechpartnerTelefon, &r.WartAnsprechpartnerMobil,
          &r.WartAnsprechpartnerFax, &r.WartMonteur, &r.DatumLetzteWartung, &r.DatumLetzteRechnung,
          &r.WartVertragsnummer, &r.WartKundennummer})
        f->clear();
    r.WartStandort = 0;
    r.WartAnlagennummer = 0;
}

} // namespace belegadressen
