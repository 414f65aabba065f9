// A scripting host sets and reads every field of every address by its
// member name, and the values survive switching between the addresses.
#include "support/ControlHarness.h"
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::InvokeKind;

namespace {

class ScriptedHost : public batest::OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, ScriptedHost, batest::engines(), batest::EngineName());

// Add members whose Get partner answers what was put in. Each value is made
// from the field's ordinal among the fields of its kind and from the address,
// so that two fields swapped, or two addresses mixed up, show.
struct Pair {
    const char* add;
    const char* get;
    QVariant (*value)(int ordinal, int address);
};

QVariant text(int o, int a) { return QStringLiteral("Wert %1/%2 'äöü ß'").arg(o).arg(a); }
QVariant key(int o, int a) { return QStringLiteral("K%1-%2").arg(o).arg(a); }
QVariant number(int o, int a) { return QString::number(1000 * (o + 1) + a); }
// Six flags over three addresses: flag o is set on address a when bit a - 1
// of o + 1 is, which gives every flag a pattern of its own.
QVariant flag(int o, int a) { return bool(((o + 1) >> (a - 1)) & 1); }
QVariant small(int o, int a) { return static_cast<qint16>(10 * (o + 1) + a); }
QVariant rate(int o, int a) { return 1.25 + o + a / 4.0; }
QVariant date(int o, int a) {
    return QStringLiteral("2026-%1-%2").arg(o + 1, 2, 10, QChar('0')).arg(10 + a);
}
QVariant time(int o, int a) {
    return QStringLiteral("%1:%2").arg(o + 7, 2, 10, QChar('0')).arg(10 * a);
}
QVariant hundredths(int o, int a) { return static_cast<qint16>(125 * a + 5 * o); }
QVariant currency(int, int a) { return QStringList{"CHF", "USD", "EUR"}.at(a - 1); }
QVariant treatment(int, int a) { return static_cast<qint16>(1 + a % 2); }

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
TEST_P(ScriptedHost, CurrencyKindFollowsTheCurrencyWhenStored) {
    ControlHarness h(engine(), 2);
    BelegAdressen& w = h.control();
    w.setAktAdresse(2);
    w.AddWaehrung("CHF");
    w.AddWaehrungserfassung(1);
    EXPECT_EQ(w.GetWaehrungserfassung(), 1);
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetWaehrungserfassung(), 2);
}

// The ordinal of each pair among the pairs of its kind.
std::vector<int> ordinals() {
    std::vector<int> out;
    for (const Pair& p : kPairs) {
        int before = 0;
        for (std::size_t i = 0; i < out.size(); ++i)
            if (kPairs[i].value == p.value) ++before;
        out.push_back(before);
    }
    return out;
}

TEST_P(ScriptedHost, EveryFieldOfEveryAddressRoundTripsByName) {
    ControlHarness h(engine(), 3);
    BelegAdressen& w = h.control();
    const std::vector<int> ord = ordinals();
    for (int a = 1; a <= 3; ++a) {
        w.Invoke("AktAdresse", InvokeKind::PropertyPut, {a});
        for (std::size_t i = 0; i < std::size(kPairs); ++i)
            w.Invoke(kPairs[i].add, InvokeKind::Method, {kPairs[i].value(ord[i], a)});
    }
    // Switching stores the shown fields into the record and shows the next
    // one: every value must survive both directions, on every address.
    for (int round = 0; round < 2; ++round)
        for (int a : {2, 3, 1}) {
            w.Invoke("AktAdresse", InvokeKind::PropertyPut, {a});
            for (std::size_t i = 0; i < std::size(kPairs); ++i)
                expectSame(w.Invoke(kPairs[i].get, InvokeKind::Method), kPairs[i].value(ord[i], a),
                           std::string(kPairs[i].get) + " address " + std::to_string(a));
        }
    EXPECT_TRUE(h.events().size() > 0); // only the property store heard of it
    for (const QString& e : h.events())
        EXPECT_TRUE(e.startsWith("PropertyChanged")) << e.toStdString();
}

} // namespace
