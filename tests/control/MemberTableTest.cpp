#include "control/BelegAdressen.h"

#include <QFont>
#include <QSet>
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

class FakeHost : public HostApplication {
public:
    std::shared_ptr<Connection> ConnectionDB() override { return nullptr; }
    QObject* ComboServer() override { return nullptr; }
    QWidget* MainForm() override { return nullptr; }
    QString User() override { return QStringLiteral("test"); }
    bool PruefeNeueDialoge(const QString&) override { return false; }
    QString ConnectStringDB() override { return {}; }
};

// ---- The list itself -------------------------------------------------------

TEST(MemberTable, ListsAllMembersAtConsecutivePositions) {
    const auto& members = BelegAdressen::Members();
    ASSERT_EQ(members.size(), 208u);
    for (std::size_t i = 0; i < members.size(); ++i)
        EXPECT_EQ(members[i].position, static_cast<int>(i) + 1) << members[i].name.toStdString();
}

// 24 property gets, 23 lets/sets (MitKundenaktualisierung and AppObj have no
// get), the rest methods: a misclassified row shifts these counts.
TEST(MemberTable, KindsAreCountedAsInTheInterface) {
    std::map<InvokeKind, int> count;
    for (const auto& m : BelegAdressen::Members())
        ++count[m.kind];
    EXPECT_EQ(count[Get], 24);
    EXPECT_EQ(count[Put], 23);
    EXPECT_EQ(count[Method], 161);
}

// Two rows with one name and kind would make late binding ambiguous; case is
// ignored when binding, so it is ignored here too.
TEST(MemberTable, NameAndKindIdentifyOneMember) {
    QSet<QString> seen;
    for (const auto& m : BelegAdressen::Members()) {
        const QString key = m.name.toCaseFolded() + u'/' + QString::number(int(m.kind));
        EXPECT_FALSE(seen.contains(key)) << key.toStdString();
        seen.insert(key);
    }
}

struct Expected {
    int position;
    const char* name;
    InvokeKind kind;
};

class MemberOrder : public ::testing::TestWithParam<Expected> {};

TEST_P(MemberOrder, NameAndKindAtPosition) {
    const Expected& e = GetParam();
    const auto& m = BelegAdressen::Members().at(e.position - 1);
    EXPECT_EQ(m.position, e.position);
    EXPECT_EQ(m.name, u8(e.name));
    EXPECT_EQ(m.kind, e.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Sample, MemberOrder,
    ::testing::Values(
        Expected{1, "BackColor", Get}, Expected{2, "BackColor", Put}, Expected{7, "Font", Get},
        Expected{8, "Font", Put}, Expected{13, "Refresh", Method},
        Expected{19, "Kostenträger", Get}, Expected{21, "AnzAdresse", Put},
        Expected{26, "AddNummer", Method}, Expected{40, "GetWartKundenummer", Method},
        Expected{44, "AddWarttxtStoerText", Method}, Expected{64, "GetBez1", Method},
        Expected{65, "AddStandarddauer", Method}, Expected{83, "AddLandeswährung", Method},
        Expected{84, "AddMitPostleitzahl", Method}, Expected{90, "GetStraße", Method},
        Expected{94, "AddBelegart", Method}, Expected{141, "GetWechselkursHauswährung", Method},
        Expected{159, "AddVersandart", Method}, Expected{166, "AddWährung", Method},
        Expected{173, "fktDragTextNummerAllgenmein", Method}, Expected{174, "PrüfeTexttyp", Method},
        Expected{178, "MitRechnungsanschrift", Get}, Expected{179, "MitKundenaktualisierung", Put},
        Expected{180, "MitRechnungsanschrift", Put}, Expected{183, "MitFußtext", Get},
        Expected{184, "FürBeleg", Get}, Expected{185, "FürBeleg", Put},
        Expected{186, "MitFußtext", Put}, Expected{192, "MitRechnungPerPDF", Get},
        Expected{203, "AppObj", Put}, Expected{207, "Setze_Tag_user", Method},
        Expected{208, "Hole_Tag_user", Method}));

// ---- Late binding on a real control ----------------------------------------

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

// Every listed member is reachable by its name in lower case: with too many
// arguments the call is refused as a wrong count, which names the member in its
// original spelling; an unknown name would be echoed as given. (Upper case
// would spell "ß" as "SS", a different name.)
TEST_F(LateBinding, EveryListedMemberIsBoundByItsName) {
    QVariantList tooMany(6);
    for (const auto& m : BelegAdressen::Members()) {
        QString text;
        EXPECT_EQ(errorNumber([&] { control.Invoke(m.name.toLower(), m.kind, tooMany); }, &text),
                  Error::UnknownMember)
            << m.name.toStdString();
        EXPECT_TRUE(text.contains(m.name)) << text.toStdString();
    }
}

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
    ::testing::Values(
        Refused{"UnknownName", "GibtEsNicht", Method, {}}, Refused{"EmptyName", "", Method, {}},
        Refused{"TransliteratedName", "AddWaehrung", Method, {"EUR"}},
        Refused{"GetterOnlyProperty", "Kundengruppe", Put, {"A"}},
        Refused{"SetterOnlyProperty", "MitKundenaktualisierung", Get, {}},
        Refused{"MethodAsProperty", "GetBez1", Get, {}},
        Refused{"PropertyAsMethod", "AnzAdresse", Method, {}},
        Refused{"MissingArgument", "AddBez1", Method, {}},
        Refused{"ExtraArgument", "GetBez1", Method, {"x"}},
        Refused{"OneOfTwoArguments", "AddWarttxtStoerText", Method, {"a"}},
        Refused{
            "FourOfFiveArguments", "AddMitPostleitzahl", Method, {"1", QVariant(), "", QVariant()}},
        Refused{"PutWithoutValue", "AnzAdresse", Put, {}},
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
        RoundTrip{"Bez1", "AddBez1", Method, u8("Müller"), "GetBez1", Method, u8("Müller"),
                  QMetaType::QString},
        RoundTrip{"Strasse", "AddStraße", Method, u8("Hauptstraße 5"), "GetStraße", Method,
                  u8("Hauptstraße 5"), QMetaType::QString},
        RoundTrip{"Waehrung", "AddWährung", Method, "CHF", "GetWährung", Method, "CHF",
                  QMetaType::QString},
        RoundTrip{"WartDauer", "AddWartDauer", Method, 150, "GetWartDauer", Method,
                  QVariant::fromValue<qint16>(150), QMetaType::Short},
        RoundTrip{"WartStandortFromText", "AddWartStandort", Method, "7", "GetWartStandort", Method,
                  QVariant::fromValue<qint16>(7), QMetaType::Short},
        RoundTrip{"EmptyAsZero", "AddWartDauer", Method, QVariant(), "GetWartDauer", Method,
                  QVariant::fromValue<qint16>(0), QMetaType::Short},
        RoundTrip{"Wechselkurs", "AddWechselkurs", Method, 1.25, "GetWechselkurs", Method, 1.25,
                  QMetaType::Double},
        RoundTrip{"KzDivers", "AddKzDivers", Method, true, "GetKzDivers", Method, true,
                  QMetaType::Bool},
        RoundTrip{"DruckAnsprechpartner", "AddDruckAnsprechpartner", Method, true,
                  "GetDruckAnsprechpartner", Method, true, QMetaType::Bool},
        RoundTrip{"BackColor", "BackColor", Put, 0x00FF00, "BackColor", Get, 0x00FF00,
                  QMetaType::Int},
        RoundTrip{"MitPostfach", "MitPostfach", Put, true, "MitPostfach", Get, true,
                  QMetaType::Bool},
        RoundTrip{"MitFusstext", "MitFußtext", Put, true, "MitFußtext", Get, true, QMetaType::Bool},
        RoundTrip{"AktAdresse", "AktAdresse", Put, 2, "AktAdresse", Get,
                  QVariant::fromValue<qint16>(2), QMetaType::Short}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LateBinding, NamesBindRegardlessOfCaseIncludingUmlauts) {
    invoke("ADDWÄHRUNG", Method, {"USD"});
    EXPECT_EQ(invoke("getwährung", Method).toString(), QStringLiteral("USD"));
    EXPECT_EQ(invoke("anzadresse", Get).toInt(), 3);
}

TEST_F(LateBinding, AccessorsFollowTheCurrentAddress) {
    invoke("AddBez1", Method, {"Erste"});
    invoke("AktAdresse", Put, {2});
    invoke("AddBez1", Method, {"Zweite"});
    invoke("AktAdresse", Put, {1});
    EXPECT_EQ(invoke("GetBez1", Method).toString(), QStringLiteral("Erste"));
}

TEST_F(LateBinding, FontTravelsAsQFont) {
    QFont font;
    font.setPointSize(13);
    font.setBold(true);
    invoke("Font", Put, {font});
    const QVariant got = invoke("Font", Get);
    ASSERT_EQ(got.typeId(), QMetaType::QFont);
    EXPECT_EQ(got.value<QFont>().pointSize(), 13);
    EXPECT_TRUE(got.value<QFont>().bold());
}

TEST_F(LateBinding, HostObjectIsHandedOverOrCleared) {
    const auto host = std::make_shared<FakeHost>();
    EXPECT_EQ(errorNumber([&] {
                  invoke("AppObj", Put,
                         {QVariant::fromValue<std::shared_ptr<HostApplication>>(host)});
              }),
              0);
    EXPECT_EQ(errorNumber([&] { invoke("AppObj", Put, {QVariant()}); }), 0);
}

struct BadArgument {
    const char* label;
    const char* member;
    InvokeKind kind;
    QVariant value;
    qint32 number;
};

class BadArgumentCall : public LateBinding, public ::testing::WithParamInterface<BadArgument> {};

// A value that does not fit is refused instead of being cut or wrapped into
// the member's type.
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
                      BadArgument{"BelowInteger", "AddWartDauer", Method, -40000, 6},
                      BadArgument{"TextForCount", "AnzAdresse", Put, "drei", 13},
                      BadArgument{"NumberForHostObject", "AppObj", Put, 5, 13}),
    [](const auto& info) { return std::string(info.param.label); });

// The member's own errors reach the caller unchanged: after switching to a
// missing address the accessors fail with an index error, not with 438.
TEST_F(LateBinding, ErrorsOfTheMemberPassThrough) {
    invoke("AktAdresse", Put, {5});
    EXPECT_EQ(errorNumber([&] { invoke("GetBez1", Method); }), Error::IndexOutOfRange);
}

} // namespace
