// The duplicate warning on the real control, on both engines: a new address
// typed in full lists the customers and general addresses it repeats, and
// choosing one loads it the way the host's searches do.
#include "support/ControlHarness.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace belegadressen;
using namespace batest;

namespace {

// A harness on address 3 (one page, so lines may be typed without a number),
// with a general address that repeats customer 10001 in other spelling.
struct NewAddress {
    explicit NewAddress(Engine engine, bool warn = true) : h(engine) {
        h.database().exec(QString::fromUtf8(
            "INSERT INTO Adressenstamm (AdressNummer, Bez1, Bez2, PLZ, Ort) VALUES"
            " ('A-200','MUELLER HAUSTECHNIK GMBH','Niederlassung','70173','Stuttgart')"));
        h.database().exec(QString::fromUtf8(
            "INSERT INTO Kundenstamm (Kundennummer, Bez1, PLZ, Ort, KzDivers, Liefersperre)"
            " VALUES ('10077','O''Neill & Söhne','70173','Stuttgart',0,0)"));
        h.control().setDuplikatWarnung(warn);
        h.control().setAktAdresse(3);
        h.clearRecords();
    }

    // As typed at the end of the field (umlauts included, which key clicks
    // cannot spell).
    void type(const QString& field, const QString& text) {
        h.focus(field);
        h.edit(field)->end(false);
        h.edit(field)->insert(text);
    }
    // Types name, postal code and place and leaves the place line.
    void enter(const QString& bez1, const QString& plz, const QString& ort = "Stuttgart") {
        type("txtDAdr_1", bez1);
        type("txtDPostleitzahl", plz);
        type("txtDAdr_6", ort);
        h.focus("txtDAdr_5");
    }
    QWidget* hint() { return h.control().findChild<QWidget*>("panDuplikat"); }
    bool hintShown() { return hint() && hint()->isVisible(); }
    QStringList entries() {
        QStringList out;
        if (!hintShown()) return out;
        for (int i = 0;; ++i) {
            auto* b = h.control().findChild<QPushButton*>(QStringLiteral("btnDuplikat_%1").arg(i));
            if (!b) return out;
            out << b->text();
        }
    }
    QStringList lookups() {
        QStringList out;
        for (const QString& s : h.sql().statements)
            if (s.contains("PLZ", Qt::CaseInsensitive)) out << s;
        return out;
    }

    ControlHarness h;
};

class DuplicateWarning : public OnEachEngine<> {};

TEST_P(DuplicateWarning, MatchListsCustomerAndGeneralAddress) {
    NewAddress a(engine());
    a.enter(QString::fromUtf8("  müller haustechnik gmbh"), "70173");
    EXPECT_EQ(a.entries(), (QStringList{"Kunde 10001", "Adresse A-200"}));
    EXPECT_EQ(a.lookups().size(), 2);
    EXPECT_TRUE(a.h.messages().isEmpty());
    EXPECT_TRUE(a.h.informations().isEmpty());
}

TEST_P(DuplicateWarning, NoMatchShowsNothing) {
    NewAddress a(engine());
    a.enter(QString::fromUtf8("Müller Haustechnik GmbH"), "70174");
    EXPECT_FALSE(a.hintShown());
    a.enter(QString::fromUtf8(" Nord"), "");
    EXPECT_FALSE(a.hintShown());
}

TEST_P(DuplicateWarning, AddressWithNumberIsNeverChecked) {
    NewAddress a(engine());
    a.h.control().fktDragNummer("10001");
    a.h.clearRecords();
    a.type("txtDAdr_6", " Mitte");
    a.h.focus("txtDAdr_5");
    EXPECT_FALSE(a.hintShown());
    EXPECT_TRUE(a.lookups().isEmpty());
}

TEST_P(DuplicateWarning, OffSendsNoStatement) {
    NewAddress a(engine(), false);
    a.enter(QString::fromUtf8("Müller Haustechnik GmbH"), "70173");
    EXPECT_FALSE(a.hintShown());
    EXPECT_EQ(a.h.sql().statements, QStringList{});
    EXPECT_FALSE(a.h.control().duplikatWarnung());
}

TEST_P(DuplicateWarning, HostileNamesAndCodesDoNotBreakTheLookup) {
    NewAddress a(engine());
    a.enter(QString::fromUtf8("O'NEILL & SOEHNE"), "70173");
    EXPECT_EQ(a.entries(), QStringList{"Kunde 10077"});
    a.h.edit("txtDAdr_1")->clear();
    a.h.edit("txtDPostleitzahl")->clear();
    a.enter(QString::fromUtf8("x'); delete from Kundenstamm; --"), "70'173");
    EXPECT_FALSE(a.hintShown());
    EXPECT_TRUE(a.h.messages().isEmpty());
    EXPECT_EQ(a.h.database().rows("select count(*) from Kundenstamm"), QStringList{"6"});
}

TEST_P(DuplicateWarning, EscAndAnotherAddressCloseTheHint) {
    NewAddress a(engine());
    a.enter(QString::fromUtf8("Müller Haustechnik GmbH"), "70173");
    ASSERT_TRUE(a.hintShown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(a.hintShown());

    a.h.focus("txtDAdr_6");
    a.h.focus("txtDAdr_5");
    ASSERT_TRUE(a.hintShown());
    a.h.control().setAktAdresse(2);
    EXPECT_FALSE(a.hintShown());
}

TEST_P(DuplicateWarning, KeyboardReachesAndChoosesAnEntry) {
    NewAddress a(engine());
    a.enter(QString::fromUtf8("Müller Haustechnik GmbH"), "70173");
    ASSERT_TRUE(a.hintShown());
    a.h.focus("txtDNummer");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "btnDuplikat_0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(a.h.control().GetNummer(), "10001");
    EXPECT_FALSE(a.hintShown());
}

INSTANTIATE_TEST_SUITE_P(, DuplicateWarning, engines(), EngineName());

// Choosing an entry does what the host's search would do with the same
// number: the same statements, events, messages and fields.
struct Outcome {
    QStringList statements, events, messages;
    QString nummer, bez1, bez2, ort;
};

Outcome outcome(NewAddress& a) {
    BelegAdressen& w = a.h.control();
    return {a.h.sql().statements, a.h.events(), a.h.messages(), w.GetNummer(),
            w.GetBez1(),          w.GetBez2(),  w.GetOrt()};
}

class ChoosingLoads : public OnEachEngine<std::tuple<Engine, int>> {};

TEST_P(ChoosingLoads, AsTheHostsSearchWould) {
    const int entry = std::get<1>(GetParam());
    const QString bez1 = QString::fromUtf8("Müller Haustechnik GmbH");

    NewAddress chosen(engine());
    chosen.enter(bez1, "70173");
    ASSERT_TRUE(chosen.hintShown());
    auto* button =
        chosen.h.control().findChild<QPushButton*>(QStringLiteral("btnDuplikat_%1").arg(entry));
    ASSERT_NE(button, nullptr);
    chosen.h.clearRecords();
    button->click();
    QApplication::processEvents();
    EXPECT_FALSE(chosen.hintShown());

    NewAddress dropped(engine(), false);
    dropped.enter(bez1, "70173");
    dropped.h.clearRecords();
    if (entry == 0)
        EXPECT_EQ(dropped.h.control().fktDragNummer("10001"), -1);
    else
        EXPECT_EQ(dropped.h.control().fktDragNummerAdresse("A-200"), -1);
    QApplication::processEvents();

    const Outcome c = outcome(chosen), d = outcome(dropped);
    EXPECT_EQ(c.statements, d.statements);
    EXPECT_EQ(c.events, d.events);
    EXPECT_EQ(c.messages, d.messages);
    EXPECT_EQ(c.nummer, d.nummer);
    EXPECT_EQ(c.bez1, d.bez1);
    EXPECT_EQ(c.bez2, d.bez2);
    EXPECT_EQ(c.ort, d.ort);
    EXPECT_EQ(c.bez2, entry == 0 ? QString::fromUtf8("Heizung & Sanitär") : "Niederlassung");
}

INSTANTIATE_TEST_SUITE_P(, ChoosingLoads, ::testing::Combine(engines(), ::testing::Values(0, 1)),
                         EngineName());

} // namespace
