// The duplicate warning on the real control, on both engines.
#include "support/ControlHarness.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kMueller = QString::fromUtf8("Müller Haustechnik GmbH");

// Address 3 (one page, no number needed); A-200 repeats customer 10001 in other spelling.
struct NewAddress {
    explicit NewAddress(Engine engine, bool warn = true) : h(engine) {
        h.database().exec(QString::fromUtf8(
            "INSERT INTO Adressenstamm (AdressNummer, Bez1, Bez2, PLZ, Ort) VALUES"
            " ('A-200','MUELLER HAUSTECHNIK GMBH','Niederlassung','70173','Stuttgart')"));
        h.control().setDuplikatWarnung(warn);
        h.control().setAktAdresse(3);
        h.clearRecords();
    }

    // As typed at the end of the field (umlauts included, which key clicks cannot spell).
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
    QPushButton* entry(int i) {
        return h.control().findChild<QPushButton*>(QStringLiteral("btnDuplikat_%1").arg(i));
    }
    bool hintShown() {
        auto* hint = h.control().findChild<QWidget*>("panDuplikat");
        return hint && hint->isVisible();
    }
    int lookups() { return h.sql().statements.filter("PLZ", Qt::CaseInsensitive).size(); }

    ControlHarness h;
};

class DuplicateWarning : public OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, DuplicateWarning, engines(), EngineName());

TEST_P(DuplicateWarning, MatchListsCustomerAndGeneralAddress) {
    NewAddress a(engine());
    a.enter(QString::fromUtf8("  müller haustechnik gmbh"), "70173");
    ASSERT_TRUE(a.hintShown() && a.entry(1) && !a.entry(2));
    EXPECT_EQ(a.entry(0)->text() + "|" + a.entry(1)->text(), "Kunde 10001|Adresse A-200");
    EXPECT_EQ(a.lookups(), 1); // both masters in one round trip
    EXPECT_TRUE(a.h.messages().isEmpty() && a.h.informations().isEmpty());
}

// No match, an address with a number, or the warning switched off: no hint.
TEST_P(DuplicateWarning, NoHintWithoutMatchNumberOrWarning) {
    NewAddress a(engine());
    a.enter(kMueller, "70174");
    EXPECT_FALSE(a.hintShown());
    a.h.control().fktDragNummer("10001");
    a.h.clearRecords();
    a.type("txtDAdr_6", " Mitte");
    a.h.focus("txtDAdr_5");
    EXPECT_TRUE(!a.hintShown() && a.lookups() == 0);

    NewAddress off(engine(), false);
    off.enter(kMueller, "70173");
    EXPECT_TRUE(!off.hintShown() && off.h.sql().statements.isEmpty());
}

// Esc and another address close the hint; Tab from the number reaches it, Space chooses.
TEST_P(DuplicateWarning, KeyboardClosesReachesAndChoosesAnEntry) {
    NewAddress a(engine());
    a.enter(kMueller, "70173");
    ASSERT_TRUE(a.hintShown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(a.hintShown());
    a.h.focus("txtDAdr_6");
    a.h.focus("txtDAdr_5");
    ASSERT_TRUE(a.hintShown());
    a.h.control().setAktAdresse(2);
    EXPECT_FALSE(a.hintShown());

    a.h.control().setAktAdresse(3);
    a.h.focus("txtDAdr_6");
    a.h.focus("txtDAdr_5");
    a.h.focus("txtDNummer");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "btnDuplikat_0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(a.h.control().GetNummer(), "10001");
    EXPECT_FALSE(a.hintShown());
}

// Choosing an entry does what the host's search does with the same number.
TEST_P(DuplicateWarning, ChoosingLoadsAsTheHostsSearchWould) {
    auto outcome = [](NewAddress& a) {
        BelegAdressen& w = a.h.control();
        return std::tuple(a.h.sql().statements, a.h.events(), a.h.messages(),
                          QStringList({w.GetNummer(), w.GetBez1(), w.GetBez2(), w.GetOrt()}));
    };
    for (int entry : {0, 1}) {
        SCOPED_TRACE(entry);
        NewAddress chosen(engine());
        chosen.enter(kMueller, "70173");
        ASSERT_TRUE(chosen.hintShown() && chosen.entry(entry));
        chosen.h.clearRecords();
        chosen.entry(entry)->click();
        QApplication::processEvents();
        EXPECT_FALSE(chosen.hintShown());

        NewAddress dropped(engine(), false);
        dropped.enter(kMueller, "70173");
        dropped.h.clearRecords();
        EXPECT_EQ(entry == 0 ? dropped.h.control().fktDragNummer("10001")
                             : dropped.h.control().fktDragNummerAdresse("A-200"),
                  -1);
        QApplication::processEvents();
        EXPECT_EQ(outcome(chosen), outcome(dropped));
    }
}

} // namespace
