// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/BelegAdressen.h"
#include "control/AddressBlock.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "facade/Collaborators.h"
#include "platform/Defaults.h"
#include <QVBoxLayout>

namespace belegadressen {

// Raises the control's events as its signals.
class BelegAdressen::Sink : public EventSink {
public:
    explicit Sink(BelegAdressen& w) : w(w) {}
#define BA_EMIT(name, original, raise, params, args, doc)                                          \
    void raise params override { emit w.name args; }
#define BA_NEVER(...)
    BELEGADRESSEN_EVENTS(BA_EMIT, BA_NEVER)
#undef BA_EMIT
#undef BA_NEVER
    void raisePropertyChanged(const QString& name) override { emit w.PropertyChanged(name); }

private:
    BelegAdressen& w;
};

BelegAdressen::BelegAdressen(QWidget* parent) : BelegAdressen(Services{}, parent) {}

BelegAdressen::BelegAdressen(const Services& services, QWidget* parent)
    : QWidget(parent), mSt(std::make_unique<ControlState>()), mUi(std::make_unique<Ui>()),
      mSink(std::make_unique<Sink>(*this)) {
    mUi->build(this, services.masterDataCombo);
    mSvc = std::make_unique<ServiceHub>(*mSt);
    mC = std::make_unique<Collaborators>(*mSt, *mUi, *mSvc, *mSink);
    Collaborators& c = *mC;
    c.view.bind();
    c.pages.connectSignals();
    c.customers.connectSignals();
    c.addresses.connectSignals();
    c.lines.connectSignals();
    c.postal.connectSignals();
    c.masterUpdate.connectSignals();
    c.info.connectSignals();
    c.technician.connectSignals();
    c.appointments.connectSignals();
    c.sites.connectSignals();
    c.textChoice.connectSignals();
    c.textFields.connectSignals();
    c.masterData.connectSignals();
    c.currencyChange.connectSignals();
    c.accountFields.connectSignals();
    c.recall.connectSignals();
    c.commands.connectSignals();
    c.imageButtons.connectSignals();
    c.duplicates.connectSignals();
    c.masterUpdate.setWrittenHandler(
        [&c](const std::vector<WrittenRow>& rows) { c.duplicates.rowsWritten(rows); });
    c.properties.InitProperties();
    c.layout.applyFlags();
    setServices(services);
}

// Termination: recordsets, components and the host object are released, errors ignored.
BelegAdressen::~BelegAdressen() {
    skipOnError([&] { mC->sites.releaseRows(); });
    mSt->mKostenzuordnung.reset();
    mSt->mAppObj.reset();
    mSt->mPlzManager.reset();
}

void BelegAdressen::setAppObj(std::shared_ptr<HostApplication> app) {
    mSt->mAppObj = std::move(app);
}
// The master-data fields show their messages and dialogs through the
// control's services, so a host that answers dialogs itself answers theirs too.
void BelegAdressen::setServices(const Services& services) {
    mSvc->set(services);
    // The host's picture library takes effect at once, not only after the
    // properties were read again.
    skipOnError([&] {
        mC->layout.ladeButtonVorlagen();
        mC->layout.SetzeButtonBilder();
        mC->imageButtons.takePictures();
    });
    for (MasterDataCombo* combo : findChildren<MasterDataCombo*>())
        setMasterDataComboServices(*combo, mSvc->sharedMessages(), mSvc->sharedDialogs());
}
void BelegAdressen::setDesignMode(bool designMode) { mSt->designMode = designMode; }
void BelegAdressen::InitProperties() { mC->properties.InitProperties(); }
void BelegAdressen::ReadProperties(PropertyBag& bag) { mC->properties.ReadProperties(bag); }
void BelegAdressen::WriteProperties(PropertyBag& bag) { mC->properties.WriteProperties(bag); }

// Appearance: held and stored, never applied to the surface.
qint32 BelegAdressen::BackColor() const { return mSt->BackColor; }
void BelegAdressen::setBackColor(qint32 v) {
    mSt->BackColor = v;
    mSink->raisePropertyChanged("BackColor");
}
qint32 BelegAdressen::ForeColor() const { return mSt->ForeColor; }
void BelegAdressen::setForeColor(qint32 v) {
    mSt->ForeColor = v;
    mSink->raisePropertyChanged("ForeColor");
}
bool BelegAdressen::EnabledProperty() const { return mSt->Enabled; }
void BelegAdressen::setEnabledProperty(bool v) {
    mSt->Enabled = v;
    mSink->raisePropertyChanged("Enabled");
}
QFont BelegAdressen::FontProperty() const { return mSt->Font; }
void BelegAdressen::setFontProperty(const QFont& v) {
    mSt->Font = v;
    mSink->raisePropertyChanged("Font");
}
qint16 BelegAdressen::BackStyle() const { return mSt->BackStyle; }
void BelegAdressen::setBackStyle(qint16 v) {
    mSt->BackStyle = v;
    mSink->raisePropertyChanged("BackStyle");
}
qint16 BelegAdressen::BorderStyle() const { return mSt->BorderStyle; }
void BelegAdressen::setBorderStyle(qint16 v) {
    mSt->BorderStyle = v;
    mSink->raisePropertyChanged("BorderStyle");
}

void BelegAdressen::Refresh() { mC->pages.Refresh(); }
QVariant BelegAdressen::fktAnzeigeSeite1() { return mC->pages.fktAnzeigeSeite1(); }
void BelegAdressen::Anzeige_Kundeninfo(const QString& pNr) { mC->info.Anzeige_Kundeninfo(pNr); }

void BelegAdressen::SchliesseSelect() {
    skipOnError([&] { mC->imageButtons.releasePictures(); });
    mSt->mAppObj.reset();
    mC->sites.releaseRows();
}

QString BelegAdressen::Kundengruppe() const { return mSt->mKundengruppe; }
QString BelegAdressen::Kostenstelle() const { return mSt->mKostenstelle; }
QString BelegAdressen::Kostentraeger() const { return mSt->mKostentraeger; }
qint16 BelegAdressen::AnzAdresse() const { return mSt->AnzAdresse; }
void BelegAdressen::setAnzAdresse(qint16 v) { mC->pages.setAnzAdresse(v); }
qint16 BelegAdressen::AktAdresse() const { return mSt->AktAdresse; }
void BelegAdressen::setAktAdresse(qint16 v) { mC->pages.setAktAdresse(v); }
void BelegAdressen::SetzeFocusNummer() { mC->pages.SetzeFocusNummer(); }
void BelegAdressen::AddAnzeigeBreit(bool v) { mC->pages.AddAnzeigeBreit(v); }
QVariant BelegAdressen::SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten) {
    return mC->pages.SetzeAnzSeiten(adrNr, anzSeiten);
}

// Field accessors of the current address.
QString BelegAdressen::GetNummer() const { return mC->accessors.get(&AdressDaten::Nummer); }
void BelegAdressen::AddNummer(const QString& v) { mC->accessors.add(&AdressDaten::Nummer, v); }
QString BelegAdressen::GetVorname() const { return mC->accessors.get(&AdressDaten::Vorname); }
void BelegAdressen::AddVorname(const QString& v) { mC->accessors.add(&AdressDaten::Vorname, v); }
QString BelegAdressen::GetWartVertragsnummer() const {
    return mC->accessors.get(&AdressDaten::WartVertragsnummer);
}
void BelegAdressen::AddWartVertragsnummer(const QString& v) {
    mC->accessors.add(&AdressDaten::WartVertragsnummer, v);
}
QString BelegAdressen::GetDatumLetzteWartung() const {
    return mC->accessors.get(&AdressDaten::DatumLetzteWartung);
}
void BelegAdressen::AddDatumLetzteWartung(const QString& v) {
    mC->accessors.add(&AdressDaten::DatumLetzteWartung, v);
}
QString BelegAdressen::GetDatumLetzteRechnung() const {
    return mC->accessors.get(&AdressDaten::DatumLetzteRechnung);
}
void BelegAdressen::AddDatumLetzteRechnung(const QString& v) {
    mC->accessors.add(&AdressDaten::DatumLetzteRechnung, v);
}
QString BelegAdressen::GetWartKundenummer() const {
    return mC->accessors.get(&AdressDaten::WartKundennummer);
}
void BelegAdressen::AddWartKundennummer(const QString& v) {
    mC->accessors.add(&AdressDaten::WartKundennummer, v);
}
QString BelegAdressen::GetWartAnsprechpartnerID() const {
    return mC->accessors.get(&AdressDaten::WartAnsprechpartnerID);
}
void BelegAdressen::AddWartAnsprechpartnerID(const QString& v) {
    mC->accessors.add(&AdressDaten::WartAnsprechpartnerID, v);
}
QString BelegAdressen::GetWartAnsprechpartnerFax() const {
    return mC->accessors.get(&AdressDaten::WartAnsprechpartnerFax);
}
void BelegAdressen::AddWartAnsprechpartnerFax(const QString& v) {
    mC->accessors.add(&AdressDaten::WartAnsprechpartnerFax, v);
}
QString BelegAdressen::GetWartAnsprechpartnerTelefon() const {
    return mC->accessors.get(&AdressDaten::WartAnsprechpartnerTelefon);
}
void BelegAdressen::AddWartAnsprechpartnerTelefon(const QString& v) {
    mC->accessors.add(&AdressDaten::WartAnsprechpartnerTelefon, v);
}
QString BelegAdressen::GetWartAnsprechpartnerMobil() const {
    return mC->accessors.get(&AdressDaten::WartAnsprechpartnerMobil);
}
void BelegAdressen::AddWartAnsprechpartnerMobil(const QString& v) {
    mC->accessors.add(&AdressDaten::WartAnsprechpartnerMobil, v);
}
QString BelegAdressen::GetWartAnsprechpartner() const {
    return mC->accessors.get(&AdressDaten::WartAnsprechpartner);
}
void BelegAdressen::AddWartAnsprechpartner(const QString& v) {
    mC->accessors.add(&AdressDaten::WartAnsprechpartner, v);
}
void BelegAdressen::AddWartTermin(const QString& v) {
    mC->accessors.add(&AdressDaten::WartTermin, v);
}
QString BelegAdressen::GetBez1() const { return mC->accessors.get(&AdressDaten::Bez1); }
void BelegAdressen::AddBez1(const QString& v) { mC->accessors.add(&AdressDaten::Bez1, v); }
QString BelegAdressen::GetBez2() const { return mC->accessors.get(&AdressDaten::Bez2); }
void BelegAdressen::AddBez2(const QString& v) { mC->accessors.add(&AdressDaten::Bez2, v); }
QString BelegAdressen::GetBez3() const { return mC->accessors.get(&AdressDaten::Bez3); }
void BelegAdressen::AddBez3(const QString& v) { mC->accessors.add(&AdressDaten::Bez3, v); }
QString BelegAdressen::GetBez4() const { return mC->accessors.get(&AdressDaten::Bez4); }
void BelegAdressen::AddBez4(const QString& v) { mC->accessors.add(&AdressDaten::Bez4, v); }
QString BelegAdressen::GetAnsprechpartnerKD() const {
    return mC->accessors.get(&AdressDaten::AnsprechpartnerKD);
}
void BelegAdressen::AddAnsprechpartnerKD(const QString& v) {
    mC->accessors.add(&AdressDaten::AnsprechpartnerKD, v);
}
QString BelegAdressen::GetAnsprechpartnerKDID() const {
    return mC->accessors.get(&AdressDaten::AnsprechpartnerKDID);
}
void BelegAdressen::AddAnsprechpartnerKDID(const QString& v) {
    mC->accessors.add(&AdressDaten::AnsprechpartnerKDID, v);
}
QString BelegAdressen::GetHauptkonto() const { return mC->accessors.get(&AdressDaten::HauptKonto); }
void BelegAdressen::AddHauptKonto(const QString& v) {
    mC->accessors.add(&AdressDaten::HauptKonto, v);
}
QString BelegAdressen::GetOrt() const { return mC->accessors.get(&AdressDaten::Ort); }
void BelegAdressen::AddOrt(const QString& v) { mC->accessors.add(&AdressDaten::Ort, v); }
QString BelegAdressen::GetLand() const { return mC->accessors.get(&AdressDaten::Land); }
void BelegAdressen::AddLand(const QString& v) { mC->accessors.add(&AdressDaten::Land, v); }
QString BelegAdressen::GetStrasse() const { return mC->accessors.get(&AdressDaten::Strasse); }
void BelegAdressen::AddStrasse(const QString& v) { mC->accessors.add(&AdressDaten::Strasse, v); }
QString BelegAdressen::GetPostleitzahl() const {
    return mC->accessors.get(&AdressDaten::Postleitzahl);
}
void BelegAdressen::AddPostleitzahl(const QString& v) {
    mC->accessors.add(&AdressDaten::Postleitzahl, v);
}
QString BelegAdressen::GetPostfach() const { return mC->accessors.get(&AdressDaten::Postfach); }
void BelegAdressen::AddPostfach(const QString& v) { mC->accessors.add(&AdressDaten::Postfach, v); }
QString BelegAdressen::GetUstIdentNr() const { return mC->accessors.get(&AdressDaten::UstIdentNr); }
void BelegAdressen::AddUstIdentNr(const QString& v) {
    mC->accessors.add(&AdressDaten::UstIdentNr, v);
}
QString BelegAdressen::GetPostfachPlz() const {
    return mC->accessors.get(&AdressDaten::PostfachPlz);
}
void BelegAdressen::AddPostfachPlz(const QString& v) {
    mC->accessors.add(&AdressDaten::PostfachPlz, v);
}
QString BelegAdressen::GetVertreter1() const { return mC->accessors.get(&AdressDaten::Vertreter1); }
void BelegAdressen::AddVertreter1(const QString& v) {
    mC->accessors.add(&AdressDaten::Vertreter1, v);
}
QString BelegAdressen::GetVertreter2() const { return mC->accessors.get(&AdressDaten::Vertreter2); }
void BelegAdressen::AddVertreter2(const QString& v) {
    mC->accessors.add(&AdressDaten::Vertreter2, v);
}
QString BelegAdressen::GetVertreter3() const { return mC->accessors.get(&AdressDaten::Vertreter3); }
void BelegAdressen::AddVertreter3(const QString& v) {
    mC->accessors.add(&AdressDaten::Vertreter3, v);
}
QString BelegAdressen::GetVKD_Nr() const { return mC->accessors.get(&AdressDaten::VKD_Nr); }
void BelegAdressen::AddVKD_Nr(const QString& v) { mC->accessors.add(&AdressDaten::VKD_Nr, v); }
QString BelegAdressen::GetRKD_Nr() const { return mC->accessors.get(&AdressDaten::RKD_Nr); }
void BelegAdressen::AddRKD_Nr(const QString& v) { mC->accessors.add(&AdressDaten::RKD_Nr, v); }
QString BelegAdressen::GetRAD_Nr() const { return mC->accessors.get(&AdressDaten::RAD_Nr); }
void BelegAdressen::AddRAD_Nr(const QString& v) { mC->accessors.add(&AdressDaten::RAD_Nr, v); }
QString BelegAdressen::GetVAD_Nr() const { return mC->accessors.get(&AdressDaten::VAD_Nr); }
void BelegAdressen::AddVAD_Nr(const QString& v) { mC->accessors.add(&AdressDaten::VAD_Nr, v); }
QString BelegAdressen::GetVersandtext() const {
    return mC->accessors.get(&AdressDaten::Versandtext);
}
QString BelegAdressen::GetRechnungText() const {
    return mC->accessors.get(&AdressDaten::RechnungText);
}
QString BelegAdressen::GetKAnNr() const { return mC->accessors.get(&AdressDaten::KAnNr); }
void BelegAdressen::AddKAnNr(const QString& v) { mC->accessors.add(&AdressDaten::KAnNr, v); }
QString BelegAdressen::GetKAuNr() const { return mC->accessors.get(&AdressDaten::KAuNr); }
void BelegAdressen::AddKAuNr(const QString& v) { mC->accessors.add(&AdressDaten::KAuNr, v); }
QString BelegAdressen::GetKLsNr() const { return mC->accessors.get(&AdressDaten::KLsNr); }
void BelegAdressen::AddKLsNr(const QString& v) { mC->accessors.add(&AdressDaten::KLsNr, v); }
QString BelegAdressen::GetKReNr() const { return mC->accessors.get(&AdressDaten::KReNr); }
void BelegAdressen::AddKReNr(const QString& v) { mC->accessors.add(&AdressDaten::KReNr, v); }
QString BelegAdressen::GetKGuNr() const { return mC->accessors.get(&AdressDaten::KGuNr); }
void BelegAdressen::AddKGuNr(const QString& v) { mC->accessors.add(&AdressDaten::KGuNr, v); }
QString BelegAdressen::GetFGuNr() const { return mC->accessors.get(&AdressDaten::FGuNr); }
void BelegAdressen::AddFGuNr(const QString& v) { mC->accessors.add(&AdressDaten::FGuNr, v); }
QString BelegAdressen::GetFReNr() const { return mC->accessors.get(&AdressDaten::FReNr); }
void BelegAdressen::AddFReNr(const QString& v) { mC->accessors.add(&AdressDaten::FReNr, v); }
QString BelegAdressen::GetFLsNr() const { return mC->accessors.get(&AdressDaten::FLsNr); }
void BelegAdressen::AddFLsNr(const QString& v) { mC->accessors.add(&AdressDaten::FLsNr, v); }
QString BelegAdressen::GetFAuNr() const { return mC->accessors.get(&AdressDaten::FAuNr); }
void BelegAdressen::AddFAuNr(const QString& v) { mC->accessors.add(&AdressDaten::FAuNr, v); }
QString BelegAdressen::GetFAnNr() const { return mC->accessors.get(&AdressDaten::FAnNr); }
void BelegAdressen::AddFAnNr(const QString& v) { mC->accessors.add(&AdressDaten::FAnNr, v); }
QString BelegAdressen::GetZahlungsart() const {
    return mC->accessors.get(&AdressDaten::Zahlungsart);
}
void BelegAdressen::AddZahlungsart(const QString& v) {
    mC->accessors.add(&AdressDaten::Zahlungsart, v);
}
QString BelegAdressen::GetVersandart() const { return mC->accessors.get(&AdressDaten::Versandart); }
void BelegAdressen::AddVersandart(const QString& v) {
    mC->accessors.add(&AdressDaten::Versandart, v);
}
QString BelegAdressen::GetZahlungsbedingungen() const {
    return mC->accessors.get(&AdressDaten::Zahlungsbedingungen);
}
void BelegAdressen::AddZahlungsbedingungen(const QString& v) {
    mC->accessors.add(&AdressDaten::Zahlungsbedingungen, v);
}
QString BelegAdressen::GetMwstKnz() const { return mC->accessors.get(&AdressDaten::MwstKnz); }
void BelegAdressen::AddMwstKnz(const QString& v) { mC->accessors.add(&AdressDaten::MwstKnz, v); }
QString BelegAdressen::GetAnrede() const { return mC->accessors.get(&AdressDaten::Anrede); }
void BelegAdressen::AddAnrede(const QString& v) { mC->accessors.add(&AdressDaten::Anrede, v); }
qint16 BelegAdressen::GetWartAnlagennummer() const {
    return mC->accessors.get(&AdressDaten::WartAnlagennummer);
}
qint16 BelegAdressen::GetWartStandort() const {
    return mC->accessors.get(&AdressDaten::WartStandort);
}
void BelegAdressen::AddWartStandort(qint16 v) { mC->accessors.add(&AdressDaten::WartStandort, v); }
qint16 BelegAdressen::GetWaehrungserfassung() const {
    return mC->accessors.get(&AdressDaten::Waehrungserfassung);
}
void BelegAdressen::AddWaehrungserfassung(qint16 v) {
    mC->accessors.add(&AdressDaten::Waehrungserfassung, v);
}
qint16 BelegAdressen::GetKursbehandlung() const {
    return mC->accessors.get(&AdressDaten::Kursbehandlung);
}
double BelegAdressen::GetWechselkurs() const {
    return mC->accessors.get(&AdressDaten::Wechselkurs);
}
void BelegAdressen::AddWechselkurs(double v) { mC->accessors.add(&AdressDaten::Wechselkurs, v); }
double BelegAdressen::GetWechselkursHauswaehrung() const {
    return mC->accessors.get(&AdressDaten::WechselkursHauswaehrung);
}
double BelegAdressen::GetRabatt() const { return mC->accessors.get(&AdressDaten::Rabatt); }
void BelegAdressen::AddRabatt(double v) { mC->accessors.add(&AdressDaten::Rabatt, v); }
bool BelegAdressen::GetLiefersperre() const {
    return mC->accessors.get(&AdressDaten::Liefersperre);
}
void BelegAdressen::AddLiefersperre(bool v) { mC->accessors.add(&AdressDaten::Liefersperre, v); }
bool BelegAdressen::GetDruckAufbewahrungsfrist() const {
    return mC->accessors.get(&AdressDaten::DruckAufbewahrungsfrist);
}
void BelegAdressen::AddDruckAufbewahrungsfrist(bool v) {
    mC->accessors.add(&AdressDaten::DruckAufbewahrungsfrist, v);
}
bool BelegAdressen::GetRechnungPerPDF() const {
    return mC->accessors.get(&AdressDaten::RechnungPerPDF);
}
void BelegAdressen::AddRechnungPerPDF(bool v) {
    mC->accessors.add(&AdressDaten::RechnungPerPDF, v);
}
bool BelegAdressen::GetMitUeberweisungen() const {
    return mC->accessors.get(&AdressDaten::MitUeberweisungen);
}
void BelegAdressen::AddMitUeberweisungen(bool v) {
    mC->accessors.add(&AdressDaten::MitUeberweisungen, v);
}
bool BelegAdressen::GetKzDivers() const { return mC->accessors.get(&AdressDaten::KzDivers); }
void BelegAdressen::AddKzDivers(bool v) { mC->accessors.add(&AdressDaten::KzDivers, v); }

QString BelegAdressen::GetBemerkung() const { return mC->accessors.GetBemerkung(); }
void BelegAdressen::AddBemerkung(const QString& v) { mC->accessors.AddBemerkung(v); }
void BelegAdressen::AddWartAnlagennummer(qint16 v) { mC->accessors.AddWartAnlagennummer(v); }
QString BelegAdressen::GetWartMonteur() const {
    return mC->accessors.get(&AdressDaten::WartMonteur);
}
void BelegAdressen::AddWartMonteur(const QString& v) { mC->accessors.AddWartMonteur(v); }
void BelegAdressen::AddWarttxtStoerText(const QString& text, const QString& rtf) {
    mC->accessors.AddWarttxtStoerText(text, rtf);
}
QString BelegAdressen::GetWartStoerText() const { return mC->accessors.GetWartStoerText(); }
QString BelegAdressen::GetWartUhrzeit() const { return mC->accessors.GetWartUhrzeit(); }
void BelegAdressen::AddWartUhrzeit(const QString& v) { mC->accessors.AddWartUhrzeit(v); }
qint16 BelegAdressen::GetWartDauer() const { return mC->accessors.GetWartDauer(); }
void BelegAdressen::AddWartDauer(qint16 v) { mC->accessors.AddWartDauer(v); }
QString BelegAdressen::GetWartTermin() const { return mC->accessors.GetWartTermin(); }
void BelegAdressen::AddStandarddauer(qint16 v) { mC->accessors.AddStandarddauer(v); }
void BelegAdressen::AddDruckAnsprechpartner(bool v) { mC->accessors.AddDruckAnsprechpartner(v); }
bool BelegAdressen::GetDruckAnsprechpartner() const {
    return mC->accessors.GetDruckAnsprechpartner();
}
void BelegAdressen::AddLandeswaehrung(const QString& v) {
    ChangeGate gate(*mSt);
    mSt->mLandeswaehrung = v;
}
void BelegAdressen::AddMitPostleitzahl(const QString& mit, std::shared_ptr<HostApplication> app,
                                       const QString& connectString,
                                       std::shared_ptr<Connection> connection, bool ortsteile) {
    mC->accessors.AddMitPostleitzahl(mit, std::move(app), connectString, std::move(connection),
                                     ortsteile);
}
void BelegAdressen::AddMitPostleitzahlOnline(const QString& v) {
    mC->accessors.AddMitPostleitzahlOnline(v);
}
void BelegAdressen::AddBelegart(qint16 v) { mSt->mBelegart = v; }
// Shipping and invoice texts are accepted and not kept: nothing reads them back
// but their own Get members, which answer what the reset left.
void BelegAdressen::AddVersandtext(const QString&) { mSt->current(); }
void BelegAdressen::AddRechnungText(const QString&) { mSt->current(); }
void BelegAdressen::AddWechselkursHauswaehrung(double v) {
    mC->currency.AddWechselkursHauswaehrung(v);
}
void BelegAdressen::AddKursbehandlung(qint16 v) { mC->currency.AddKursbehandlung(v); }
QString BelegAdressen::GetWaehrung() const { return mC->accessors.get(&AdressDaten::Waehrung); }
void BelegAdressen::AddWaehrung(const QString& v) { mC->currency.AddWaehrung(v); }

// Drop targets of the host's searches and selections.
qint32 BelegAdressen::fktDragNummerAdresse(const QString& nummer) {
    return mC->addresses.fktDragNummerAdresse(nummer);
}
qint32 BelegAdressen::fktDragNummer(const QString& nummer) {
    return mC->customers.fktDragNummer(nummer);
}
qint32 BelegAdressen::fktDragPersonalNummer(const QString& nummer) {
    return mC->technician.fktDragPersonalNummer(nummer);
}
qint32 BelegAdressen::fktDragTextNummerAllgenmein(const QString& nummer, const QVariant& texttyp) {
    return mC->textChoice.fktDragTextNummerAllgenmein(nummer, texttyp);
}
qint32 BelegAdressen::PruefeTexttyp(const QVariant& texttyp) {
    return mC->textChoice.PruefeTexttyp(texttyp);
}
qint32 BelegAdressen::fktDragTextNummer(const QString& nummer) {
    return mC->textChoice.fktDragTextNummer(nummer);
}

// Layout flags.
bool BelegAdressen::MitVersandanschrift() const { return mSt->MitVersandanschrift; }
void BelegAdressen::setMitVersandanschrift(bool v) {
    mC->layout.setMitVersandanschrift(v);
    mSink->raisePropertyChanged("MitVersandanschrift");
}
bool BelegAdressen::MitRechnungsanschrift() const { return mSt->MitRechnungsanschrift; }
void BelegAdressen::setMitKundenaktualisierung(bool v) { mC->layout.setMitKundenaktualisierung(v); }
void BelegAdressen::setPlzBestaetigung(bool on) { mC->postal.setBestaetigung(on); }
bool BelegAdressen::plzBestaetigung() const { return mC->postal.bestaetigung(); }
void BelegAdressen::setDuplikatWarnung(bool on) { mC->duplicates.setEnabled(on); }
bool BelegAdressen::duplikatWarnung() const { return mC->duplicates.enabled(); }
QStringList BelegAdressen::Anschriftzeilen(qint16 adresse) {
    const AdressDaten r = adresse == mSt->mAngezeigteAdresse && mSt->hasAddress(adresse)
                              ? mC->view.angezeigteAdresse()
                              : mSt->address(adresse);
    return anschriftZeilen(anschriftAus(r), mSt->Heimatland);
}
void BelegAdressen::setHeimatland(const QString& land) {
    const QString l = land.trimmed().toUpper();
    mSt->Heimatland = l.isEmpty() ? QStringLiteral("D") : l;
}
QString BelegAdressen::heimatland() const { return mSt->Heimatland; }
void BelegAdressen::setMitRechnungsanschrift(bool v) {
    mC->layout.setMitRechnungsanschrift(v);
    mSink->raisePropertyChanged("MitRechnungsanschrift");
}
bool BelegAdressen::MitKopftext() const { return mSt->MitKopftext; }
void BelegAdressen::setMitKopftext(bool v) {
    mC->layout.setMitKopftext(v);
    mSink->raisePropertyChanged("MitKopftext");
}
bool BelegAdressen::MitFusstext() const { return mSt->MitFusstext; }
bool BelegAdressen::FuerBeleg() const { return mSt->FuerBeleg; }
void BelegAdressen::setFuerBeleg(bool v) {
    mC->layout.setFuerBeleg(v);
    mSink->raisePropertyChanged("FürBeleg");
}
void BelegAdressen::setMitFusstext(bool v) {
    mC->layout.setMitFusstext(v);
    mSink->raisePropertyChanged("MitFußtext");
}
bool BelegAdressen::MitVersandarten() const { return mSt->MitVersandarten; }
void BelegAdressen::setMitVersandarten(bool v) {
    mC->layout.setMitVersandarten(v);
    mSink->raisePropertyChanged("MitVersandarten");
}
bool BelegAdressen::MitSachbearbeiter() const { return mSt->MitSachbearbeiter; }
void BelegAdressen::setMitSachbearbeiter(bool v) {
    mC->layout.setMitSachbearbeiter(v);
    mSink->raisePropertyChanged("MitSachbearbeiter");
}
bool BelegAdressen::MitAuftragsrabatt() const { return mSt->MitAuftragsrabatt; }
bool BelegAdressen::MitRechnungPerPDF() const { return mSt->MitRechnungPerPDF; }
void BelegAdressen::setMitAuftragsrabatt(bool v) {
    mC->layout.setMitAuftragsrabatt(v);
    mSink->raisePropertyChanged("MitAuftragsrabatt");
}
void BelegAdressen::setMitRechnungPerPDF(bool v) {
    mC->layout.setMitRechnungPerPDF(v);
    mSink->raisePropertyChanged("MitRechnungPerPDF");
}
bool BelegAdressen::MitDebitorenkonto() const { return mSt->MitDebitorenkonto; }
void BelegAdressen::setMitDebitorenkonto(bool v) {
    mC->layout.setMitDebitorenkonto(v);
    mSink->raisePropertyChanged("MitDebitorenkonto");
}
bool BelegAdressen::MitWartung() const { return mSt->MitWartung; }
void BelegAdressen::setMitWartung(bool v) {
    mSt->MitWartung = v;
    mSink->raisePropertyChanged("MitWartung");
}
bool BelegAdressen::MitKundendienst() const { return mSt->MitKundendienst; }
void BelegAdressen::setMitKundendienst(bool v) {
    mSt->MitKundendienst = v;
    mSink->raisePropertyChanged("MitKundendienst");
}
bool BelegAdressen::MitPostfach() const { return mSt->MitPostfach; }
void BelegAdressen::setMitPostfach(bool v) {
    mC->layout.setMitPostfach(v);
    mSink->raisePropertyChanged("MitPostfach");
}

// Clipboard and field tags of the focused field.
void BelegAdressen::mnu_Cut() { mC->clipboard.mnu_Cut(); }
void BelegAdressen::mnu_Copy() { mC->clipboard.mnu_Copy(); }
void BelegAdressen::mnu_Paste() { mC->clipboard.mnu_Paste(); }
QVariant BelegAdressen::Setze_Tag_user() { return mC->recall.Setze_Tag_user(); }
QVariant BelegAdressen::Hole_Tag_user() { return mC->recall.Hole_Tag_user(); }

} // namespace belegadressen
