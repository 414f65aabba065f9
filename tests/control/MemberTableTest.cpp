// The members a late-binding host reaches by position or name: the table, refusals
// with their numbers, and every field of every address set and read by name.
#include "support/ControlHarness.h"
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using batest::ControlHarness;
using namespace belegadressen;

namespace {

constexpr auto Get = InvokeKind::PropertyGet;
constexpr auto Put = InvokeKind::PropertyPut;
constexpr auto Method = InvokeKind::Method;

QString u8(const char* s) { return QString::fromUtf8(s); }

// The number of the Error a call throws, 0 when it throws none.
qint32 errorNumber(const std::function<void()>& f, QString* text = nullptr) {
    try {
        f();
    } catch (const Error& e) {
        if (text) *text = e.text();
        return e.number();
    }
    return 0;
}

// Declared order, on which clients binding by position rely: a method, or a
// property's g(et) and p(ut) members.
const char* const kInterface = R"(
BackColor/gp ForeColor/gp Enabled/gp Font/gp BackStyle/gp BorderStyle/gp Refresh fktAnzeigeSeite1
Anzeige_Kundeninfo SchliesseSelect Kundengruppe/g Kostenstelle/g Kostenträger/g AnzAdresse/gp
AktAdresse/gp SetzeFocusNummer GetNummer AddNummer GetVorname AddVorname GetWartVertragsnummer
AddAnzeigeBreit AddWartVertragsnummer GetWartAnlagennummer GetDatumLetzteWartung
GetDatumLetzteRechnung GetBemerkung AddDatumLetzteWartung AddDatumLetzteRechnung AddBemerkung
AddWartAnlagennummer GetWartKundenummer AddWartKundennummer GetWartMonteur AddWartMonteur
AddWarttxtStoerText GetWartStoerText GetWartAnsprechpartnerID AddWartAnsprechpartnerID
GetWartAnsprechpartnerFax AddWartAnsprechpartnerFax GetWartAnsprechpartnerTelefon
AddWartAnsprechpartnerTelefon GetWartAnsprechpartnerMobil AddWartAnsprechpartnerMobil
GetWartAnsprechpartner AddWartAnsprechpartner GetWartStandort AddWartStandort GetWartUhrzeit
AddWartUhrzeit GetWartDauer AddWartDauer GetWartTermin AddWartTermin GetBez1 AddStandarddauer
AddBez1 GetBez2 AddBez2 GetBez3 AddBez3 GetBez4 AddBez4 GetAnsprechpartnerKD AddAnsprechpartnerKD
AddDruckAnsprechpartner GetDruckAnsprechpartner AddAnsprechpartnerKDID GetAnsprechpartnerKDID
GetHauptkonto AddHauptKonto GetWährungserfassung AddWährungserfassung AddLandeswährung
AddMitPostleitzahl AddMitPostleitzahlOnline GetOrt AddOrt GetLand AddLand GetStraße AddStraße
GetPostleitzahl AddPostleitzahl AddBelegart GetPostfach AddPostfach GetUstIdentNr AddUstIdentNr
GetPostfachPlz AddPostfachPlz GetLiefersperre AddLiefersperre GetVertreter1 AddVertreter1
GetVertreter2 AddVertreter2 GetVertreter3 AddVertreter3 GetVKD_Nr AddVKD_Nr GetRKD_Nr AddRKD_Nr
GetRAD_Nr AddRAD_Nr GetVAD_Nr AddVAD_Nr GetVersandtext AddVersandtext GetRechnungText
AddRechnungText GetKAnNr AddKAnNr GetKAuNr AddKAuNr GetKLsNr AddKLsNr GetKReNr AddKReNr GetKGuNr
AddKGuNr GetFGuNr AddFGuNr GetFReNr AddFReNr GetFLsNr AddFLsNr GetFAuNr AddFAuNr GetFAnNr AddFAnNr
GetWechselkursHauswährung GetWechselkurs AddWechselkursHauswährung AddWechselkurs GetRabatt
AddRabatt GetDruckAufbewahrungsfrist GetRechnungPerPDF GetMitUeberweisungen GetKzDivers
AddDruckAufbewahrungsfrist AddRechnungPerPDF AddMitUeberweisungen AddKzDivers GetKursbehandlung
AddKursbehandlung GetZahlungsart AddZahlungsart AddVersandart GetVersandart GetZahlungsbedingungen
AddZahlungsbedingungen GetMwstKnz AddMwstKnz GetWährung AddWährung GetAnrede AddAnrede
SetzeAnzSeiten fktDragNummerAdresse fktDragNummer fktDragPersonalNummer fktDragTextNummerAllgenmein
PrüfeTexttyp fktDragTextNummer MitVersandanschrift/gp MitRechnungsanschrift/g
MitKundenaktualisierung/p MitRechnungsanschrift/p MitKopftext/gp MitFußtext/g FürBeleg/gp
MitFußtext/p MitVersandarten/gp MitSachbearbeiter/gp MitAuftragsrabatt/g MitRechnungPerPDF/g
MitAuftragsrabatt/p MitRechnungPerPDF/p MitDebitorenkonto/gp MitWartung/gp MitKundendienst/gp
MitPostfach/gp AppObj/p mnu_Cut mnu_Copy mnu_Paste Setze_Tag_user Hole_Tag_user)";

TEST(MemberTable, EveryEntryHasItsPositionNameAndKind) {
    const std::map<QChar, InvokeKind> kinds = {{'g', Get}, {'p', Put}, {'m', Method}};
    QStringList entries;
    for (const QString& word :
         QString::fromUtf8(kInterface).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
        const QStringList e = word.split('/');
        for (QChar kind : e.value(1, "m"))
            entries << e[0] + '/' + kind;
    }
    const auto& members = BelegAdressen::Members();
    ASSERT_EQ(entries.size(), 208);
    ASSERT_EQ(members.size(), 208u);
    for (int i = 0; i < 208; ++i) {
        SCOPED_TRACE(entries[i].toStdString());
        EXPECT_EQ(members[i].position, i + 1);
        EXPECT_EQ(members[i].name + '/', entries[i].chopped(1));
        EXPECT_EQ(members[i].kind, kinds.at(entries[i].back()));
    }
}

class LateBinding : public ::testing::Test {
protected:
    void SetUp() override {
        control.Invoke(QStringLiteral("AnzAdresse"), Put, {3});
        control.Invoke(QStringLiteral("AktAdresse"), Put, {1});
    }
    QVariant invoke(const char* member, InvokeKind kind, const QVariantList& args = {}) {
        return control.Invoke(u8(member), kind, args);
    }
    BelegAdressen control;
};

struct Refused {
    const char* label;
    const char* member;
    InvokeKind kind;
    QVariantList args;
};

class RefusedCall : public LateBinding, public ::testing::WithParamInterface<Refused> {};

TEST_P(RefusedCall, FailsWith438NamingTheMemberWithoutReachingIt) {
    const Refused& r = GetParam();
    QString text;
    EXPECT_EQ(errorNumber([&] { invoke(r.member, r.kind, r.args); }, &text), Error::UnknownMember);
    EXPECT_TRUE(text.contains(u8(r.member), Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_EQ(invoke("GetBez1", Method).toString(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, RefusedCall,
    ::testing::Values(Refused{"EmptyName", "", Method, {}},
                      Refused{"TransliteratedName", "AddWaehrung", Method, {"EUR"}},
                      Refused{"MethodAsProperty", "GetBez1", Get, {}},
                      Refused{"FourOfFiveArguments",
                              "AddMitPostleitzahl",
                              Method,
                              {"1", QVariant(), "", QVariant()}},
                      Refused{"TooManyArguments", "AddBez1", Method, {u8("Müller"), "zuviel"}},
                      Refused{"GetWithValue", "AnzAdresse", Get, {3}}),
    [](const auto& info) { return std::string(info.param.label); });

struct RoundTrip {
    const char* label;
    const char* setter;
    InvokeKind setKind;
    QVariant value;
    const char* getter;
    InvokeKind getKind;
    QVariant expected;
    QMetaType::Type resultType;
};

class InvokeRoundTrip : public LateBinding, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(InvokeRoundTrip, ValueComesBackWithTheMembersType) {
    const RoundTrip& r = GetParam();
    EXPECT_FALSE(invoke(r.setter, r.setKind, {r.value}).isValid()) << "a procedure returns Empty";
    const QVariant got = invoke(r.getter, r.getKind);
    EXPECT_EQ(got.typeId(), int(r.resultType)) << got.typeName();
    EXPECT_EQ(got, r.expected) << got.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Members, InvokeRoundTrip,
    ::testing::Values(
        RoundTrip{"WartStandortFromText", "AddWartStandort", Method, "7", "GetWartStandort", Method,
                  QVariant::fromValue<qint16>(7), QMetaType::Short},
        RoundTrip{"EmptyAsZero", "AddWartDauer", Method, QVariant(), "GetWartDauer", Method,
                  QVariant::fromValue<qint16>(0), QMetaType::Short},
        RoundTrip{"MitFusstext", "MitFußtext", Put, true, "MitFußtext", Get, true, QMetaType::Bool},
        RoundTrip{"AktAdresse", "AktAdresse", Put, 2, "AktAdresse", Get,
                  QVariant::fromValue<qint16>(2), QMetaType::Short}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LateBinding, NamesBindRegardlessOfCaseIncludingUmlauts) {
    invoke("ADDWÄHRUNG", Method, {"USD"});
    EXPECT_EQ(invoke("getwährung", Method).toString(), QStringLiteral("USD"));
    EXPECT_EQ(invoke("anzadresse", Get).toInt(), 3);
}

struct BadArgument {
    const char* label;
    const char* member;
    InvokeKind kind;
    QVariant value;
    qint32 number;
};

class BadArgumentCall : public LateBinding, public ::testing::WithParamInterface<BadArgument> {};

// A value that does not fit is refused, not cut or wrapped.
TEST_P(BadArgumentCall, IsRefusedBeforeTheMemberRuns) {
    const BadArgument& b = GetParam();
    invoke("AddWartDauer", Method, {150});
    EXPECT_EQ(errorNumber([&] { invoke(b.member, b.kind, {b.value}); }), b.number);
    EXPECT_EQ(invoke("GetWartDauer", Method).toInt(), 150);
    EXPECT_EQ(invoke("AnzAdresse", Get).toInt(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadArgumentCall,
    ::testing::Values(BadArgument{"TextForInteger", "AddWartDauer", Method, "abc", 13},
                      BadArgument{"BeyondInteger", "AddWartDauer", Method, 70000, 6},
                      BadArgument{"NumberForHostObject", "AppObj", Put, 5, 13}),
    [](const auto& info) { return std::string(info.param.label); });

// The member's own error passes through, not as 438.
TEST_F(LateBinding, ErrorsOfTheMemberPassThrough) {
    invoke("AktAdresse", Put, {5});
    EXPECT_EQ(errorNumber([&] { invoke("GetBez1", Method); }), Error::IndexOutOfRange);
}

// Values from ordinal and address, so that swapped fields or mixed-up addresses show.
QVariant text(int o, int a) { return QStringLiteral("Wert %1/%2 'äöü ß'").arg(o).arg(a); }
QVariant key(int o, int a) { return QStringLiteral("K%1-%2").arg(o).arg(a); }
QVariant number(int o, int a) { return QString::number(1000 * (o + 1) + a); }
// Bit a - 1 of o + 1: every flag gets a pattern of its own over the addresses.
QVariant flag(int o, int a) { return bool(((o + 1) >> (a - 1)) & 1); }
QVariant small(int o, int a) { return QVariant::fromValue<qint16>(10 * (o + 1) + a); }
QVariant rate(int o, int a) { return 1.25 + o + a / 4.0; }
QVariant date(int o, int a) { return QString::asprintf("2026-%02d-%d", o + 1, 10 + a); }
QVariant time(int o, int a) { return QString::asprintf("%02d:%d", o + 7, 10 * a); }
QVariant hundredths(int o, int a) { return QVariant::fromValue<qint16>(125 * a + 5 * o); }
QVariant currency(int, int a) { return QStringList{"CHF", "USD", "EUR"}.at(a - 1); }
QVariant treatment(int, int a) { return QVariant::fromValue<qint16>(1 + a % 2); }

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
        w.Invoke("AktAdresse", Put, {a});
        for (const Pair& p : all) // a procedure returns Empty
            EXPECT_FALSE(w.Invoke(p.add, Method, {p.value(p.ordinal, a)}).isValid());
    }
    for (int round = 0; round < 2; ++round)
        for (int a : {2, 3, 1}) {
            w.Invoke("AktAdresse", Put, {a});
            for (const Pair& p : all) {
                const QVariant got = w.Invoke(p.get, Method), want = p.value(p.ordinal, a);
                EXPECT_EQ(QStringList({got.typeName(), got.toString()}),
                          QStringList({want.typeName(), want.toString()}))
                    << p.get.toStdString() << " address " << a;
            }
        }
    EXPECT_FALSE(h.events().isEmpty()); // only the property store heard of it
    EXPECT_EQ(h.events().filter("PropertyChanged"), h.events());
}

} // namespace
