// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The control's events, once: everything that declares, raises, forwards or
// logs them is generated from this list.

/// \file
/// The 37 events of the address block in their fixed order (the order of the
/// interface's dispatch ids): BelegAdressen declares them as its signals,
/// ScriptBridge forwards them to scripts. Each entry reads
/// `EVENT(name, "original name", raiseName, (parameters), (arguments), "description")`;
/// an event the control declares but never raises is a `NEVER` entry without
/// the raise name. Hosts may expand the list with macros of their own, for
/// example to connect a logger to every event.

// clang-format off
/// The events, in order; see the file's description.
#define BELEGADRESSEN_EVENTS(EVENT, NEVER) \
    EVENT(Change, "Change", raiseChange, (), (), \
          "The user changed a value of the address block.") \
    EVENT(Click, "Click", raiseClick, (), (), \
          "The control was clicked.") \
    EVENT(btnKundeClick, "btnKundeClick", raiseBtnKundeClick, (), (), \
          "The customer search was requested (button or F2); answer with fktDragNummer() " \
          "through a Qt::QueuedConnection: the control marks the search as started only " \
          "after this event returns, so a direct answer leaves the next typed number unloaded.") \
    EVENT(btnAdresseClick, "btnAdresseClick", raiseBtnAdresseClick, (), (), \
          "The address search was requested; answer with fktDragNummerAdresse() through a " \
          "Qt::QueuedConnection, for the same reason as btnKundeClick().") \
    EVENT(btnMonteurClick, "btnMonteurClick", raiseBtnMonteurClick, (), (), \
          "The technician search was requested; answer with fktDragPersonalNummer() (a " \
          "Qt::QueuedConnection, as for the other search events, serves as well).") \
    NEVER(btnAnpWartClick, "btnAnpWartClick", (), (), \
          "Declared for the service order's contact button; never raised.") \
    NEVER(btnAnpBelClick, "btnAnpBelClick", (), (), \
          "Declared for the document's contact button; never raised.") \
    EVENT(btnAnlageClick, "btnAnlageClick", raiseBtnAnlageClick, (), (), \
          "The equipment button was pressed.") \
    EVENT(AufrufAutoMap, "AufrufAutoMap", raiseAufrufAutoMap, \
          (const QString& Postleitzahl, const QString& Ort, const QString& Strasse), \
          (Postleitzahl, Ort, Strasse), \
          "The map button was pressed for the shown postal code, place and street.") \
    EVENT(Waehrungchange, "Währungchange", raiseWaehrungchange, \
          (const QString& NachWaehrung, double VonKurs, double NachKurs, qint16 Kursbehandlung), \
          (NachWaehrung, VonKurs, NachKurs, Kursbehandlung), \
          "The document currency changed, with the old and new rate and the rate handling.") \
    EVENT(Wechselkurschange, "Wechselkurschange", raiseWechselkurschange, \
          (double VonKursneu, double NachKursneu, qint16 Kursbehandlung, const QString& Waehrung), \
          (VonKursneu, NachKursneu, Kursbehandlung, Waehrung), \
          "The exchange rate changed.") \
    EVENT(btnInfoClick, "btnInfoClick", raiseBtnInfoClick, (qint16 Index), (Index), \
          "An info button was pressed (index of the button).") \
    EVENT(btnUebernehme, "btnÜbernehme", raiseBtnUebernehme, (), (), \
          "The button to copy from another document was pressed.") \
    EVENT(btnAnsprechpartner, "btnAnsprechpartner", raiseBtnAnsprechpartner, \
          (const QString& pKdnr, bool pFuerWart), (pKdnr, pFuerWart), \
          "The contact-person button was pressed for a customer.") \
    EVENT(btnAnsprechpartnerReset, "btnAnsprechpartnerReset", raiseBtnAnsprechpartnerReset, \
          (bool pFuerWart), (pFuerWart), \
          "The contact person was cleared.") \
    EVENT(btnSeite2Click, "btnSeite2Click", raiseBtnSeite2Click, (), (), \
          "The user switched to page 2 of the address.") \
    EVENT(btnKopftextClick, "btnKopftextClick", raiseBtnKopftextClick, \
          (qint16 Index, const QString& wert, const QString& Textart), (Index, wert, Textart), \
          "A header text button was pressed; the host chooses a text module.") \
    EVENT(btnFusstextClick, "btnFußtextClick", raiseBtnFusstextClick, \
          (qint16 Index, const QString& wert, const QString& Textart), (Index, wert, Textart), \
          "A footer text button was pressed; the host chooses a text module.") \
    EVENT(ChangeMwstKnz, "ChangeMwstKnz", raiseChangeMwstKnz, \
          (const QString& MwstKnz), (MwstKnz), \
          "The VAT key changed.") \
    EVENT(ChangeZahlungsbedingungen, "ChangeZahlungsbedingungen", raiseChangeZahlungsbedingungen, \
          (const QString& Zahlungsbedingungen), (Zahlungsbedingungen), \
          "The payment terms changed.") \
    EVENT(ChangeKundenrabatt, "ChangeKundenrabatt", raiseChangeKundenrabatt, \
          (double Rabattproz), (Rabattproz), \
          "The customer's discount changed.") \
    NEVER(DblClick, "DblClick", (), (), \
          "Declared for hosts of the interface and never raised: the control has no " \
          "double-click of its own. The same holds for the key and mouse events below; " \
          "hosts watch the widget with an event filter instead, scripts never receive them.") \
    NEVER(KeyDown, "KeyDown", (qint16 KeyCode, qint16 Shift), (KeyCode, Shift), \
          "Declared, never raised (see DblClick).") \
    NEVER(KeyPress, "KeyPress", (qint16 KeyAscii), (KeyAscii), \
          "Declared, never raised (see DblClick).") \
    NEVER(KeyUp, "KeyUp", (qint16 KeyCode, qint16 Shift), (KeyCode, Shift), \
          "Declared, never raised (see DblClick).") \
    NEVER(MouseDown, "MouseDown", (qint16 Button, qint16 Shift, float X, float Y), \
          (Button, Shift, X, Y), \
          "Declared, never raised (see DblClick).") \
    NEVER(MouseMove, "MouseMove", (qint16 Button, qint16 Shift, float X, float Y), \
          (Button, Shift, X, Y), \
          "Declared, never raised (see DblClick).") \
    NEVER(MouseUp, "MouseUp", (qint16 Button, qint16 Shift, float X, float Y), \
          (Button, Shift, X, Y), \
          "Declared, never raised (see DblClick).") \
    EVENT(ChangeBetreff, "ChangeBetreff", raiseChangeBetreff, \
          (const QString& pBetreff), (pBetreff), \
          "The subject of the service order changed.") \
    EVENT(ChangeErloekennung, "ChangeErloekennung", raiseChangeErloekennung, \
          (const QString& pErloeskennung), (pErloeskennung), \
          "The revenue-account key of the site changed.") \
    EVENT(ChangeStandortNotiz, "ChangeStandortNotiz", raiseChangeStandortNotiz, \
          (const QString& pNotiz), (pNotiz), \
          "The note of the site changed.") \
    EVENT(ChangeAnlageFormular, "ChangeAnlageFormular", raiseChangeAnlageFormular, \
          (const QString& pFormularST, const QString& pFormularWA), (pFormularST, pFormularWA), \
          "The report forms of the site and equipment changed.") \
    EVENT(ChangeDatumLetzteWartung, "ChangeDatumLetzteWartung", raiseChangeDatumLetzteWartung, \
          (const QString& pDatumLetzteWartung), (pDatumLetzteWartung), \
          "The date of the last maintenance changed.") \
    EVENT(TerminEintragen, "TerminEintragen", raiseTerminEintragen, \
          (const QString& Monteur, const QString& Termin, const QString& Uhrzeit, qint16 Dauer, \
           const QString& Ansprechpartner, const QString& Telefon, const QString& Fax, \
           const QString& Betreff, qint32 Vorwarnzeit), \
          (Monteur, Termin, Uhrzeit, Dauer, Ansprechpartner, Telefon, Fax, Betreff, Vorwarnzeit), \
          "An appointment is to be entered in the host's scheduler.") \
    EVENT(TerminAssistent, "TerminAssistent", raiseTerminAssistent, \
          (const QString& Monteur, const QString& Termin, const QString& Uhrzeit, qint16 Dauer), \
          (Monteur, Termin, Uhrzeit, Dauer), \
          "The host's appointment assistant is asked for.") \
    EVENT(StammBlatt, "StammBlatt", raiseStammBlatt, \
          (const QString& Kundennummer), (Kundennummer), \
          "The customer's master sheet is asked for.") \
    EVENT(LoescheWarttermin, "LoescheWarttermin", raiseLoescheWarttermin, \
          (bool pMitabfrage), (pMitabfrage), \
          "The maintenance appointment is to be deleted.")
// clang-format on

/// Declares an event as a signal (inside `signals:`).
#define BELEGADRESSEN_EVENT_SIGNAL(name, original, raise, params, args, doc) void name params;
/// Declares a never-raised event as a signal (inside `signals:`).
#define BELEGADRESSEN_NEVER_SIGNAL(name, original, params, args, doc) void name params;
