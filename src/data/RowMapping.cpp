// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/RowMapping.h"
#include "contracts/Recordset.h"
#include "control/AdressDaten.h"
#include "control/Values.h"

namespace belegadressen {

using namespace Qt::StringLiterals;

QString columnText(const Recordset& rs, const QString& column) { return textOf(rs.Value(column)); }

bool columnFlag(const Recordset& rs, const QString& column) {
    const QVariant v = rs.Value(column);
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
    const QString column = columnText(rs, u"Währung"_s);
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
    auto text = [&](const QString& column) { return columnText(rs, column); };
    auto flag = [&](const QString& column) { return columnFlag(rs, column); };
    r.MwstKnz = text(u"MWST_KZ"_s);
    r.Anrede = text(u"Anrede"_s);
    r.Vorname = text(u"Vorname"_s);
    r.Bez1 = text(u"Bez1"_s);
    r.Bez2 = text(u"Bez2"_s);
    r.Bez3 = text(u"Bez3"_s);
    r.Bez4 = text(u"Bez4"_s);
    r.HauptKonto = text(u"HauptKonto"_s);
    r.UstIdentNr = text(u"UstIdentNr"_s);
    const QVariant rabatt = rs.Value(u"Auftragsrabatt"_s);
    r.Rabatt = rabatt.isNull() ? 0.0 : rabatt.toDouble();
    r.Zahlungsart = text(u"Zahlungsart"_s).trimmed();
    r.PostfachPlz = text(u"PostfachPlz"_s);
    r.Postfach = text(u"Postfach"_s);
    r.Zahlungsbedingungen = text(u"ZahlungsbedSchl"_s);
    r.KzDivers = flag(u"KzDivers"_s);
    r.DruckAufbewahrungsfrist = flag(u"DruckAufbewahrungsfrist"_s);
    r.RechnungPerPDF = flag(u"RechnungPerPDF"_s);
    r.MitUeberweisungen = flag(u"MitUeberweisungen"_s);
    r.Ort = text(u"Ort"_s);
    r.Land = text(u"Land"_s);
    r.Strasse = text(u"Straße"_s);
    r.Postleitzahl = text(u"Plz"_s);
    r.Versandart.clear();
    fillCurrency(r, rs, rules);
    r.Vertreter1 = text(u"VertreterNr1"_s);
    r.Vertreter2 = text(u"VertreterNr2"_s);
    r.Vertreter3 = text(u"VertreterNr3"_s);
    r.Liefersperre = flag(u"Liefersperre"_s);
    r.RKD_Nr = text(u"RG_KdNr"_s);
    r.VKD_Nr = text(u"VS_KdNr"_s);
    r.VAD_Nr = text(u"VS_AdrNr"_s);
    r.RAD_Nr = text(u"RG_AdrNr"_s);
    r.KAnNr = text(u"KopftextAN"_s);
    r.KAuNr = text(u"KopftextAB"_s);
    r.KLsNr = text(u"KopftextLS"_s);
    r.KReNr = text(u"KopftextRG"_s);
    r.KGuNr = text(u"KopftextGS"_s);
    r.FAnNr = text(u"FußtextAN"_s);
    r.FAuNr = text(u"FußtextAB"_s);
    r.FLsNr = text(u"FußtextLS"_s);
    r.FReNr = text(u"FußtextRG"_s);
    r.FGuNr = text(u"FußtextGS"_s);
    if (rules.serviceContact) {
        r.WartAnsprechpartnerTelefon = text(u"Telefon"_s);
        r.WartAnsprechpartnerFax = text(u"Telefax"_s);
        r.WartAnsprechpartnerMobil = text(u"Telefon2"_s);
    }
}

void fillFromAddressRow(AdressDaten& r, const Recordset& rs) {
    auto text = [&](const QString& column) { return columnText(rs, column); };
    r.MwstKnz = QStringLiteral("0");
    r.Nummer.clear();
    r.Anrede = text(u"AnredeHW"_s);
    r.Vorname = text(u"Vorname"_s);
    r.Bez1 = text(u"Bez1"_s);
    r.Bez2 = text(u"Bez2"_s);
    r.Bez3 = text(u"Bez3"_s);
    r.HauptKonto.clear();
    r.Ort = text(u"Ort"_s);
    r.Land = text(u"Land"_s);
    r.Strasse = text(u"Straße"_s);
    r.Postleitzahl = text(u"Plz"_s);
}

} // namespace belegadressen
