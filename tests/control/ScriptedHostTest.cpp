// A scripting host sets and reads every field of every address by its
// member name, and the values survive switching between the addresses.
#include "support/ControlHarness.h"
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::InvokeKind;

namespace {

// Add members whose Get partner answers what was put in; the value is made
// per address so that a mix-up between addresses shows.
struct Pair {
    const char* add;
    const char* get;
    QVariant (*value)(int address);
};

QVariant text(int a) { return QStringLiteral("Wert '%1' äöü ß").arg(a); }
QVariant key(int a) { return QStringLiteral("K%1").arg(a); }
QVariant number(int a) { return QString::number(10 + a); }
QVariant flag(int a) { return a % 2 == 1; }
QVariant small(int a) { return static_cast<qint16>(a + 3); }
QVariant rate(int a) { return 1.25 + a; }
QVariant date(int a) { return QStringLiteral("2026-12-%1").arg(10 + a); }
QVariant time(int a) { return QStringLiteral("0%1:30").arg(a); }
QVariant hundredths(int a) { return static_cast<qint16>(125 * a); }
QVariant currency(int a) { return a == 1 ? QStringLiteral("CHF") : QStringLiteral("EUR"); }
QVariant treatment(int a) { return static_cast<qint16>(1 + a % 2); }

const Pair kPairs[] = {
    {"AddNummer", "GetNummer", number},
    {"AddVorname", "GetVorname", text},
    {"AddBez1", "GetBez1", text},
    {"AddBez2", "GetBez2", text},
    {"AddBez3", "GetBez3", text},
    {"AddBez4", "GetBez4", text},
    {"AddStraße", "GetStraße", text},
    {"AddOrt", "GetOrt", text},
    {"AddPostleitzahl", "GetPostleitzahl", number},
    {"AddLand", "GetLand", key},
    {"AddPostfach", "GetPostfach", text},
    {"AddPostfachPlz", "GetPostfachPlz", number},
    {"AddAnsprechpartnerKD", "GetAnsprechpartnerKD", text},
    {"AddAnsprechpartnerKDID", "GetAnsprechpartnerKDID", key},
    {"AddDruckAnsprechpartner", "GetDruckAnsprechpartner", flag},
    {"AddHauptKonto", "GetHauptkonto", number},
    {"AddUstIdentNr", "GetUstIdentNr", key},
    {"AddLiefersperre", "GetLiefersperre", flag},
    {"AddVertreter1", "GetVertreter1", key},
    {"AddVertreter2", "GetVertreter2", key},
    {"AddVertreter3", "GetVertreter3", key},
    {"AddVKD_Nr", "GetVKD_Nr", number},
    {"AddRKD_Nr", "GetRKD_Nr", number},
    {"AddVAD_Nr", "GetVAD_Nr", key},
    {"AddRAD_Nr", "GetRAD_Nr", key},
    {"AddKAnNr", "GetKAnNr", number},
    {"AddKAuNr", "GetKAuNr", number},
    {"AddKLsNr", "GetKLsNr", number},
    {"AddKReNr", "GetKReNr", number},
    {"AddKGuNr", "GetKGuNr", number},
    {"AddFAnNr", "GetFAnNr", number},
    {"AddFAuNr", "GetFAuNr", number},
    {"AddFLsNr", "GetFLsNr", number},
    {"AddFReNr", "GetFReNr", number},
    {"AddFGuNr", "GetFGuNr", number},
    {"AddWechselkurs", "GetWechselkurs", rate},
    {"AddWechselkursHauswährung", "GetWechselkursHauswährung", rate},
    {"AddRabatt", "GetRabatt", rate},
    {"AddDruckAufbewahrungsfrist", "GetDruckAufbewahrungsfrist", flag},
    {"AddRechnungPerPDF", "GetRechnungPerPDF", flag},
    {"AddMitUeberweisungen", "GetMitUeberweisungen", flag},
    {"AddKzDivers", "GetKzDivers", flag},
    {"AddKursbehandlung", "GetKursbehandlung", treatment},
    {"AddZahlungsart", "GetZahlungsart", key},
    {"AddVersandart", "GetVersandart", key},
    {"AddZahlungsbedingungen", "GetZahlungsbedingungen", key},
    {"AddMwstKnz", "GetMwstKnz", key},
    {"AddWährung", "GetWährung", currency},
    {"AddAnrede", "GetAnrede", text},
    {"AddWartVertragsnummer", "GetWartVertragsnummer", key},
    {"AddDatumLetzteWartung", "GetDatumLetzteWartung", date},
    {"AddDatumLetzteRechnung", "GetDatumLetzteRechnung", date},
    {"AddBemerkung", "GetBemerkung", text},
    {"AddWartKundennummer", "GetWartKundenummer", number},
    {"AddWartAnsprechpartnerID", "GetWartAnsprechpartnerID", key},
    {"AddWartAnsprechpartnerFax", "GetWartAnsprechpartnerFax", number},
    {"AddWartAnsprechpartnerTelefon", "GetWartAnsprechpartnerTelefon", number},
    {"AddWartAnsprechpartnerMobil", "GetWartAnsprechpartnerMobil", number},
    {"AddWartAnsprechpartner", "GetWartAnsprechpartner", text},
    {"AddWartStandort", "GetWartStandort", small},
    {"AddWartUhrzeit", "GetWartUhrzeit", time},
    {"AddWartDauer", "GetWartDauer", hundredths},
    {"AddWartTermin", "GetWartTermin", date},
};

void expectSame(const QVariant& got, const QVariant& want, const std::string& where) {
    if (want.typeId() == QMetaType::Double)
        EXPECT_DOUBLE_EQ(got.toDouble(), want.toDouble()) << where;
    else
        EXPECT_EQ(got.toString(), want.toString()) << where;
}

// Storing derives the kind of currency from the currency itself.
TEST(ScriptedHost, CurrencyKindFollowsTheCurrencyWhenStored) {
    ControlHarness h(2);
    BelegAdressen& w = h.control();
    w.setAktAdresse(2);
    w.AddWaehrung("CHF");
    w.AddWaehrungserfassung(1);
    EXPECT_EQ(w.GetWaehrungserfassung(), 1);
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetWaehrungserfassung(), 2);
}

TEST(ScriptedHost, EveryFieldOfEveryAddressRoundTripsByName) {
    ControlHarness h(3);
    BelegAdressen& w = h.control();
    for (int a = 1; a <= 3; ++a) {
        w.Invoke("AktAdresse", InvokeKind::PropertyPut, {a});
        for (const Pair& p : kPairs)
            w.Invoke(p.add, InvokeKind::Method, {p.value(a)});
    }
    // Switching stores the shown fields into the record and shows the next
    // one: every value must survive both directions, on every address.
    for (int round = 0; round < 2; ++round)
        for (int a : {2, 3, 1}) {
            w.Invoke("AktAdresse", InvokeKind::PropertyPut, {a});
            for (const Pair& p : kPairs)
                expectSame(w.Invoke(p.get, InvokeKind::Method), p.value(a),
                           std::string(p.get) + " address " + std::to_string(a));
        }
    EXPECT_TRUE(h.events().size() > 0); // only the property store heard of it
    for (const QString& e : h.events())
        EXPECT_TRUE(e.startsWith("PropertyChanged")) << e.toStdString();
}

} // namespace
