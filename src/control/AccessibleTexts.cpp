// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/AccessibleTexts.h"
#include <array>
#include <vector>

namespace belegadressen {

namespace {

struct Row {
    QString objectName;
    AccessibleText text;
};

const char* const kF2Search = "Suchen mit F2";

std::vector<Row> buildTable() {
    std::vector<Row> rows;
    const auto add = [&rows](const char* objectName, const char* name,
                             const char* description = "") {
        rows.push_back({QString::fromUtf8(objectName),
                        {QString::fromUtf8(name), QString::fromUtf8(description)}});
    };

    // Number entry and address lines.
    add("txtDNummer", "Kundennummer");
    add("btnKunde", "Kunde suchen", kF2Search);
    add("btnAdresse", "Allgemeine Adresse suchen");
    add("btnAktKunde", "Adresse im Stamm aktualisieren");
    add("ocxAnrede", "Anrede");
    add("txtDAdr_0", "Vorname");
    add("txtDAdr_1", "Name 1");
    add("txtDAdr_2", "Name 2");
    add("txtDAdr_3", "Name 3");
    add("txtDAdr_4", "Name 4");
    add("txtDAdr_5", "Straße");
    add("cdoDLand", "Land");
    add("txtDPostleitzahl", "Postleitzahl", "Postleitzahl suchen mit F2");
    add("txtDAdr_6", "Ort", "Postleitzahl suchen mit F2");
    add("btnPlz", "Postleitzahl suchen", "F2 im Feld Postleitzahl oder Ort");
    add("btnAutoMap", "Karte anzeigen");
    add("txtDPostfach", "Postfach");
    add("txtDPlzPostfach", "Postleitzahl des Postfachs");
    add("txtAnsprechpartnerKD", "Ansprechpartner", "Auswahl mit F2");
    add("btnAnpBel", "Ansprechpartner wählen", "F2 im Feld Ansprechpartner");
    add("chkDruckInAnschriftKD", "Ansprechpartner in der Anschrift drucken");

    // Shipping and invoice address references.
    add("txtDKD_Nr_0", "Versand an Kundennummer");
    add("txtDAD_Nr_0", "Versand an Adressnummer");
    add("txtDKD_Nr_1", "Rechnung an Kundennummer");
    add("txtDAD_Nr_1", "Rechnung an Adressnummer");
    add("btnVersandan_0", "Versand an Kunde");
    add("btnVersandan_1", "Versand an Adresse");
    add("btnRechan_0", "Rechnung an Kunde");
    add("btnRechan_1", "Rechnung an Adresse");

    // Commercial fields.
    add("txtDHauptkonto", "Hauptkonto");
    add("txtDUstIdentNr", "Umsatzsteuer-Identifikationsnummer");
    add("ocxMwstKnz", "Mehrwertsteuertyp");
    add("ocxZahlungsart", "Zahlungsart");
    add("ocxZahlungsbedingungen", "Zahlungsbedingung");
    add("txtDAuftragsrabatt", "Rabatt in Prozent");
    add("chkKnzDivers", "Sammelmahnung");
    add("chkDruckAufbewahrungsfrist", "Text zur Aufbewahrungsfrist drucken");
    add("chkRechnungPerPDF", "Rechnung per PDF");
    add("ocxVertreter_0", "Sachbearbeiter 1");
    add("ocxVertreter_1", "Sachbearbeiter 2");
    add("ocxVertreter_2", "Sachbearbeiter 3");
    add("ocxDVersandart", "Versandart");

    // Service order.
    add("txtStandort", "Standort");
    add("txtAnlage", "Anlage");
    add("txtAnlagenBezeichnung", "Bezeichnung der Anlage");
    add("txtVertrag", "Vertrag");
    add("btnAnlage", "Anlage wählen");
    add("txtMonteur_0", "Monteur", "Auswahl mit F2");
    add("btnMonteur_0", "Monteur wählen", "F2 im Feld Monteur");
    add("btnMonteur_1", "Monteur wählen");
    add("txtMonteurname_0", "Name des Monteurs");
    add("txtTermin", "Termin");
    add("btnLoeTermin", "Termin löschen");
    add("txtUhrzeit", "Uhrzeit");
    add("txtDauer", "Dauer in Stunden");
    add("txtAnsprechpartner", "Ansprechpartner vor Ort", "Auswahl mit F2");
    add("btnAnpWart", "Ansprechpartner vor Ort wählen", "F2 im Feld Ansprechpartner vor Ort");
    add("txtTelefon", "Telefon");
    add("txtMobil", "Mobil");
    add("txtFax", "Fax");
    add("txtStoerText", "Betreff");
    add("txtBemerkung", "Bemerkung");
    add("txtDatumLetzteWartung", "Datum der letzten Wartung");
    add("txtDatumLetzteRechnung", "Datum der letzten Rechnung");

    // Header and footer text numbers, row by row, and their buttons.
    const std::array<const char*, 5> kinds = {"Angebot", "Auftrag", "Lieferschein", "Rechnung",
                                              "Gutschrift"};
    const std::array<const char*, 5> fields = {"txtDAnNr", "txtdAuNr", "txtdLsNr", "txtdReNr",
                                               "txtdGuNr"};
    for (int element = 0; element < 2; ++element) {
        const QString row = element == 0 ? QStringLiteral("Kopftext") : QStringLiteral("Fußtext");
        const QString button =
            element == 0 ? QStringLiteral("btnKopf_") : QStringLiteral("btnFuß_");
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const QString kind = QString::fromUtf8(kinds[k]);
            const QString index = QString::number(k);
            rows.push_back(
                {QString::fromUtf8(fields[k]) + QLatin1Char('_') + QString::number(element),
                 {row + QLatin1Char(' ') + kind, QString()}});
            rows.push_back({button + index,
                            {row + QStringLiteral(" für ") + kind + QStringLiteral(" wählen"),
                             QStringLiteral("F2 im Feld ") + row + QLatin1Char(' ') + kind}});
        }
    }

    // Page 2: currency.
    add("ocxWaehrung", "Währung");
    add("txtDWechselkurs", "Wechselkurs");
    add("cdoDKursbehandlung", "Kursbehandlung");
    add("TxtDHauswährung", "Hauswährung");
    add("txtDKursHauswährung", "Kurs der Hauswährung");

    // The pictures the image buttons take at start-up.
    add("img_ButtonUp", "Bild der losgelassenen Schaltfläche");
    add("img_ButtonDown", "Bild der gedrückten Schaltfläche");
    return rows;
}

const std::vector<Row>& table() {
    static const std::vector<Row> rows = buildTable();
    return rows;
}

} // namespace

AccessibleText accessibleTextOf(const QString& objectName) {
    for (const Row& row : table())
        if (row.objectName == objectName) return row.text;
    return {};
}

QStringList controlsWithAccessibleText() {
    QStringList names;
    for (const Row& row : table())
        names << row.objectName;
    return names;
}

} // namespace belegadressen
