#pragma once
#include "belegadressen_script_export.h"
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

class QJSEngine;

namespace belegadressen {

class BelegAdressen;
namespace scripting {
class ScriptWatchdog;
}

/// Drives a control from JavaScript (QJSEngine) by the members' original
/// names, as late binding does, and hands on the control's events as signals
/// a script connects to (`bridge.Change.connect(f)`).
///
/// Values cross as the member table converts them: numbers, booleans, texts,
/// and undefined or null for Empty. The control's errors arrive as JavaScript
/// exceptions whose `number` property carries the error number (9 for an
/// address index out of range, 438 for an unknown member).
class BELEGADRESSEN_SCRIPT_EXPORT ScriptBridge : public QObject {
    Q_OBJECT

public:
    /// A bridge to `control`; it refuses every call once the control is gone.
    explicit ScriptBridge(BelegAdressen& control, QObject* parent = nullptr);
    /// Disconnects from the control.
    ~ScriptBridge() override;

    /// Makes the bridge the global `name` of `engine`; the bridge stays owned by C++.
    void expose(QJSEngine& engine, const QString& name);

    /// Stops a script that runs longer than `limit` in one go (zero, the
    /// default: never): its body run through evaluate() and each event's
    /// handlers. The engine aborts it with an error the script cannot catch.
    /// Takes effect once the bridge is exposed.
    void setTimeLimit(std::chrono::milliseconds limit);
    /// The limit set with setTimeLimit().
    std::chrono::milliseconds timeLimit() const { return mTimeLimit; }
    /// QJSEngine::evaluate on the exposed engine, under the time limit.
    QJSValue evaluate(const QString& program, const QString& fileName = {}, int lineNumber = 1,
                      QStringList* stack = nullptr);
    /// Whether the time limit stopped a script since the last call; clears it.
    bool takeTimedOut();

    /// Runs the member `name` with the arguments of the array `args` (none when
    /// left out). A method is called as a method; a property is read without an
    /// argument and set with one. Answers the member's result, undefined for Empty.
    Q_INVOKABLE QJSValue invoke(const QString& name, const QJSValue& args = QJSValue());
    /// The members in interface order, each as {position, name, kind}, kind being
    /// "Method", "PropertyGet" or "PropertyPut".
    Q_INVOKABLE QJSValue members() const;
    /// The printable lines of address `adresse` (1-based) for a window
    /// envelope, as an array of strings (BelegAdressen::Anschriftzeilen); not
    /// one of the members. A missing address throws error 9.
    Q_INVOKABLE QJSValue anschriftzeilen(const QJSValue& adresse);

signals:
    /// The user changed a value of the address block.
    void Change();
    /// The control was clicked.
    void Click();
    /// The customer search button was pressed.
    void btnKundeClick();
    /// The address search button was pressed.
    void btnAdresseClick();
    /// The technician search button was pressed.
    void btnMonteurClick();
    /// Declared for the service order's contact button; never raised.
    void btnAnpWartClick();
    /// Declared for the document's contact button; never raised.
    void btnAnpBelClick();
    /// The equipment button was pressed.
    void btnAnlageClick();
    /// The map button was pressed for the shown postal code, place and street.
    void AufrufAutoMap(const QString& Postleitzahl, const QString& Ort, const QString& Strasse);
    /// The document currency changed, with the old and new rate and the rate handling.
    void Waehrungchange(const QString& NachWaehrung, double VonKurs, double NachKurs,
                        qint16 Kursbehandlung);
    /// The exchange rate changed.
    void Wechselkurschange(double VonKursneu, double NachKursneu, qint16 Kursbehandlung,
                           const QString& Waehrung);
    /// An info button was pressed (index of the button).
    void btnInfoClick(qint16 Index);
    /// The button to copy from another document was pressed.
    void btnUebernehme();
    /// The contact-person button was pressed for a customer.
    void btnAnsprechpartner(const QString& pKdnr, bool pFuerWart);
    /// The contact person was cleared.
    void btnAnsprechpartnerReset(bool pFuerWart);
    /// The user switched to page 2 of the address.
    void btnSeite2Click();
    /// A header text button was pressed.
    void btnKopftextClick(qint16 Index, const QString& wert, const QString& Textart);
    /// A footer text button was pressed.
    void btnFusstextClick(qint16 Index, const QString& wert, const QString& Textart);
    /// The VAT key changed.
    void ChangeMwstKnz(const QString& MwstKnz);
    /// The payment terms changed.
    void ChangeZahlungsbedingungen(const QString& Zahlungsbedingungen);
    /// The customer's discount changed.
    void ChangeKundenrabatt(double Rabattproz);
    /// Declared for hosts of the interface and never raised: the control has
    /// no double-click of its own. The same holds for the key and mouse
    /// events below; a script never receives them.
    void DblClick();
    /// Declared, never raised (see DblClick).
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /// Declared, never raised (see DblClick).
    void KeyPress(qint16 KeyAscii);
    /// Declared, never raised (see DblClick).
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /// Declared, never raised (see DblClick).
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    /// Declared, never raised (see DblClick).
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    /// Declared, never raised (see DblClick).
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    /// The subject of the service order changed.
    void ChangeBetreff(const QString& pBetreff);
    /// The revenue-account key of the site changed.
    void ChangeErloekennung(const QString& pErloeskennung);
    /// The note of the site changed.
    void ChangeStandortNotiz(const QString& pNotiz);
    /// The report forms of the site and equipment changed.
    void ChangeAnlageFormular(const QString& pFormularST, const QString& pFormularWA);
    /// The date of the last maintenance changed.
    void ChangeDatumLetzteWartung(const QString& pDatumLetzteWartung);
    /// An appointment is to be entered in the host's scheduler.
    void TerminEintragen(const QString& Monteur, const QString& Termin, const QString& Uhrzeit,
                         qint16 Dauer, const QString& Ansprechpartner, const QString& Telefon,
                         const QString& Fax, const QString& Betreff, qint32 Vorwarnzeit);
    /// The host's appointment assistant is asked for.
    void TerminAssistent(const QString& Monteur, const QString& Termin, const QString& Uhrzeit,
                         qint16 Dauer);
    /// The customer's master sheet is asked for.
    void StammBlatt(const QString& Kundennummer);
    /// The maintenance appointment is to be deleted.
    void LoescheWarttermin(bool pMitabfrage);

private:
    template <class... Args>
    void forward(void (BelegAdressen::*event)(Args...), void (ScriptBridge::*signal)(Args...));
    void forwardEvents();
    QPointer<BelegAdressen> mControl;
    QPointer<QJSEngine> mEngine;
    std::chrono::milliseconds mTimeLimit{0};
    std::unique_ptr<scripting::ScriptWatchdog> mWatchdog;
};

} // namespace belegadressen
