// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "belegadressen_export.h"
#include "contracts/Connection.h"
#include "contracts/Error.h"
#include "contracts/HostApplication.h"
#include "contracts/MasterDataCombo.h"
#include "contracts/PropertyBag.h"
#include "contracts/Recordset.h"
#include "contracts/Services.h"
#include "control/Events.h"
#include <QFont>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <vector>

namespace belegadressen {

/// How Invoke() calls a member: as a method, a property get or a property let.
enum class InvokeKind { Method, PropertyGet, PropertyPut };

/// One member of the dispatch interface, as Members() lists it.
struct MemberInfo {
    /// Position in the dispatch interface (1-based).
    int position;
    /// The original name of the member.
    QString name;
    /// Method, property get or property let.
    InvokeKind kind;
};

struct ControlState;
struct Ui;
struct Collaborators;
class ServiceHub;

/// The address block of a commercial document. The host drives it through the
/// members below (Get/Add accessors of the current address, properties, drop
/// targets) and learns of changes through the signals.
class BELEGADRESSEN_EXPORT BelegAdressen : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)
    // Held only: QWidget's own enabled and font act on the widget, and
    // Designer lists only those.
    Q_PROPERTY(bool Enabled READ EnabledProperty WRITE setEnabledProperty DESIGNABLE false)
    Q_PROPERTY(QFont Font READ FontProperty WRITE setFontProperty DESIGNABLE false)
    // Whole-number properties are int in the meta-object, the type Designer's property
    // editor edits. AktAdresse stays out of the editor: design mode refuses its let.
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int AnzAdresse READ AnzAdresse WRITE setAnzAdresse)
    Q_PROPERTY(int AktAdresse READ AktAdresse WRITE setAktAdresse DESIGNABLE false)
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
    /// Creates the control with the values of a new instance.
    explicit BelegAdressen(QWidget* parent = nullptr);
    /// With the services set from the start; the master-data fields are made
    /// by services.masterDataCombo when it is given.
    explicit BelegAdressen(const Services& services, QWidget* parent = nullptr);
    /// Closes its recordsets and releases the host object and components.
    ~BelegAdressen() override;

    // Host objects, services and lifecycle.
    /// Hands over the host application object with the database connection (AppObj).
    void setAppObj(std::shared_ptr<HostApplication> app);
    /// Replaces the shared services and closed components; empty members take the Qt defaults.
    void setServices(const Services& services);
    /// Marks the host form as being designed; run-time members then refuse (error 382).
    void setDesignMode(bool designMode);
    /// Sets the values of a new instance (no stored properties).
    void InitProperties();
    /// Reads the stored properties from the host form's property store.
    void ReadProperties(PropertyBag& bag);
    /// Writes the stored properties into the host form's property store.
    void WriteProperties(PropertyBag& bag);

    // Late binding by the members' original names.
    /// Calls a member by its original name (late binding); error 438 for an unknown member.
    QVariant Invoke(const QString& member, InvokeKind kind, const QVariantList& args = {});
    /// The members of the dispatch interface in their fixed order.
    static const std::vector<MemberInfo>& Members();

    // Appearance (held and stored only).
    /// Background colour (stored, not applied).
    qint32 BackColor() const;
    /// Sets the background colour and reports the property change.
    void setBackColor(qint32 value);
    /// Foreground colour (stored, not applied).
    qint32 ForeColor() const;
    /// Sets the foreground colour and reports the property change.
    void setForeColor(qint32 value);
    /// The held property "Enabled" (stored, not applied; late-bound and
    /// scripts call it "Enabled"). QWidget::setEnabled disables the widget.
    bool EnabledProperty() const;
    /// Sets the held "Enabled" and reports the property change.
    void setEnabledProperty(bool value);
    /// The held property "Font" (stored, not applied; late-bound and scripts
    /// call it "Font"). QWidget::setFont changes the widget's font.
    QFont FontProperty() const;
    /// Replaces the held "Font" and reports the property change.
    void setFontProperty(const QFont& value);
    /// Background style (stored, not applied).
    qint16 BackStyle() const;
    /// Sets the background style and reports the property change.
    void setBackStyle(qint16 value);
    /// Border style (stored, not applied).
    qint16 BorderStyle() const;
    /// Sets the border style and reports the property change.
    void setBorderStyle(qint16 value);

    /// Shows the current address again and re-applies the layout, when the last address is current.
    void Refresh();
    /// True while page 1 of the current address is shown.
    QVariant fktAnzeigeSeite1();
    /// Opens the customer info window for a customer number.
    void Anzeige_Kundeninfo(const QString& pNr);
    /// Releases the button pictures, the host application object and the site recordsets.
    void SchliesseSelect();
    /// Customer group of the loaded customer.
    QString Kundengruppe() const;
    /// Cost centre of the loaded customer.
    QString Kostenstelle() const;
    /// Cost unit of the loaded customer.
    QString Kostentraeger() const;
    /// Number of address records.
    qint16 AnzAdresse() const;
    /// Re-creates and clears the address records (1 to 98; other values give 2).
    void setAnzAdresse(qint16 value);
    /// Number of the current address (1-based).
    qint16 AktAdresse() const;
    /// Stores the shown address and switches to another one; refused in design mode (error 382).
    void setAktAdresse(qint16 value);
    /// Puts the input focus on the number field if it is visible.
    void SetzeFocusNummer();

    /// The customer or address number of the current address.
    QString GetNummer() const;
    /// Sets the number of the current address and shows it; loads nothing.
    void AddNummer(const QString& nummer);
    /// The first name of the current address.
    QString GetVorname() const;
    /// Sets the first name of the current address and shows it.
    void AddVorname(const QString& v);
    /// The maintenance contract number (service orders) of the current address.
    QString GetWartVertragsnummer() const;
    /// Switches between the wide (true) and the normal display width.
    void AddAnzeigeBreit(bool pAnzeige);
    /// Sets the maintenance contract number (service orders) of the current address and shows it.
    void AddWartVertragsnummer(const QString& v);
    /// The equipment number (service orders) of the current address.
    qint16 GetWartAnlagennummer() const;
    /// The date of the last maintenance of the current address.
    QString GetDatumLetzteWartung() const;
    /// The date of the last invoice of the current address.
    QString GetDatumLetzteRechnung() const;
    /// The remark of the current address without leading and trailing blanks.
    QString GetBemerkung() const;
    /// Sets the date of the last maintenance of the current address and shows it.
    void AddDatumLetzteWartung(const QString& v);
    /// Sets the date of the last invoice of the current address and shows it.
    void AddDatumLetzteRechnung(const QString& v);
    /// Sets the remark of the current address, trimmed, and shows it.
    void AddBemerkung(const QString& v);
    /// Sets the equipment number of the current address and looks up its name.
    void AddWartAnlagennummer(qint16 v);
    /// The customer number of the site (service orders) of the current address.
    QString GetWartKundenummer() const;
    /// Sets the customer number of the site of the current address; nothing is shown.
    void AddWartKundennummer(const QString& v);
    /// The technician's staff number of the current address.
    QString GetWartMonteur() const;
    /// Sets the technician's staff number of the current address and shows the technician's name.
    void AddWartMonteur(const QString& v);
    /// Shows the fault text (address 2 only); a formatted text makes the field read-only.
    void AddWarttxtStoerText(const QString& pStoerText, const QString& pStoerTextRTF);
    /// The fault text as the fault field shows it (not kept in the address).
    QString GetWartStoerText() const;
    /// The id of the on-site contact of the current address.
    QString GetWartAnsprechpartnerID() const;
    /// Sets the id of the on-site contact of the current address; nothing is shown.
    void AddWartAnsprechpartnerID(const QString& v);
    /// The on-site contact's fax number of the current address.
    QString GetWartAnsprechpartnerFax() const;
    /// Sets the on-site contact's fax number of the current address and shows it.
    void AddWartAnsprechpartnerFax(const QString& v);
    /// The on-site contact's telephone number of the current address.
    QString GetWartAnsprechpartnerTelefon() const;
    /// Sets the on-site contact's telephone number of the current address and shows it.
    void AddWartAnsprechpartnerTelefon(const QString& v);
    /// The on-site contact's mobile number of the current address.
    QString GetWartAnsprechpartnerMobil() const;
    /// Sets the on-site contact's mobile number of the current address and shows it.
    void AddWartAnsprechpartnerMobil(const QString& v);
    /// The name of the on-site contact of the current address.
    QString GetWartAnsprechpartner() const;
    /// Sets the name of the on-site contact of the current address and shows it.
    void AddWartAnsprechpartner(const QString& v);
    /// The site number (service orders) of the current address.
    qint16 GetWartStandort() const;
    /// Sets the site number (service orders) of the current address and shows it.
    void AddWartStandort(qint16 v);
    /// The appointment time of the current address; empty for the blank mask.
    QString GetWartUhrzeit() const;
    /// Sets the appointment time of the current address and shows it.
    void AddWartUhrzeit(const QString& v);
    /// The appointment duration in hundredths of an hour (150 = 1.50 h) of the current address.
    qint16 GetWartDauer() const;
    /// Sets the appointment duration (hundredths of an hour) of the current address; shows it.
    void AddWartDauer(qint16 v);
    /// The appointment date of the current address; empty for the blank mask.
    QString GetWartTermin() const;
    /// Sets the appointment date of the current address and shows it.
    void AddWartTermin(const QString& v);
    /// The first name line of the current address.
    QString GetBez1() const;
    /// Sets the standard appointment duration in hundredths of an hour.
    void AddStandarddauer(qint16 dauerInHundertstel);
    /// Sets the first name line of the current address and shows it.
    void AddBez1(const QString& v);
    /// The second name line of the current address.
    QString GetBez2() const;
    /// Sets the second name line of the current address and shows it.
    void AddBez2(const QString& v);
    /// The third name line of the current address.
    QString GetBez3() const;
    /// Sets the third name line of the current address and shows it.
    void AddBez3(const QString& v);
    /// The fourth name line of the current address.
    QString GetBez4() const;
    /// Sets the fourth name line of the current address and shows it.
    void AddBez4(const QString& v);
    /// The customer's contact person of the current address.
    QString GetAnsprechpartnerKD() const;
    /// Sets the customer's contact person of the current address and shows it.
    void AddAnsprechpartnerKD(const QString& v);
    /// Sets the flag: print the contact person in the address of the current address and shows it.
    void AddDruckAnsprechpartner(bool v);
    /// The flag: print the contact person in the address of the current address.
    bool GetDruckAnsprechpartner() const;
    /// Sets the id of the customer's contact person of the current address and shows it.
    void AddAnsprechpartnerKDID(const QString& v);
    /// The id of the customer's contact person of the current address.
    QString GetAnsprechpartnerKDID() const;
    /// The main account (debtor account) of the current address.
    QString GetHauptkonto() const;
    /// Sets the main account (debtor account) of the current address and shows it.
    void AddHauptKonto(const QString& v);
    /// The currency entry mode of the current address (1 home, 2 foreign currency).
    qint16 GetWaehrungserfassung() const;
    /// Sets the currency entry mode of the current address; nothing is shown.
    void AddWaehrungserfassung(qint16 v);
    /// Sets the home currency code.
    void AddLandeswaehrung(const QString& v);
    /// Switches the postal-code check on or off and hands the postal-code manager its connection.
    void AddMitPostleitzahl(const QString& mitPostleitzahl, std::shared_ptr<HostApplication> pApp,
                            const QString& pConnectStringDB,
                            std::shared_ptr<Connection> pConnectionDB, bool pGL_Ortsteilanzeigen);
    /// Switches the online postal-code check on or off.
    void AddMitPostleitzahlOnline(const QString& v);
    /// Whether the postal-code manager confirms a correct address with the
    /// message "Die Anschrift ... ist geprüft." (on by default, not stored).
    /// Off, the control asks the manager to suppress it before each search
    /// (setOkMeldungUnterdrucken), also a manager a host brings; choices and
    /// corrections are still offered.
    void setPlzBestaetigung(bool on);
    /// Whether a correct address is confirmed with a message.
    bool plzBestaetigung() const;
    /// The place of the current address.
    QString GetOrt() const;
    /// Sets the place of the current address and shows it.
    void AddOrt(const QString& v);
    /// The country of the current address.
    QString GetLand() const;
    /// Sets the country of the current address and shows it.
    void AddLand(const QString& v);
    /// The street of the current address.
    QString GetStrasse() const;
    /// Sets the street of the current address and shows it.
    void AddStrasse(const QString& v);
    /// The postal code of the current address.
    QString GetPostleitzahl() const;
    /// Sets the postal code of the current address and shows it.
    void AddPostleitzahl(const QString& v);
    /// Sets the document type (10 offer ... 130 service invoice).
    void AddBelegart(qint16 v);
    /// The post-office box of the current address.
    QString GetPostfach() const;
    /// Sets the post-office box of the current address and shows it.
    void AddPostfach(const QString& v);
    /// The VAT identification number of the current address.
    QString GetUstIdentNr() const;
    /// Sets the VAT identification number of the current address and shows it.
    void AddUstIdentNr(const QString& v);
    /// The postal code of the post-office box of the current address.
    QString GetPostfachPlz() const;
    /// Sets the postal code of the post-office box of the current address and shows it.
    void AddPostfachPlz(const QString& v);
    /// The delivery block flag of the current address.
    bool GetLiefersperre() const;
    /// Sets the delivery block flag of the current address and shows it.
    void AddLiefersperre(bool v);
    /// The first representative of the current address.
    QString GetVertreter1() const;
    /// Sets the first representative of the current address and shows it.
    void AddVertreter1(const QString& v);
    /// The second representative of the current address.
    QString GetVertreter2() const;
    /// Sets the second representative of the current address and shows it.
    void AddVertreter2(const QString& v);
    /// The third representative of the current address.
    QString GetVertreter3() const;
    /// Sets the third representative of the current address and shows it.
    void AddVertreter3(const QString& v);
    /// The customer number of the shipping address of the current address.
    QString GetVKD_Nr() const;
    /// Sets the customer number of the shipping address of the current address and shows it.
    void AddVKD_Nr(const QString& v);
    /// The customer number of the invoice address of the current address.
    QString GetRKD_Nr() const;
    /// Sets the customer number of the invoice address of the current address and shows it.
    void AddRKD_Nr(const QString& v);
    /// The address number of the invoice address of the current address.
    QString GetRAD_Nr() const;
    /// Sets the address number of the invoice address of the current address and shows it.
    void AddRAD_Nr(const QString& v);
    /// The address number of the shipping address of the current address.
    QString GetVAD_Nr() const;
    /// Sets the address number of the shipping address of the current address and shows it.
    void AddVAD_Nr(const QString& v);
    /// The shipping text (kept by no member yet) of the current address.
    QString GetVersandtext() const;
    /// Accepts a shipping text; nothing is kept yet.
    void AddVersandtext(const QString& v);
    /// The invoice text (kept by no member yet) of the current address.
    QString GetRechnungText() const;
    /// Accepts an invoice text; nothing is kept yet.
    void AddRechnungText(const QString& v);
    /// The header text number for offers of the current address.
    QString GetKAnNr() const;
    /// Sets the header text number for offers of the current address and shows it.
    void AddKAnNr(const QString& v);
    /// The header text number for order confirmations of the current address.
    QString GetKAuNr() const;
    /// Sets the header text number for order confirmations of the current address and shows it.
    void AddKAuNr(const QString& v);
    /// The header text number for delivery notes of the current address.
    QString GetKLsNr() const;
    /// Sets the header text number for delivery notes of the current address and shows it.
    void AddKLsNr(const QString& v);
    /// The header text number for invoices of the current address.
    QString GetKReNr() const;
    /// Sets the header text number for invoices of the current address and shows it.
    void AddKReNr(const QString& v);
    /// The header text number for credit notes of the current address.
    QString GetKGuNr() const;
    /// Sets the header text number for credit notes of the current address and shows it.
    void AddKGuNr(const QString& v);
    /// The footer text number for credit notes of the current address.
    QString GetFGuNr() const;
    /// Sets the footer text number for credit notes of the current address and shows it.
    void AddFGuNr(const QString& v);
    /// The footer text number for invoices of the current address.
    QString GetFReNr() const;
    /// Sets the footer text number for invoices of the current address and shows it.
    void AddFReNr(const QString& v);
    /// The footer text number for delivery notes of the current address.
    QString GetFLsNr() const;
    /// Sets the footer text number for delivery notes of the current address and shows it.
    void AddFLsNr(const QString& v);
    /// The footer text number for order confirmations of the current address.
    QString GetFAuNr() const;
    /// Sets the footer text number for order confirmations of the current address and shows it.
    void AddFAuNr(const QString& v);
    /// The footer text number for offers of the current address.
    QString GetFAnNr() const;
    /// Sets the footer text number for offers of the current address and shows it.
    void AddFAnNr(const QString& v);
    /// The exchange rate of the home currency of the current address.
    double GetWechselkursHauswaehrung() const;
    /// The exchange rate of the document currency of the current address.
    double GetWechselkurs() const;
    /// Sets the home-currency rate of the current address; 0 looks it up.
    void AddWechselkursHauswaehrung(double v);
    /// Sets the exchange rate of the document currency of the current address and shows it.
    void AddWechselkurs(double v);
    /// The order discount in percent of the current address.
    double GetRabatt() const;
    /// Sets the order discount in percent of the current address and shows it.
    void AddRabatt(double v);
    /// The flag: print the retention period note of the current address.
    bool GetDruckAufbewahrungsfrist() const;
    /// The flag: send the invoice as PDF of the current address.
    bool GetRechnungPerPDF() const;
    /// The flag: with bank transfers of the current address.
    bool GetMitUeberweisungen() const;
    /// The flag: miscellaneous (one-off) customer of the current address.
    bool GetKzDivers() const;
    /// Sets the flag: print the retention period note of the current address and shows it.
    void AddDruckAufbewahrungsfrist(bool v);
    /// Sets the flag: send the invoice as PDF of the current address and shows it.
    void AddRechnungPerPDF(bool v);
    /// Sets the bank-transfer flag of the current address; nothing is shown.
    void AddMitUeberweisungen(bool v);
    /// Sets the flag: miscellaneous (one-off) customer of the current address and shows it.
    void AddKzDivers(bool v);
    /// The exchange-rate handling (multiply or divide) of the current address.
    qint16 GetKursbehandlung() const;
    /// Sets the exchange-rate handling (multiply or divide) of the current address and shows it.
    void AddKursbehandlung(qint16 v);
    /// The payment method key of the current address.
    QString GetZahlungsart() const;
    /// Sets the payment method key of the current address and shows it.
    void AddZahlungsart(const QString& v);
    /// Sets the shipping method key of the current address and shows it.
    void AddVersandart(const QString& v);
    /// The shipping method key of the current address.
    QString GetVersandart() const;
    /// The payment terms key of the current address.
    QString GetZahlungsbedingungen() const;
    /// Sets the payment terms key of the current address and shows it.
    void AddZahlungsbedingungen(const QString& v);
    /// The VAT key of the current address.
    QString GetMwstKnz() const;
    /// Sets the VAT key of the current address and shows it.
    void AddMwstKnz(const QString& v);
    /// The currency code of the current address.
    QString GetWaehrung() const;
    /// Sets the currency of the current address (blank: the home currency) and shows it.
    void AddWaehrung(const QString& v);
    /// The salutation key of the current address.
    QString GetAnrede() const;
    /// Sets the salutation key of the current address and shows it.
    void AddAnrede(const QString& v);
    /// Sets the page count (1 or 2) of an address; false for arguments out of range.
    QVariant SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten);
    /// Drop of a general address number: loads that address.
    qint32 fktDragNummerAdresse(const QString& nummer);
    /// Drop of a customer number: loads that customer.
    qint32 fktDragNummer(const QString& nummer);
    /// Drop of a staff number into the technician field.
    qint32 fktDragPersonalNummer(const QString& nummer);
    /// Drop of a text-module number of the given text type.
    qint32 fktDragTextNummerAllgenmein(const QString& nummer, const QVariant& texttyp);
    /// Checks a text type code.
    qint32 PruefeTexttyp(const QVariant& texttyp);
    /// Drop of a text-module number into the focused text-number field.
    qint32 fktDragTextNummer(const QString& nummer);

    /// Whether the shipping-address number fields are shown.
    bool MitVersandanschrift() const;
    /// Shows or hides the shipping-address number fields.
    void setMitVersandanschrift(bool v);
    /// Whether the invoice-address number fields are shown.
    bool MitRechnungsanschrift() const;
    /// Shows or hides the button that writes the address back to the master record (not stored).
    void setMitKundenaktualisierung(bool v);
    /// Lists matching customers and general addresses when the place line of a new address is left
    /// (off by default, not stored).
    void setDuplikatWarnung(bool on);
    /// Whether the duplicate warning for new addresses is on.
    bool duplikatWarnung() const;
    /// The printable lines of address `adresse` (1-based; the shown one as its
    /// fields hold it) for the address zone of a window envelope, as the post
    /// of the destination country wants them: at most six lines of at most 35
    /// characters where abbreviations allow, no blank lines, abroad the
    /// country in German capitals as the last line. Error 9 for an address
    /// that does not exist. Widget-free rules: control/AddressBlock.h.
    QStringList Anschriftzeilen(qint16 adresse);
    /// The country letters go out from, as the country field writes it (D
    /// unless set); an address with an empty country lies there, and the
    /// postal check looks it up there.
    void setHeimatland(const QString& land);
    /// The country letters go out from.
    QString heimatland() const;
    /// Shows or hides the invoice-address number fields.
    void setMitRechnungsanschrift(bool v);
    /// Whether the header-text row is shown.
    bool MitKopftext() const;
    /// Shows or hides the header-text row.
    void setMitKopftext(bool v);
    /// Whether the footer-text row is shown.
    bool MitFusstext() const;
    /// Whether the control is in document mode.
    bool FuerBeleg() const;
    /// Document mode: hides both text-number rows and shows the release button.
    void setFuerBeleg(bool v);
    /// Shows or hides the footer-text row.
    void setMitFusstext(bool v);
    /// Whether the shipping-method field is shown.
    bool MitVersandarten() const;
    /// Shows or hides the shipping-method field.
    void setMitVersandarten(bool v);
    /// Whether the representative fields are shown.
    bool MitSachbearbeiter() const;
    /// Shows or hides the three representative fields.
    void setMitSachbearbeiter(bool v);
    /// Whether the order-discount field is shown.
    bool MitAuftragsrabatt() const;
    /// Whether the invoice-as-PDF check box is shown.
    bool MitRechnungPerPDF() const;
    /// Shows or hides the order-discount field.
    void setMitAuftragsrabatt(bool v);
    /// Shows or hides the invoice-as-PDF check box.
    void setMitRechnungPerPDF(bool v);
    /// Whether the main-account field is shown.
    bool MitDebitorenkonto() const;
    /// Shows or hides the main-account field.
    void setMitDebitorenkonto(bool v);
    /// Whether the control is in maintenance mode.
    bool MitWartung() const;
    /// Records the maintenance mode (no immediate layout change).
    void setMitWartung(bool v);
    /// Whether the control is in customer-service mode.
    bool MitKundendienst() const;
    /// Records the customer-service mode (no immediate layout change).
    void setMitKundendienst(bool v);
    /// Whether the post-office-box fields are shown.
    bool MitPostfach() const;
    /// Shows or hides the post-office-box fields.
    void setMitPostfach(bool v);

    /// Cuts the selection of the focused field.
    void mnu_Cut();
    /// Copies the selection of the focused field.
    void mnu_Copy();
    /// Pastes into the focused field.
    void mnu_Paste();
    /// Stores the user tag of the focused field; answers Empty.
    QVariant Setze_Tag_user();
    /// Reads the user tag of the focused field back (Ctrl+F3); answers Empty.
    QVariant Hole_Tag_user();

signals:
    // The events of control/Events.h, in their fixed order, each with its
    // name, arguments and description there.
    BELEGADRESSEN_EVENTS(BELEGADRESSEN_EVENT_SIGNAL, BELEGADRESSEN_NEVER_SIGNAL)
    // Not an event of the interface: the property store's change notification.
    /// A stored property changed (the property store marks the form as changed).
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
