#include "data/RowMapping.h"
#include "control/AdressDaten.h"
#include "platform/SqlConnection.h"
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

// Each column with a value of its own, so that a swapped column shows.
BufferedRecordset row(const std::vector<std::pair<QString, QVariant>>& cells) {
    QStringList columns;
    QVariantList values;
    for (const auto& [name, value] : cells) {
        columns << name;
        values << value;
    }
    return BufferedRecordset(columns, values);
}

using Text = QString AdressDaten::*;

struct TextColumn {
    const char* column;
    Text field;
};

// The customer columns taken as text, in the names the select gives them.
const TextColumn kCustomerTexts[] = {{"MwSt_KZ", &AdressDaten::MwstKnz},
                                     {"Anrede", &AdressDaten::Anrede},
                                     {"Vorname", &AdressDaten::Vorname},
                                     {"Bez1", &AdressDaten::Bez1},
                                     {"Bez2", &AdressDaten::Bez2},
                                     {"Bez3", &AdressDaten::Bez3},
                                     {"Bez4", &AdressDaten::Bez4},
                                     {"HauptKonto", &AdressDaten::HauptKonto},
                                     {"UStIdentNr", &AdressDaten::UstIdentNr},
                                     {"PostfachPlz", &AdressDaten::PostfachPlz},
                                     {"Postfach", &AdressDaten::Postfach},
                                     {"ZahlungsbedSchl", &AdressDaten::Zahlungsbedingungen},
                                     {"Ort", &AdressDaten::Ort},
                                     {"Land", &AdressDaten::Land},
                                     {"Straße", &AdressDaten::Strasse},
                                     {"PLZ", &AdressDaten::Postleitzahl},
                                     {"VertreterNr1", &AdressDaten::Vertreter1},
                                     {"VertreterNr2", &AdressDaten::Vertreter2},
                                     {"VertreterNr3", &AdressDaten::Vertreter3},
                                     {"RG_KdNr", &AdressDaten::RKD_Nr},
                                     {"VS_KdNr", &AdressDaten::VKD_Nr},
                                     {"VS_AdrNr", &AdressDaten::VAD_Nr},
                                     {"RG_AdrNr", &AdressDaten::RAD_Nr},
                                     {"KopftextAN", &AdressDaten::KAnNr},
                                     {"KopftextAB", &AdressDaten::KAuNr},
                                     {"KopftextLS", &AdressDaten::KLsNr},
                                     {"KopftextRG", &AdressDaten::KReNr},
                                     {"KopftextGS", &AdressDaten::KGuNr},
                                     {"FußtextAN", &AdressDaten::FAnNr},
                                     {"FußtextAB", &AdressDaten::FAuNr},
                                     {"FußtextLS", &AdressDaten::FLsNr},
                                     {"FußtextRG", &AdressDaten::FReNr},
                                     {"FußtextGS", &AdressDaten::FGuNr}};

std::vector<std::pair<QString, QVariant>> customerRow(const QString& waehrung) {
    std::vector<std::pair<QString, QVariant>> cells;
    for (const TextColumn& c : kCustomerTexts)
        cells.emplace_back(QString::fromUtf8(c.column), QStringLiteral("v-%1").arg(c.column));
    cells.insert(cells.end(), {{"Auftragsrabatt", 7.25},
                               {"Zahlungsart", QStringLiteral(" ZA ")},
                               {"KzDivers", 1},
                               {"DruckAufbewahrungsfrist", QStringLiteral("f")},
                               {"RechnungPerPDF", QStringLiteral("true")},
                               {"MitUeberweisungen", QVariant()},
                               {"Liefersperre", -1},
                               {"Versandart", QStringLiteral("v-Versandart")},
                               {"Währung", waehrung},
                               {"Telefon", QStringLiteral("v-Telefon")},
                               {"Telefax", QStringLiteral("v-Telefax")},
                               {"Telefon2", QStringLiteral("v-Telefon2")}});
    return cells;
}

CustomerRowRules rules(bool serviceContact) {
    return {QStringLiteral("EUR"), serviceContact, [](const QString& code) {
                return code == "EUR" ? 1.0 : code == "CHF" ? 0.95 : -1.0;
            }};
}

} // namespace

TEST(CustomerRowMapping, EveryColumnLandsInItsOwnField) {
    const BufferedRecordset rs = row(customerRow(QStringLiteral("CHF")));
    AdressDaten r;
    fillFromCustomerRow(r, rs, rules(true));
    for (const TextColumn& c : kCustomerTexts)
        EXPECT_EQ(r.*c.field, QStringLiteral("v-%1").arg(c.column)) << c.column;
    EXPECT_EQ(std::tuple(r.Rabatt, r.Zahlungsart, r.KzDivers, r.DruckAufbewahrungsfrist,
                         r.RechnungPerPDF, r.MitUeberweisungen, r.Liefersperre),
              std::tuple(7.25, QString("ZA"), true, false, true, false, true));
    // The shipping method is not taken from the customer.
    EXPECT_EQ(r.Versandart, "");
    EXPECT_EQ(std::tuple(r.Waehrung, r.Waehrungserfassung, r.Wechselkurs, r.WechselkursHauswaehrung,
                         r.Kursbehandlung),
              std::tuple(QString("CHF"), 2, 0.95, 1.0, 2));
    EXPECT_EQ(QStringList({r.WartAnsprechpartnerTelefon, r.WartAnsprechpartnerFax,
                           r.WartAnsprechpartnerMobil}),
              QStringList({"v-Telefon", "v-Telefax", "v-Telefon2"}));
}

TEST(CustomerRowMapping, CurrencyRules) {
    struct Case {
        QVariant column;
        QString waehrung;
        qint16 erfassung;
        double kurs;
    };
    const Case cases[] = {
        {QVariant(), "EUR", 1, 0},
        {QStringLiteral(" "), "EUR", 1, 0},
        {QStringLiteral("0"), "EUR", 1, 0},
        {QStringLiteral("XYZ"), "XYZ", 2, 0}, // no rate in the table counts as 0
    };
    for (const Case& c : cases) {
        auto cells = customerRow(QString());
        for (auto& [name, value] : cells)
            if (name == "Währung") value = c.column;
        AdressDaten r;
        fillFromCustomerRow(r, row(cells), rules(false));
        EXPECT_EQ(r.Waehrung, c.waehrung) << c.column.toString().toStdString();
        EXPECT_EQ(r.Waehrungserfassung, c.erfassung) << c.waehrung.toStdString();
        EXPECT_EQ(r.Wechselkurs, c.kurs) << c.waehrung.toStdString();
        EXPECT_EQ(r.WartAnsprechpartnerTelefon, "") << "not a service document";
    }
}

TEST(AddressRowMapping, GeneralAddressKeepsNoNumberAndTaxKeyZero) {
    const BufferedRecordset rs = row({{"AnredeHW", "a-Anrede"},
                                      {"Vorname", "a-Vorname"},
                                      {"Bez1", "a-Bez1"},
                                      {"Bez2", "a-Bez2"},
                                      {"Bez3", "a-Bez3"},
                                      {"Ort", "a-Ort"},
                                      {"Land", "a-Land"},
                                      {"Straße", "a-Straße"},
                                      {"PLZ", "a-PLZ"}});
    AdressDaten r;
    r.Nummer = "10001";
    r.HauptKonto = "4711";
    r.Bez4 = "bleibt";
    fillFromAddressRow(r, rs);
    EXPECT_EQ(QStringList({r.Nummer, r.HauptKonto, r.MwstKnz, r.Anrede, r.Vorname, r.Bez1, r.Bez2,
                           r.Bez3, r.Bez4, r.Ort, r.Land, r.Strasse, r.Postleitzahl}),
              QStringList({"", "", "0", "a-Anrede", "a-Vorname", "a-Bez1", "a-Bez2", "a-Bez3",
                           "bleibt", "a-Ort", "a-Land", "a-Straße", "a-PLZ"}));
}
