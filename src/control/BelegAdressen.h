#pragma once
#include "contracts/Connection.h"
#include "contracts/Error.h"
#include "contracts/HostApplication.h"
#include "contracts/MasterDataCombo.h"
#include "contracts/PropertyBag.h"
#include "contracts/Recordset.h"
#include "contracts/Services.h"
#include <QFont>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <vector>

namespace belegadressen {

enum class InvokeKind { Method, PropertyGet, PropertyPut };

struct MemberInfo {
    int position;
    QString name;
    InvokeKind kind;
};

struct ControlState;
struct Ui;
struct Collaborators;
class ServiceHub;

// The address block of a commercial document. The host drives it through the
// members below (Get/Add accessors of the current address, properties, drop
// targets) and learns of changes through the signals.
class BelegAdressen : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(qint16 AnzAdresse READ AnzAdresse WRITE setAnzAdresse)
    Q_PROPERTY(qint16 AktAdresse READ AktAdresse WRITE setAktAdresse)
    Q_PROPERTY(bool MitVersandanschrift READ MitVersandanschrift WRITE setMitVersandanschrift)
    Q_PROPERTY(bool MitRechnungsanschrift READ MitRechnungsanschrift WRITE setMitRechnungsanschrift)
    Q_PROPERTY(bool MitKopftext READ MitKopftext WRITE setMitKopftext)
    Q_PROPERTY(bool MitFusstext READ MitFusstext WRITE setMitFusstext)
    Q_PROPERTY(bool FuerBeleg READ FuerBeleg WRITE setFuerBeleg)
    Q_PROPERTY(bool MitVersandarten READ MitVersandarten WRITE setMitVersandarten)
    Q_PROPERTY(bool MitSachbearbeiter READ MitSachbearbeiter WRITE setMitSachbearbeiter)
    Q_PROPERTY(bool MitAuftragsrabatt READ MitAuftragsrabatt WRITE setMitAuftragsrabatt)
    Q_PROPERTY(bool MitRechnungPerPDF READ MitRechnungPerPDF WRITE setMitRechnungPerPDF)
    Q_PROPERTY(bool MitDebitorenkonto READ MitDebitorenkonto WRITE setMitDebitorenkonto)
    Q_PROPERTY(bool MitPostfach READ MitPostfach WRITE setMitPostfach)
    Q_PROPERTY(bool MitKundendienst READ MitKundendienst WRITE setMitKundendienst)
    Q_PROPERTY(bool MitWartung READ MitWartung WRITE setMitWartung)

public:
    explicit BelegAdressen(QWidget* parent = nullptr);
    // With the services set from the start; the master-data fields are made
    // by services.masterDataCombo when it is given.
    explicit BelegAdressen(const Services& services, QWidget* parent = nullptr);
    ~BelegAdressen() override;

    // Host objects, services and lifecycle.
    void setAppObj(std::shared_ptr<HostApplication> app);
    void setServices(const Services& services);
    void setDesignMode(bool designMode);
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

    // Late binding by the members' original names.
    QVariant Invoke(const QString& member, InvokeKind kind, const QVariantList& args = {});
    static const std::vector<MemberInfo>& Members();

    // Appearance (held and stored only).
    qint32 BackColor() const;
    void setBackColor(qint32 value);
    qint32 ForeColor() const;
    void setForeColor(qint32 value);
    bool Enabled() const;
    void setEnabled(bool value);
    QFont Font() const;
    void setFont(const QFont& value);
    qint16 BackStyle() const;
    void setBackStyle(qint16 value);
    qint16 BorderStyle() const;
    void setBorderStyle(qint16 value);

    void Refresh();
    QVariant fktAnzeigeSeite1();
    void Anzeige_Kundeninfo(const QString& pNr);
    void SchliesseSelect();
    QString Kundengruppe() const;
    QString Kostenstelle() const;
    QString Kostentraeger() const;
    qint16 AnzAdresse() const;
    void setAnzAdresse(qint16 value);
    qint16 AktAdresse() const;
    void setAktAdresse(qint16 value);
    void SetzeFocusNummer();

    QString GetNummer() const;
    void AddNummer(const QString& nummer);
    QString GetVorname() const;
    void AddVorname(const QString& v);
    QString GetWartVertragsnummer() const;
    void AddAnzeigeBreit(bool pAnzeige);
    void AddWartVertragsnummer(const QString& v);
    qint16 GetWartAnlagennummer() const;
    QString GetDatumLetzteWartung() const;
    QString GetDatumLetzteRechnung() const;
    QString GetBemerkung() const;
    void AddDatumLetzteWartung(const QString& v);
    void AddDatumLetzteRechnung(const QString& v);
    void AddBemerkung(const QString& v);
    void AddWartAnlagennummer(qint16 v);
    QString GetWartKundenummer() const;
    void AddWartKundennummer(const QString& v);
    QString GetWartMonteur() const;
    void AddWartMonteur(const QString& v);
    void AddWarttxtStoerText(const QString& pStoerText, const QString& pStoerTextRTF);
    QString GetWartStoerText() const;
    QString GetWartAnsprechpartnerID() const;
    void AddWartAnsprechpartnerID(const QString& v);
    QString GetWartAnsprechpartnerFax() const;
    void AddWartAnsprechpartnerFax(const QString& v);
    QString GetWartAnsprechpartnerTelefon() const;
    void AddWartAnsprechpartnerTelefon(const QString& v);
    QString GetWartAnsprechpartnerMobil() const;
    void AddWartAnsprechpartnerMobil(const QString& v);
    QString GetWartAnsprechpartner() const;
    void AddWartAnsprechpartner(const QString& v);
    qint16 GetWartStandort() const;
    void AddWartStandort(qint16 v);
    QString GetWartUhrzeit() const;
    void AddWartUhrzeit(const QString& v);
    qint16 GetWartDauer() const;
    void AddWartDauer(qint16 v);
    QString GetWartTermin() const;
    void AddWartTermin(const QString& v);
    QString GetBez1() const;
    void AddStandarddauer(qint16 dauerInHundertstel);
    void AddBez1(const QString& v);
    QString GetBez2() const;
    void AddBez2(const QString& v);
    QString GetBez3() const;
    void AddBez3(const QString& v);
    QString GetBez4() const;
    void AddBez4(const QString& v);
    QString GetAnsprechpartnerKD() const;
    void AddAnsprechpartnerKD(const QString& v);
    void AddDruckAnsprechpartner(bool v);
    bool GetDruckAnsprechpartner() const;
    void AddAnsprechpartnerKDID(const QString& v);
    QString GetAnsprechpartnerKDID() const;
    QString GetHauptkonto() const;
    void AddHauptKonto(const QString& v);
    qint16 GetWaehrungserfassung() const;
    void AddWaehrungserfassung(qint16 v);
    void AddLandeswaehrung(const QString& v);
    void AddMitPostleitzahl(const QString& mitPostleitzahl, std::shared_ptr<HostApplication> pApp,
                            const QString& pConnectStringDB,
                            std::shared_ptr<Connection> pConnectionDB, bool pGL_Ortsteilanzeigen);
    void AddMitPostleitzahlOnline(const QString& v);
    QString GetOrt() const;
    void AddOrt(const QString& v);
    QString GetLand() const;
    void AddLand(const QString& v);
    QString GetStrasse() const;
    void AddStrasse(const QString& v);
    QString GetPostleitzahl() const;
    void AddPostleitzahl(const QString& v);
    void AddBelegart(qint16 v);
    QString GetPostfach() const;
    void AddPostfach(const QString& v);
    QString GetUstIdentNr() const;
    void AddUstIdentNr(const QString& v);
    QString GetPostfachPlz() const;
    void AddPostfachPlz(const QString& v);
    bool GetLiefersperre() const;
    void AddLiefersperre(bool v);
    QString GetVertreter1() const;
    void AddVertreter1(const QString& v);
    QString GetVertreter2() const;
    void AddVertreter2(const QString& v);
    QString GetVertreter3() const;
    void AddVertreter3(const QString& v);
    QString GetVKD_Nr() const;
    void AddVKD_Nr(const QString& v);
    QString GetRKD_Nr() const;
    void AddRKD_Nr(const QString& v);
    QString GetRAD_Nr() const;
    void AddRAD_Nr(const QString& v);
    QString GetVAD_Nr() const;
    void AddVAD_Nr(const QString& v);
    QString GetVersandtext() const;
    void AddVersandtext(const QString& v);
    QString GetRechnungText() const;
    void AddRechnungText(const QString& v);
    QString GetKAnNr() const;
    void AddKAnNr(const QString& v);
    QString GetKAuNr() const;
    void AddKAuNr(const QString& v);
    QString GetKLsNr() const;
    void AddKLsNr(const QString& v);
    QString GetKReNr() const;
    void AddKReNr(const QString& v);
    QString GetKGuNr() const;
    void AddKGuNr(const QString& v);
    QString GetFGuNr() const;
    void AddFGuNr(const QString& v);
    QString GetFReNr() const;
    void AddFReNr(const QString& v);
    QString GetFLsNr() const;
    void AddFLsNr(const QString& v);
    QString GetFAuNr() const;
    void AddFAuNr(const QString& v);
    QString GetFAnNr() const;
    void AddFAnNr(const QString& v);
    double GetWechselkursHauswaehrung() const;
    double GetWechselkurs() const;
    void AddWechselkursHauswaehrung(double v);
    void AddWechselkurs(double v);
    double GetRabatt() const;
    void AddRabatt(double v);
    bool GetDruckAufbewahrungsfrist() const;
    bool GetRechnungPerPDF() const;
    bool GetMitUeberweisungen() const;
    bool GetKzDivers() const;
    void AddDruckAufbewahrungsfrist(bool v);
    void AddRechnungPerPDF(bool v);
    void AddMitUeberweisungen(bool v);
    void AddKzDivers(bool v);
    qint16 GetKursbehandlung() const;
    void AddKursbehandlung(qint16 v);
    QString GetZahlungsart() const;
    void AddZahlungsart(const QString& v);
    void AddVersandart(const QString& v);
    QString GetVersandart() const;
    QString GetZahlungsbedingungen() const;
    void AddZahlungsbedingungen(const QString& v);
    QString GetMwstKnz() const;
    void AddMwstKnz(const QString& v);
    QString GetWaehrung() const;
    void AddWaehrung(const QString& v);
    QString GetAnrede() const;
    void AddAnrede(const QString& v);
    QVariant SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten);
    qint32 fktDragNummerAdresse(const QString& nummer);
    qint32 fktDragNummer(const QString& nummer);
    qint32 fktDragPersonalNummer(const QString& nummer);
    qint32 fktDragTextNummerAllgenmein(const QString& nummer, const QVariant& texttyp);
    qint32 PruefeTexttyp(const QVariant& texttyp);
    qint32 fktDragTextNummer(const QString& nummer);

    bool MitVersandanschrift() const;
    void setMitVersandanschrift(bool v);
    bool MitRechnungsanschrift() const;
    void setMitKundenaktualisierung(bool v);
    void setMitRechnungsanschrift(bool v);
    bool MitKopftext() const;
    void setMitKopftext(bool v);
    bool MitFusstext() const;
    bool FuerBeleg() const;
    void setFuerBeleg(bool v);
    void setMitFusstext(bool v);
    bool MitVersandarten() const;
    void setMitVersandarten(bool v);
    bool MitSachbearbeiter() const;
    void setMitSachbearbeiter(bool v);
    bool MitAuftragsrabatt() const;
    bool MitRechnungPerPDF() const;
    void setMitAuftragsrabatt(bool v);
    void setMitRechnungPerPDF(bool v);
    bool MitDebitorenkonto() const;
    void setMitDebitorenkonto(bool v);
    bool MitWartung() const;
    void setMitWartung(bool v);
    bool MitKundendienst() const;
    void setMitKundendienst(bool v);
    bool MitPostfach() const;
    void setMitPostfach(bool v);

    void mnu_Cut();
    void mnu_Copy();
    void mnu_Paste();
    QVariant Setze_Tag_user();
    QVariant Hole_Tag_user();

signals:
    void Change();
    void Click();
    void btnKundeClick();
    void btnAdresseClick();
    void btnMonteurClick();
    void btnAnpWartClick();
    void btnAnpBelClick();
    void btnAnlageClick();
    void AufrufAutoMap(const QString& Postleitzahl, const QString& Ort, const QString& Strasse);
    void Waehrungchange(const QString& NachWaehrung, double VonKurs, double NachKurs,
                        qint16 Kursbehandlung);
    void Wechselkurschange(double VonKursneu, double NachKursneu, qint16 Kursbehandlung,
                           const QString& Waehrung);
    void btnInfoClick(qint16 Index);
    void btnUebernehme();
    void btnAnsprechpartner(const QString& pKdnr, bool pFuerWart);
    void btnAnsprechpartnerReset(bool pFuerWart);
    void btnSeite2Click();
    void btnKopftextClick(qint16 Index, const QString& wert, const QString& Textart);
    void btnFusstextClick(qint16 Index, const QString& wert, const QString& Textart);
    void ChangeMwstKnz(const QString& MwstKnz);
    void ChangeZahlungsbedingungen(const QString& Zahlungsbedingungen);
    void ChangeKundenrabatt(double Rabattproz);
    void DblClick();
    void KeyDown(qint16 KeyCode, qint16 Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 Shift);
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void ChangeBetreff(const QString& pBetreff);
    void ChangeErloekennung(const QString& pErloeskennung);
    void ChangeStandortNotiz(const QString& pNotiz);
    void ChangeAnlageFormular(const QString& pFormularST, const QString& pFormularWA);
    void ChangeDatumLetzteWartung(const QString& pDatumLetzteWartung);
    void TerminEintragen(const QString& Monteur, const QString& Termin, const QString& Uhrzeit,
                         qint16 Dauer, const QString& Ansprechpartner, const QString& Telefon,
                         const QString& Fax, const QString& Betreff, qint32 Vorwarnzeit);
    void TerminAssistent(const QString& Monteur, const QString& Termin, const QString& Uhrzeit,
                         qint16 Dauer);
    void StammBlatt(const QString& Kundennummer);
    void LoescheWarttermin(bool pMitabfrage);
    // Not an event of the interface: the property store's change notification.
    void PropertyChanged(const QString& name);

private:
    class Sink;
    std::unique_ptr<ControlState> mSt;
    std::unique_ptr<Ui> mUi;
    std::unique_ptr<Sink> mSink;
    std::unique_ptr<ServiceHub> mSvc;
    std::unique_ptr<Collaborators> mC;
};

} // namespace belegadressen
