#pragma once
#include <QString>

namespace belegadressen {

// The events the control raises to its host. The facade implements it by
// emitting its signals; collaborators raise events through it.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void raiseChange() = 0;
    virtual void raiseClick() = 0;
    virtual void raiseBtnKundeClick() = 0;
    virtual void raiseBtnAdresseClick() = 0;
    virtual void raiseBtnMonteurClick() = 0;
    virtual void raiseBtnAnlageClick() = 0;
    virtual void raiseAufrufAutoMap(const QString& plz, const QString& ort,
                                    const QString& strasse) = 0;
    virtual void raiseWaehrungchange(const QString& nachWaehrung, double vonKurs, double nachKurs,
                                     qint16 kursbehandlung) = 0;
    virtual void raiseWechselkurschange(double vonKursneu, double nachKursneu,
                                        qint16 kursbehandlung, const QString& waehrung) = 0;
    virtual void raiseBtnInfoClick(qint16 index) = 0;
    virtual void raiseBtnUebernehme() = 0;
    virtual void raiseBtnAnsprechpartner(const QString& kdnr, bool fuerWart) = 0;
    virtual void raiseBtnAnsprechpartnerReset(bool fuerWart) = 0;
    virtual void raiseBtnSeite2Click() = 0;
    virtual void raiseBtnKopftextClick(qint16 index, const QString& wert,
                                       const QString& textart) = 0;
    virtual void raiseBtnFusstextClick(qint16 index, const QString& wert,
                                       const QString& textart) = 0;
    virtual void raiseChangeMwstKnz(const QString& mwstKnz) = 0;
    virtual void raiseChangeZahlungsbedingungen(const QString& zahlungsbedingungen) = 0;
    virtual void raiseChangeKundenrabatt(double rabattproz) = 0;
    virtual void raisePropertyChanged(const QString& name) = 0;
    // Service orders: site takeovers and the appointment book.
    virtual void raiseChangeBetreff(const QString& betreff) = 0;
    virtual void raiseChangeErloekennung(const QString& erloeskennung) = 0;
    virtual void raiseChangeStandortNotiz(const QString& notiz) = 0;
    virtual void raiseChangeAnlageFormular(const QString& formularST,
                                           const QString& formularWA) = 0;
    virtual void raiseChangeDatumLetzteWartung(const QString& datum) = 0;
    virtual void raiseTerminEintragen(const QString& monteur, const QString& termin,
                                      const QString& uhrzeit, qint16 dauer,
                                      const QString& ansprechpartner, const QString& telefon,
                                      const QString& fax, const QString& betreff,
                                      qint32 vorwarnzeit) = 0;
    virtual void raiseTerminAssistent(const QString& monteur, const QString& termin,
                                      const QString& uhrzeit, qint16 dauer) = 0;
    virtual void raiseLoescheWarttermin(bool mitAbfrage) = 0;
    virtual void raiseStammBlatt(const QString& kundennummer) = 0;
};

} // namespace belegadressen
