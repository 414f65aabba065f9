// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/RowMapping.h"
#include "control/AdressDaten.h"
#include "platform/SqlConnection.h"
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

using Cells = std::vector<std::pair<QString, QVariant>>;

BufferedRecordset row(const Cells& cells) {
    QStringList columns;
    QVariantList values;
    for (const auto& [name, value] : cells)
        columns << name, values << value;
    return BufferedRecordset(columns, values);
}

// The customer columns taken as text, in the names the select gives them, and their fields.
const char* const kTextColumns[] = {
    "MwSt_KZ",      "Anrede",     "Vorname",    "Bez1",        "Bez2",         "Bez3",
    "Bez4",         "HauptKonto", "UStIdentNr", "PostfachPlz", "Postfach",     "ZahlungsbedSchl",
    "Ort",          "Land",       "Straße",     "PLZ",         "VertreterNr1", "VertreterNr2",
    "VertreterNr3", "RG_KdNr",    "VS_KdNr",    "VS_AdrNr",    "RG_AdrNr",     "KopftextAN",
    "KopftextAB",   "KopftextLS", "KopftextRG", "KopftextGS",  "FußtextAN",    "FußtextAB",
    "FußtextLS",    "FußtextRG",  "FußtextGS"};
using A = AdressDaten;
const QString A::*const kTextFields[] = {
    &A::MwstKnz,    &A::Anrede,      &A::Vorname,    &A::Bez1,
    &A::Bez2,       &A::Bez3,        &A::Bez4,       &A::HauptKonto,
    &A::UstIdentNr, &A::PostfachPlz, &A::Postfach,   &A::Zahlungsbedingungen,
    &A::Ort,        &A::Land,        &A::Strasse,    &A::Postleitzahl,
    &A::Vertreter1, &A::Vertreter2,  &A::Vertreter3, &A::RKD_Nr,
    &A::VKD_Nr,     &A::VAD_Nr,      &A::RAD_Nr,     &A::KAnNr,
    &A::KAuNr,      &A::KLsNr,       &A::KReNr,      &A::KGuNr,
    &A::FAnNr,      &A::FAuNr,       &A::FLsNr,      &A::FReNr,
    &A::FGuNr};
static_assert(std::size(kTextColumns) == std::size(kTextFields));

// Each column with a value of its own, so that a swapped column shows.
Cells customerRow(const QVariant& waehrung) {
    Cells cells;
    for (const char* c : kTextColumns)
        cells.emplace_back(QString::fromUtf8(c), QStringLiteral("v-%1").arg(c));
    const char* const names[] = {
        "Auftragsrabatt", "Zahlungsart",       "KzDivers",     "DruckAufbewahrungsfrist",
        "RechnungPerPDF", "MitUeberweisungen", "Liefersperre", "Versandart",
        "Währung",        "Telefon",           "Telefax",      "Telefon2"};
    const QVariantList values = {7.25,     " ZA ",      1,           "f",
                                 "true",   QVariant(),  -1,          "v-Versandart",
                                 waehrung, "v-Telefon", "v-Telefax", "v-Telefon2"};
    for (int i = 0; i < values.size(); ++i)
        cells.emplace_back(QString::fromUtf8(names[i]), values[i]);
    return cells;
}

CustomerRowRules rules(bool serviceContact) {
    return {QStringLiteral("EUR"), serviceContact, [](const QString& code) {
                return code == "EUR" ? 1.0 : code == "CHF" ? 0.95 : -1.0;
            }};
}

} // namespace

TEST(CustomerRowMapping, EveryColumnLandsInItsOwnField) {
    AdressDaten r;
    fillFromCustomerRow(r, row(customerRow(QStringLiteral("CHF"))), rules(true));
    QStringList got, expected;
    for (size_t i = 0; i < std::size(kTextFields); ++i)
        got << r.*kTextFields[i], expected << QStringLiteral("v-%1").arg(kTextColumns[i]);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(std::tuple(r.Rabatt, r.Zahlungsart, r.KzDivers, r.DruckAufbewahrungsfrist,
                         r.RechnungPerPDF, r.MitUeberweisungen, r.Liefersperre),
              std::tuple(7.25, QString("ZA"), true, false, true, false, true));
    EXPECT_EQ(r.Versandart, "") << "the shipping method is not the customer's";
    EXPECT_EQ(std::tuple(r.Waehrung, r.Waehrungserfassung, r.Wechselkurs, r.WechselkursHauswaehrung,
                         r.Kursbehandlung),
              std::tuple(QString("CHF"), 2, 0.95, 1.0, 2));
    EXPECT_EQ(QStringList({r.WartAnsprechpartnerTelefon, r.WartAnsprechpartnerFax,
                           r.WartAnsprechpartnerMobil}),
              QStringList({"v-Telefon", "v-Telefax", "v-Telefon2"}));
}

// No currency, a blank or "0" is the home currency; a code without a rate counts as rate 0.
TEST(CustomerRowMapping, CurrencyRules) {
    const std::tuple<QVariant, QString, qint16> cases[] = {
        {QVariant(), "EUR", 1}, {" ", "EUR", 1}, {"0", "EUR", 1}, {"XYZ", "XYZ", 2}};
    for (const auto& [column, waehrung, erfassung] : cases) {
        SCOPED_TRACE(column.toString().toStdString());
        AdressDaten r;
        fillFromCustomerRow(r, row(customerRow(column)), rules(false));
        EXPECT_EQ(std::tuple(r.Waehrung, r.Waehrungserfassung, r.Wechselkurs,
                             r.WartAnsprechpartnerTelefon),
                  std::tuple(waehrung, erfassung, 0.0, QString()));
    }
}

TEST(AddressRowMapping, GeneralAddressKeepsNoNumberAndTaxKeyZero) {
    Cells cells;
    for (const char* c :
         {"AnredeHW", "Vorname", "Bez1", "Bez2", "Bez3", "Ort", "Land", "Straße", "PLZ"})
        cells.emplace_back(QString::fromUtf8(c), QStringLiteral("a-%1").arg(c));
    AdressDaten r;
    r.Nummer = "10001", r.HauptKonto = "4711", r.Bez4 = "bleibt";
    fillFromAddressRow(r, row(cells));
    EXPECT_EQ(QStringList({r.Nummer, r.HauptKonto, r.MwstKnz, r.Anrede, r.Vorname, r.Bez1, r.Bez2,
                           r.Bez3, r.Bez4, r.Ort, r.Land, r.Strasse, r.Postleitzahl}),
              QStringList({"", "", "0", "a-AnredeHW", "a-Vorname", "a-Bez1", "a-Bez2", "a-Bez3",
                           "bleibt", "a-Ort", "a-Land", "a-Straße", "a-PLZ"}));
}
