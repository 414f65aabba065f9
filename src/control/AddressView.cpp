// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/AddressView.h"
#include "control/ControlState.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "control/SubsystemPorts.h"
#include "control/Ui.h"
#include "control/Values.h"
#include "platform/LineText.h"
#include <QLocale>

namespace belegadressen {

namespace {
template <class T> T& at(AdressDaten& r, const FieldRef& f) {
    return r.*std::get<T AdressDaten::*>(f);
}
template <class T> const T& at(const AdressDaten& r, const FieldRef& f) {
    return r.*std::get<T AdressDaten::*>(f);
}
} // namespace

void AddressView::bind() {
    Ui& u = ui;
    using A = AdressDaten;
    mBindings = {
        {&A::Nummer, Shown::Text, u.txtDNummer},
        {&A::Anrede, Shown::Key, u.ocxAnrede, 50},
        {&A::Vorname, Shown::Text, u.txtDAdr[0]},
        {&A::Bez1, Shown::Text, u.txtDAdr[1]},
        {&A::Bez2, Shown::Text, u.txtDAdr[2]},
        {&A::Bez3, Shown::Text, u.txtDAdr[3]},
        {&A::Bez4, Shown::Text, u.txtDAdr[4]},
        {&A::Strasse, Shown::Text, u.txtDAdr[5]},
        {&A::Ort, Shown::Text, u.txtDAdr[6]},
        {&A::HauptKonto, Shown::Text, u.txtDHauptkonto},
        {&A::AnsprechpartnerKD, Shown::Text, u.txtAnsprechpartnerKD},
        {&A::DruckAnsprechpartner, Shown::CheckText, u.chkDruckInAnschriftKD},
        {&A::MwstKnz, Shown::Key, u.ocxMwstKnz},
        {&A::UstIdentNr, Shown::Text, u.txtDUstIdentNr},
        {&A::Rabatt, Shown::Number, u.txtDAuftragsrabatt},
        {&A::Zahlungsart, Shown::Key, u.ocxZahlungsart},
        {&A::PostfachPlz, Shown::Text, u.txtDPlzPostfach},
        {&A::Postfach, Shown::Text, u.txtDPostfach},
        {&A::Zahlungsbedingungen, Shown::Key, u.ocxZahlungsbedingungen},
        {&A::KzDivers, Shown::Check, u.chkKnzDivers},
        {&A::DruckAufbewahrungsfrist, Shown::Check, u.chkDruckAufbewahrungsfrist},
        {&A::RechnungPerPDF, Shown::Check, u.chkRechnungPerPDF},
        {&A::Land, Shown::ListText, u.cdoDLand},
        {&A::Postleitzahl, Shown::Text, u.txtDPostleitzahl},
        {&A::Versandart, Shown::Key, u.ocxDVersandart},
        {&A::Wechselkurs, Shown::Number, u.txtDWechselkurs},
        {&A::Vertreter1, Shown::Key, u.ocxVertreter[0]},
        {&A::Vertreter2, Shown::Key, u.ocxVertreter[1]},
        {&A::Vertreter3, Shown::Key, u.ocxVertreter[2]},
        {&A::VKD_Nr, Shown::Text, u.txtDKD_Nr[0]},
        {&A::RKD_Nr, Shown::Text, u.txtDKD_Nr[1]},
        {&A::VAD_Nr, Shown::Text, u.txtDAD_Nr[0]},
        {&A::RAD_Nr, Shown::Text, u.txtDAD_Nr[1]},
        {&A::KAnNr, Shown::Text, u.txtDAnNr[0]},
        {&A::KAuNr, Shown::Text, u.txtdAuNr[0]},
        {&A::KLsNr, Shown::Text, u.txtdLsNr[0]},
        {&A::KReNr, Shown::Text, u.txtdReNr[0]},
        {&A::KGuNr, Shown::Text, u.txtdGuNr[0]},
        {&A::FAnNr, Shown::Text, u.txtDAnNr[1]},
        {&A::FAuNr, Shown::Text, u.txtdAuNr[1]},
        {&A::FLsNr, Shown::Text, u.txtdLsNr[1]},
        {&A::FReNr, Shown::Text, u.txtdReNr[1]},
        {&A::FGuNr, Shown::Text, u.txtdGuNr[1]},
        {&A::WartTermin, Shown::Date, u.txtTermin},
        {&A::WartDauer, Shown::Number, u.txtDauer},
        {&A::WartUhrzeit, Shown::Time, u.txtUhrzeit},
        {&A::WartAnsprechpartner, Shown::Text, u.txtAnsprechpartner},
        {&A::WartAnsprechpartnerTelefon, Shown::Text, u.txtTelefon},
        {&A::WartAnsprechpartnerMobil, Shown::Text, u.txtMobil},
        {&A::WartAnsprechpartnerFax, Shown::Text, u.txtFax},
        {&A::WartStandort, Shown::CaptionInt, u.txtStandort},
        {&A::WartMonteur, Shown::Text, u.txtMonteur[0]},
        {&A::WartAnlagennummer, Shown::CaptionInt, u.txtAnlage},
        {&A::WartVertragsnummer, Shown::Caption, u.txtVertrag},
        {&A::WartAnlagenBezeichnung, Shown::Caption, u.txtAnlagenBezeichnung},
        {&A::WartMonteurName, Shown::Caption, u.txtMonteurname[0]},
        {&A::DatumLetzteWartung, Shown::DateOrEmpty, u.txtDatumLetzteWartung},
        {&A::DatumLetzteRechnung, Shown::DateOrEmpty, u.txtDatumLetzteRechnung},
        {&A::Bemerkung, Shown::Text, u.txtBemerkung},
    };
}

void AddressView::requireRoomFor(const FieldRef& field, const QString& text) const {
    const Binding* b = find(field);
    if (!b) return;
    int limit = b->maxLength;
    if (b->how == Shown::Text) limit = static_cast<const QLineEdit*>(b->widget)->maxLength();
    if (limit <= 0 || text.size() <= limit) return;
    const QString name = b->widget->accessibleName().isEmpty() ? b->widget->objectName()
                                                               : b->widget->accessibleName();
    const QLocale german(QLocale::German);
    throw Error(Error::InvalidCall,
                QStringLiteral("Der Wert hat %1 Zeichen; das Feld „%2“ (%3) fasst höchstens %4. "
                               "Er wurde nicht übernommen, damit er nicht gekürzt gespeichert "
                               "wird.")
                    .arg(german.toString(text.size()), name, b->widget->objectName(),
                         german.toString(limit)));
}

const Binding* AddressView::find(const FieldRef& field) const {
    for (const Binding& b : mBindings)
        if (b.field == field) return &b;
    return nullptr;
}

void AddressView::show(const Binding& b, const AdressDaten& r) {
    switch (b.how) {
    case Shown::Text:
        showLineText(static_cast<QLineEdit*>(b.widget), at<QString>(r, b.field));
        break;
    case Shown::Caption:
        static_cast<QLabel*>(b.widget)->setText(at<QString>(r, b.field));
        break;
    case Shown::CaptionInt:
        static_cast<QLabel*>(b.widget)->setText(QString::number(at<qint16>(r, b.field)));
        break;
    case Shown::Check:
        static_cast<QCheckBox*>(b.widget)->setChecked(at<bool>(r, b.field));
        break;
    case Shown::CheckText:
        static_cast<QCheckBox*>(b.widget)->setChecked(textBool(at<QString>(r, b.field)));
        break;
    case Shown::Key: {
        const QString& key = at<QString>(r, b.field);
        static_cast<MasterDataCombo*>(b.widget)->setKeyValue(key.isEmpty() ? QVariant()
                                                                           : QVariant(key));
        break;
    }
    case Shown::ListText:
        static_cast<QComboBox*>(b.widget)->setCurrentText(at<QString>(r, b.field));
        break;
    case Shown::Number:
        static_cast<NumberEdit*>(b.widget)->setValue(at<double>(r, b.field));
        break;
    case Shown::Date:
    case Shown::DateOrEmpty: {
        const QString& text = at<QString>(r, b.field);
        auto* edit = static_cast<DateEdit*>(b.widget);
        if (text.isEmpty())
            edit->clearValue();
        else
            edit->setText(services.dates().ToDisplay(text));
        break;
    }
    case Shown::Time: {
        const QString& text = at<QString>(r, b.field);
        auto* edit = static_cast<TimeEdit*>(b.widget);
        if (text.isEmpty())
            edit->clearValue();
        else
            edit->setText(text);
        break;
    }
    }
}

void AddressView::store(const Binding& b, AdressDaten& r) {
    switch (b.how) {
    case Shown::Text:
        at<QString>(r, b.field) = static_cast<QLineEdit*>(b.widget)->text();
        break;
    case Shown::Caption:
        at<QString>(r, b.field) = static_cast<QLabel*>(b.widget)->text();
        break;
    case Shown::CaptionInt:
        at<qint16>(r, b.field) = static_cast<QLabel*>(b.widget)->text().trimmed().toShort();
        break;
    case Shown::Check:
        at<bool>(r, b.field) = static_cast<QCheckBox*>(b.widget)->isChecked();
        break;
    case Shown::CheckText:
        at<QString>(r, b.field) = boolText(static_cast<QCheckBox*>(b.widget)->isChecked());
        break;
    case Shown::Key: {
        const QVariant key = static_cast<MasterDataCombo*>(b.widget)->KeyValue();
        QString text = textOf(key);
        if (b.maxLength > 0) text = text.left(b.maxLength);
        at<QString>(r, b.field) = text;
        break;
    }
    case Shown::ListText:
        at<QString>(r, b.field) = static_cast<QComboBox*>(b.widget)->currentText();
        break;
    case Shown::Number:
        at<double>(r, b.field) = static_cast<NumberEdit*>(b.widget)->value();
        break;
    case Shown::Date:
    case Shown::DateOrEmpty: {
        auto* edit = static_cast<DateEdit*>(b.widget);
        if (b.how == Shown::DateOrEmpty && edit->isEmptyMask())
            at<QString>(r, b.field).clear();
        else
            at<QString>(r, b.field) = services.dates().ToStored(edit->maskedText());
        break;
    }
    case Shown::Time:
        at<QString>(r, b.field) = static_cast<TimeEdit*>(b.widget)->maskedText();
        break;
    }
}

void AddressView::showField(const FieldRef& field) {
    if (const Binding* b = find(field)) show(*b, state.current());
}

void AddressView::ZeigeAdresse() {
    ChangeGate gate(state);
    if (!state.hasAddress(state.AktAdresse)) return;
    const AdressDaten& r = state.current();
    page.mAnzSeiten = r.AnzSeiten;
    for (const Binding& b : mBindings)
        skipOnError([&] { show(b, r); });
    skipOnError([&] { currency.zeige(r); });
}

void AddressView::leereUndZeige(int index) {
    AdressDaten& r = records.at(index);
    const qint16 kennzeichen = r.Kennzeichen;
    records.leereAdresse(index, false);
    r.Kennzeichen = kennzeichen;
    ZeigeAdresse();
}

AdressDaten AddressView::angezeigteAdresse() {
    AdressDaten r = state.address(state.mAngezeigteAdresse);
    for (const Binding& b : mBindings)
        store(b, r);
    return r;
}

void AddressView::SpeichereAdresse() {
    AdressDaten& r = records.address(state.mAngezeigteAdresse);
    r.AnzSeiten = state.mAnzSeiten;
    for (const Binding& b : mBindings)
        store(b, r);
    currency.speichere(r);
}

} // namespace belegadressen
