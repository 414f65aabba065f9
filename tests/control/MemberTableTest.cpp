#include "control/BelegAdressen.h"

#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <map>

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

// Declared order, on which clients binding by position rely (g get, p put, m method).
const char* const kInterface = R"(
BackColor/g BackColor/p ForeColor/g ForeColor/p Enabled/g Enabled/p Font/g Font/p BackStyle/g
BackStyle/p BorderStyle/g BorderStyle/p Refresh/m fktAnzeigeSeite1/m Anzeige_Kundeninfo/m
SchliesseSelect/m Kundengruppe/g Kostenstelle/g Kostenträger/g AnzAdresse/g AnzAdresse/p
AktAdresse/g AktAdresse/p SetzeFocusNummer/m GetNummer/m AddNummer/m GetVorname/m AddVorname/m
GetWartVertragsnummer/m AddAnzeigeBreit/m AddWartVertragsnummer/m GetWartAnlagennummer/m
GetDatumLetzteWartung/m GetDatumLetzteRechnung/m GetBemerkung/m AddDatumLetzteWartung/m
AddDatumLetzteRechnung/m AddBemerkung/m AddWartAnlagennummer/m GetWartKundenummer/m
AddWartKundennummer/m GetWartMonteur/m AddWartMonteur/m AddWarttxtStoerText/m GetWartStoerText/m
GetWartAnsprechpartnerID/m AddWartAnsprechpartnerID/m GetWartAnsprechpartnerFax/m
AddWartAnsprechpartnerFax/m GetWartAnsprechpartnerTelefon/m AddWartAnsprechpartnerTelefon/m
GetWartAnsprechpartnerMobil/m AddWartAnsprechpartnerMobil/m GetWartAnsprechpartner/m
AddWartAnsprechpartner/m GetWartStandort/m AddWartStandort/m GetWartUhrzeit/m AddWartUhrzeit/m
GetWartDauer/m AddWartDauer/m GetWartTermin/m AddWartTermin/m GetBez1/m AddStandarddauer/m
AddBez1/m GetBez2/m AddBez2/m GetBez3/m AddBez3/m GetBez4/m AddBez4/m GetAnsprechpartnerKD/m
AddAnsprechpartnerKD/m AddDruckAnsprechpartner/m GetDruckAnsprechpartner/m
AddAnsprechpartnerKDID/m GetAnsprechpartnerKDID/m GetHauptkonto/m AddHauptKonto/m
GetWährungserfassung/m AddWährungserfassung/m AddLandeswährung/m AddMitPostleitzahl/m
AddMitPostleitzahlOnline/m GetOrt/m AddOrt/m GetLand/m AddLand/m GetStraße/m AddStraße/m
GetPostleitzahl/m AddPostleitzahl/m AddBelegart/m GetPostfach/m AddPostfach/m GetUstIdentNr/m
AddUstIdentNr/m GetPostfachPlz/m AddPostfachPlz/m GetLiefersperre/m AddLiefersperre/m
GetVertreter1/m AddVertreter1/m GetVertreter2/m AddVertreter2/m GetVertreter3/m AddVertreter3/m
GetVKD_Nr/m AddVKD_Nr/m GetRKD_Nr/m AddRKD_Nr/m GetRAD_Nr/m AddRAD_Nr/m GetVAD_Nr/m AddVAD_Nr/m
GetVersandtext/m AddVersandtext/m GetRechnungText/m AddRechnungText/m GetKAnNr/m AddKAnNr/m
GetKAuNr/m AddKAuNr/m GetKLsNr/m AddKLsNr/m GetKReNr/m AddKReNr/m GetKGuNr/m AddKGuNr/m
GetFGuNr/m AddFGuNr/m GetFReNr/m AddFReNr/m GetFLsNr/m AddFLsNr/m GetFAuNr/m AddFAuNr/m
GetFAnNr/m AddFAnNr/m GetWechselkursHauswährung/m GetWechselkurs/m AddWechselkursHauswährung/m
AddWechselkurs/m GetRabatt/m AddRabatt/m GetDruckAufbewahrungsfrist/m GetRechnungPerPDF/m
GetMitUeberweisungen/m GetKzDivers/m AddDruckAufbewahrungsfrist/m AddRechnungPerPDF/m
AddMitUeberweisungen/m AddKzDivers/m GetKursbehandlung/m AddKursbehandlung/m GetZahlungsart/m
AddZahlungsart/m AddVersandart/m GetVersandart/m GetZahlungsbedingungen/m
AddZahlungsbedingungen/m GetMwstKnz/m AddMwstKnz/m GetWährung/m AddWährung/m GetAnrede/m
AddAnrede/m SetzeAnzSeiten/m fktDragNummerAdresse/m fktDragNummer/m fktDragPersonalNummer/m
fktDragTextNummerAllgenmein/m PrüfeTexttyp/m fktDragTextNummer/m MitVersandanschrift/g
MitVersandanschrift/p MitRechnungsanschrift/g MitKundenaktualisierung/p MitRechnungsanschrift/p
MitKopftext/g MitKopftext/p MitFußtext/g FürBeleg/g FürBeleg/p MitFußtext/p MitVersandarten/g
MitVersandarten/p MitSachbearbeiter/g MitSachbearbeiter/p MitAuftragsrabatt/g
MitRechnungPerPDF/g MitAuftragsrabatt/p MitRechnungPerPDF/p MitDebitorenkonto/g
MitDebitorenkonto/p MitWartung/g MitWartung/p MitKundendienst/g MitKundendienst/p MitPostfach/g
MitPostfach/p AppObj/p mnu_Cut/m mnu_Copy/m mnu_Paste/m Setze_Tag_user/m Hole_Tag_user/m)";

TEST(MemberTable, EveryEntryHasItsPositionNameAndKind) {
    const QStringList entries =
        QString::fromUtf8(kInterface).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    const auto& members = BelegAdressen::Members();
    ASSERT_EQ(entries.size(), 208);
    ASSERT_EQ(members.size(), 208u);
    const std::map<QString, InvokeKind> kinds = {{"g", Get}, {"p", Put}, {"m", Method}};
    for (int i = 0; i < 208; ++i) {
        const QStringList e = entries[i].split('/');
        SCOPED_TRACE(entries[i].toStdString());
        EXPECT_EQ(members[i].position, i + 1);
        EXPECT_EQ(members[i].name, e[0]);
        EXPECT_EQ(members[i].kind, kinds.at(e[1]));
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

TEST_P(RefusedCall, FailsWith438NamingTheMember) {
    const Refused& r = GetParam();
    QString text;
    EXPECT_EQ(errorNumber([&] { invoke(r.member, r.kind, r.args); }, &text), Error::UnknownMember);
    EXPECT_TRUE(text.contains(u8(r.member), Qt::CaseInsensitive)) << text.toStdString();
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
                      Refused{"GetWithValue", "AnzAdresse", Get, {3}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LateBinding, RefusedCallDoesNotReachTheMember) {
    EXPECT_EQ(errorNumber([&] {
                  invoke("AddBez1", Method, {"Müller", "zuviel"});
              }),
              Error::UnknownMember);
    EXPECT_EQ(invoke("GetBez1", Method).toString(), QString());
}

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
        RoundTrip{"Strasse", "AddStraße", Method, u8("Hauptstraße 5"), "GetStraße", Method,
                  u8("Hauptstraße 5"), QMetaType::QString},
        RoundTrip{"WartStandortFromText", "AddWartStandort", Method, "7", "GetWartStandort", Method,
                  QVariant::fromValue<qint16>(7), QMetaType::Short},
        RoundTrip{"EmptyAsZero", "AddWartDauer", Method, QVariant(), "GetWartDauer", Method,
                  QVariant::fromValue<qint16>(0), QMetaType::Short},
        RoundTrip{"Wechselkurs", "AddWechselkurs", Method, 1.25, "GetWechselkurs", Method, 1.25,
                  QMetaType::Double},
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

} // namespace
