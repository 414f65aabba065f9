// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// What a late-binding host reaches by position or name: members, refusals, fields, properties.
#include "platform/PropertyBags.h"
#include "support/ControlHarness.h"
#include <QMetaMethod>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <map>

using batest::ControlHarness;
using namespace belegadressen;

namespace {

constexpr auto Get = InvokeKind::PropertyGet;
constexpr auto Put = InvokeKind::PropertyPut;
constexpr auto Method = InvokeKind::Method;

QString u8(const char* s) { return QString::fromUtf8(s); }

// Declared order, on which clients binding by position rely: methods, property g(et)/p(ut).
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

TEST_F(LateBinding, RefusedCallsFailWith438ValuesComeWithTheMembersType) {
    const struct {
        const char* member;
        InvokeKind kind;
        QVariantList args;
    } cases[] = {{"", Method, {}},                 // an empty name
                 {"AddWaehrung", Method, {"EUR"}}, // transliterated
                 {"GetBez1", Get, {}},
                 {"AddMitPostleitzahl", Method, {"1", QVariant(), "", QVariant()}}, // four of five
                 {"AnzAdresse", Get, {3}}};
    for (const auto& c : cases) {
        try {
            invoke(c.member, c.kind, c.args);
            ADD_FAILURE() << c.member;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), Error::UnknownMember);
            EXPECT_TRUE(e.text().contains(u8(c.member), Qt::CaseInsensitive))
                << e.text().toStdString();
        }
    }
    // Values come back with the member's type; a procedure and a let return
    // Empty; names bind in any case.
    for (auto [member, kind, value] : {std::tuple{"AddWartDauer", Method, QVariant()},
                                       {"MitFußtext", Put, QVariant(true)},
                                       {"ADDWÄHRUNG", Method, QVariant("USD")}})
        EXPECT_FALSE(invoke(member, kind, {value}).isValid()) << member;
    QStringList got;
    for (const QVariant& v :
         {invoke("GetWartDauer", Method), invoke("MitFußtext", Get), invoke("getwährung", Method)})
        got << QString(v.typeName()) + ' ' + v.toString();
    EXPECT_EQ(got, QStringList({"short 0", "bool true", "QString USD"}));
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
    // Storing derives the kind of currency from the currency itself (USD here).
    w.setAktAdresse(2);
    w.AddWaehrungserfassung(1);
    EXPECT_EQ(w.GetWaehrungserfassung(), 1);
    w.setAktAdresse(2);
    EXPECT_EQ(w.GetWaehrungserfassung(), 2);
}

// Defaults are omitted and missing keys read as defaults. Stored lets report
// their change under their own name; a let not stored does not.
TEST(Properties, RoundTripUnderTheOriginalKeys) {
    BelegAdressen w, fresh;
    MemoryPropertyBag defaults;
    w.WriteProperties(defaults);
    EXPECT_EQ(defaults.count(), 0) << defaults.keys().join(",").toStdString();
    fresh.ReadProperties(defaults);
    EXPECT_EQ(std::tuple(fresh.AnzAdresse(), fresh.AktAdresse(), fresh.MitPostfach()),
              std::tuple(5, 0, false));
    QStringList names;
    QObject::connect(&w, &BelegAdressen::PropertyChanged, [&](const QString& n) { names << n; });
    w.setBackColor(255);
    w.setAnzAdresse(3);
    w.setAktAdresse(2);
    w.setMitFusstext(true);
    w.setFuerBeleg(true);
    w.setMitWartung(true);
    w.setMitPostfach(true);
    w.setMitKundenaktualisierung(true);
    EXPECT_EQ(names.join(' '), "BackColor AnzAdresse AktAdresse MitFußtext FürBeleg MitWartung "
                               "MitPostfach");
    MemoryPropertyBag bag;
    w.WriteProperties(bag);
    EXPECT_EQ(
        std::tuple(bag.value("MitFußtext"), bag.value("FürBeleg"), bag.contains("MitKopftext")),
        std::tuple(QVariant(true), QVariant(true), false));

    BelegAdressen r;
    QSignalSpy changed(&r, &BelegAdressen::PropertyChanged);
    r.ReadProperties(bag);
    EXPECT_EQ(changed.count(), 0); // reading is no change of the host's
    EXPECT_EQ(std::tuple(r.BackColor(), r.AnzAdresse(), r.AktAdresse(), r.MitFusstext(),
                         r.FuerBeleg(), r.MitWartung(), r.MitPostfach()),
              std::tuple(255, 3, 2, true, true, true, true));
    // Flags are read into variables only; fields show once the host runs the let member.
    EXPECT_TRUE(r.findChild<QWidget*>("txtDPostfach")->isHidden());
    r.setMitPostfach(r.MitPostfach());
    EXPECT_FALSE(r.findChild<QWidget*>("txtDPostfach")->isHidden());
}

// A store that fails on one key.
struct FailingBag : MemoryPropertyBag {
    QVariant ReadProperty(const QString& key, const QVariant& def) override {
        if (key == "AnzAdresse") throw std::runtime_error("Lesefehler");
        return MemoryPropertyBag::ReadProperty(key, def);
    }
    void WriteProperty(const QString& key, const QVariant& v, const QVariant& def) override {
        if (key == "AnzAdresse") throw std::runtime_error("Schreibfehler");
        MemoryPropertyBag::WriteProperty(key, v, def);
    }
};

TEST(Properties, AReadErrorReachesTheHostAWriteErrorSkipsTheKey) {
    BelegAdressen w;
    w.setMitPostfach(true);
    w.setAnzAdresse(4);
    FailingBag bag;
    EXPECT_NO_THROW(w.WriteProperties(bag));
    EXPECT_FALSE(bag.contains("AnzAdresse"));
    EXPECT_EQ(bag.value("MitPostfach"), QVariant(true));
    EXPECT_THROW(w.ReadProperties(bag), std::runtime_error);
}

// The C++ names a member of the interface would take by the naming rule
// (transliterated; a property's put is set + name).
QString cppName(const belegadressen::MemberInfo& m) {
    QString name = m.name;
    for (const auto& [from, to] : {std::pair{u"ä", u"ae"},
                                   {u"ö", u"oe"},
                                   {u"ü", u"ue"},
                                   {u"ß", u"ss"},
                                   {u"Ä", u"Ae"},
                                   {u"Ö", u"Oe"},
                                   {u"Ü", u"Ue"}})
        name.replace(QString::fromUtf16(from), QString::fromUtf16(to));
    return m.kind == belegadressen::InvokeKind::PropertyPut ? "set" + name : name;
}

// Every function QWidget declares to Qt's meta-object system, and the getter
// and conventional setter of each of its properties.
QSet<QString> widgetNames() {
    QSet<QString> names;
    const QMetaObject& mo = QWidget::staticMetaObject;
    for (int i = 0; i < mo.methodCount(); ++i)
        names.insert(QString::fromLatin1(mo.method(i).name()));
    for (int i = 0; i < mo.propertyCount(); ++i) {
        const QString p = QString::fromLatin1(mo.property(i).name());
        names << p << "set" + p.left(1).toUpper() + p.mid(1);
    }
    return names;
}

} // namespace

// A member that took the name of one of QWidget's would hide it: the host's
// setEnabled(false) would only store a value. Those members carry other C++
// names; the interface keeps the original names for late binding.
TEST(MemberTable, NoCppNameHidesOneOfQWidgets) {
    const QSet<QString> widget = widgetNames();
    const QSet<QString> renamed = {"setEnabled", "setFont"};
    QStringList hiding;
    for (const auto& m : belegadressen::BelegAdressen::Members())
        if (widget.contains(cppName(m)) && !renamed.contains(cppName(m))) hiding << cppName(m);
    EXPECT_TRUE(hiding.isEmpty()) << hiding.join(' ').toStdString();
}

TEST(MemberTable, QWidgetsOwnEnabledAndFontStillWork) {
    batest::ControlHarness h;
    belegadressen::BelegAdressen& w = h.control();
    w.setEnabled(false);
    EXPECT_FALSE(h.edit("txtDNummer")->isEnabled());
    h.typeNumber("10001");
    EXPECT_TRUE(h.sql().statements.filter("Kundenstamm").isEmpty());
    w.setEnabled(true);
    // The held values stay apart from the widget's own.
    w.Invoke("Enabled", belegadressen::InvokeKind::PropertyPut, {false});
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.Invoke("Enabled", belegadressen::InvokeKind::PropertyGet).toBool());
    // The host's font reaches the fields; the fields keep laying out their
    // texts without shaping.
    QFont big = w.font();
    big.setPointSize(big.pointSize() + 6);
    big.setFamily(QStringLiteral("Serif"));
    w.setFont(big);
    const QFont shown = h.edit("txtDAdr_1")->font();
    EXPECT_EQ(shown.pointSize(), big.pointSize());
    EXPECT_EQ(shown.family(), big.family());
    EXPECT_TRUE(shown.styleStrategy() & QFont::PreferNoShaping);
    // Designer lists the held ones under no name of QWidget's.
    for (const char* name : {"Enabled", "Font"}) {
        const int index = w.metaObject()->indexOfProperty(name);
        EXPECT_TRUE(index < 0 || !w.metaObject()->property(index).isDesignable()) << name;
    }
}
