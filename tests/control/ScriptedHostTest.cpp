// A scripting host sets and reads every field of every address by its
// member name, and the values survive switching between the addresses.
#include "support/ControlHarness.h"
#include <gtest/gtest.h>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::InvokeKind;

namespace {

// Values from ordinal and address, so that swapped fields or mixed-up addresses show.
QVariant text(int o, int a) { return QStringLiteral("Wert %1/%2 'äöü ß'").arg(o).arg(a); }
QVariant key(int o, int a) { return QStringLiteral("K%1-%2").arg(o).arg(a); }
QVariant number(int o, int a) { return QString::number(1000 * (o + 1) + a); }
// Bit a - 1 of o + 1: every flag gets a pattern of its own over the addresses.
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

using Value = QVariant (*)(int ordinal, int address);

// Add/Get member names by value kind; "A/B" where the Get member is spelt B.
const std::pair<Value, const char*> kFields[] = {
    {number, "Nummer Postleitzahl PostfachPlz HauptKonto/Hauptkonto VKD_Nr RKD_Nr KAnNr KAuNr "
             "KLsNr KReNr KGuNr FAnNr FAuNr FLsNr FReNr FGuNr WartKundennummer/WartKundenummer "
             "WartAnsprechpartnerFax WartAnsprechpartnerTelefon WartAnsprechpartnerMobil"},
    {text, "Vorname Bez1 Bez2 Bez3 Bez4 Straße Ort Postfach AnsprechpartnerKD Anrede Bemerkung "
           "WartAnsprechpartner"},
    {key, "Land AnsprechpartnerKDID UstIdentNr Vertreter1 Vertreter2 Vertreter3 VAD_Nr RAD_Nr "
          "Zahlungsart Versandart Zahlungsbedingungen MwstKnz WartVertragsnummer "
          "WartAnsprechpartnerID"},
    {flag, "DruckAnsprechpartner Liefersperre DruckAufbewahrungsfrist RechnungPerPDF "
           "MitUeberweisungen KzDivers"},
    {rate, "Wechselkurs WechselkursHauswährung Rabatt"},
    {date, "DatumLetzteWartung DatumLetzteRechnung WartTermin"},
    {small, "WartStandort"},
    {time, "WartUhrzeit"},
    {hundredths, "WartDauer"},
    {treatment, "Kursbehandlung"},
    {currency, "Währung"}};

struct Pair {
    QString add, get;
    Value value;
    int ordinal;
};

std::vector<Pair> pairs() {
    std::vector<Pair> out;
    for (const auto& [value, names] : kFields) {
        int ordinal = 0;
        for (const QString& n : QString::fromUtf8(names).split(' ')) {
            const QStringList parts = n.split('/');
            out.push_back({"Add" + parts[0], "Get" + parts.value(1, parts[0]), value, ordinal++});
        }
    }
    return out;
}

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
    const std::vector<Pair> all = pairs();
    for (int a = 1; a <= 3; ++a) {
        w.Invoke("AktAdresse", InvokeKind::PropertyPut, {a});
        for (const Pair& p : all)
            w.Invoke(p.add, InvokeKind::Method, {p.value(p.ordinal, a)});
    }
    for (int round = 0; round < 2; ++round)
        for (int a : {2, 3, 1}) {
            w.Invoke("AktAdresse", InvokeKind::PropertyPut, {a});
            for (const Pair& p : all)
                expectSame(w.Invoke(p.get, InvokeKind::Method), p.value(p.ordinal, a),
                           p.get.toStdString() + " address " + std::to_string(a));
        }
    EXPECT_TRUE(h.events().size() > 0); // only the property store heard of it
    for (const QString& e : h.events())
        EXPECT_TRUE(e.startsWith("PropertyChanged")) << e.toStdString();
}

} // namespace
