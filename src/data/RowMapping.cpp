// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/RowMapping.h"
#include "contracts/Recordset.h"
#include "control/AdressDaten.h"
#include "control/Values.h"

namespace belegadressen {

QString columnText(const Recordset& rs, const char* column) {
    return textOf(rs.Value(QString::fromUtf8(column)));
}

bool columnFlag(const Recordset& rs, const char* column) {
    const QVariant v = rs.Value(QString::fromUtf8(column));
    if (v.isNull()) return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (s.compare("true", Qt::CaseInsensitive) == 0 || s == "t") return true;
        if (s.compare("false", Qt::CaseInsensitive) == 0 || s == "f" || s.isEmpty()) return false;
        return s.toDouble() != 0;
    }
    return v.toBool();
}

namespace {

void fillCurrency(AdressDaten& r, const Recordset& rs, const CustomerRowRules& rules) {
    const QString& home = rules.homeCurrency;
    const QString column = columnText(rs, "Währung");
    const QString w = column.trimmed();
    r.Waehrung = (w.isEmpty() || w == QLatin1String("0")) ? home : column;
    if (r.Waehrung.trimmed() == home) {
        r.Waehrungserfassung = 1;
        r.Wechselkurs = 0;
    } else {
        r.Waehrungserfassung = 2;
        const double rate = rules.rateOf(r.Waehrung.trimmed());
        r.Wechselkurs = rate == -1 ? 0 : rate;
    }
    const double homeRate = rules.rateOf(home);
    r.WechselkursHauswaehrung = homeRate == -1 ? 0 : homeRate;
    r.Kursbehandlung = 2;
}

} // namespace

void fillFromCustomerRow(AdressDaten& r, const Recordset& rs, const CustomerRowRules& rules) {
    auto text = [&](const char* column) { return columnText(rs, column); };
    auto flag = [&](const char* column) { return columnFlag(rs, column); };
    r.MwstKnz = text("MWST_KZ");
    r.Anrede = text("Anrede");
    r.Vorname = text("Vorname");
    r.Bez1 = text("Bez1");
    r.Bez2 = text("Bez2");
    r.Bez3 = text("Bez3");
    r.Bez4 = text("Bez4");
    r.HauptKonto = text("HauptKonto");
    r.UstIdentNr = text("UstIdentNr");
    const QVariant rabatt = rs.Value("Auftragsrabatt");
    r.Rabatt = rabatt.isNull() ? 0.0 : rabatt.toDouble();
    r.Zahlungsart = text("Zahlungsart").trimmed();
    r.PostfachPlz = text("PostfachPlz");
    r.Postfach = text("Postfach");
    r.Zahlungsbedingungen = text("ZahlungsbedSchl");
    r.KzDivers = flag("KzDivers");
    r.DruckAufbewahrungsfrist = flag("DruckAufbewahrungsfrist");
    r.RechnungPerPDF = flag("RechnungPerPDF");
    r.MitUeberweisungen = flag("MitUeberweisungen");
    r.Ort = text("Ort");
    r.Land = text("Land");
    r.Strasse = text("Straße");
    r.Postleitzahl = text("Plz");
    r.Versandart.clear();
    fillCurrency(r, rs, rules);
    r.Vertreter1 = text("VertreterNr1");
    r.Vertreter2 = text("VertreterNr2");
    r.Vertreter3 = text("VertreterNr3");
    r.Liefersperre = flag("Liefersperre");
    r.RKD_Nr = text("RG_KdNr");
    r.VKD_Nr = text("VS_KdNr");
    r.VAD_Nr = text("VS_AdrNr");
    r.RAD_Nr = text("RG_AdrNr");
    r.KAnNr = text("KopftextAN");
    r.KAuNr = text("KopftextAB");
    r.KLsNr = text("KopftextLS");
    r.KReNr = text("KopftextRG");
    r.KGuNr = text("KopftextGS");
    r.FAnNr = text("FußtextAN");
    r.FAuNr = text("FußtextAB");
    r.FLsNr = text("FußtextLS");
    r.FReNr = text("FußtextRG");
    r.FGuNr = text("FußtextGS");
    if (rules.serviceContact) {
        r.WartAnsprechpartnerTelefon = text("Telefon");
        r.WartAnsprechpartnerFax = text("Telefax");
        r.WartAnsprechpartnerMobil = text("Telefon2");
    }
}

void fillFromAddressRow(AdressDaten& r, const Recordset& rs) {
    auto text = [&](const char* column) { return columnText(rs, column); };
    r.MwstKnz = QStringLiteral("0");
    r.Nummer.clear();
    r.Anrede = text("AnredeHW");
    r.Vorname = text("Vorname");
    r.Bez1 = text("Bez1");
    r.Bez2 = text("Bez2");
    r.Bez3 = text("Bez3");
    r.HauptKonto.clear();
    r.Ort = text("Ort");
    r.Land = text("Land");
    r.Strasse = text("Straße");
    r.Postleitzahl = text("Plz");
}

} // namespace belegadressen
