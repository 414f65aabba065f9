// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The duplicate warning on the real control, on both engines.
#include "data/DuplicateLookup.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace belegadressen;
using namespace batest;

namespace {

const QString kMueller = QString::fromUtf8("Müller Haustechnik GmbH");

// Address 3 (one page, no number needed); A-200 repeats customer 10001 in other spelling,
// A-300 under another postal code of the town (found only through its keys).
struct NewAddress {
    explicit NewAddress(Engine engine, bool warn = true) : h(engine) {
        h.database().exec(QString::fromUtf8(
            "INSERT INTO Adressenstamm (AdressNummer, Bez1, Bez2, Straße, PLZ, Ort) VALUES"
            " ('A-200','MUELLER HAUSTECHNIK GMBH','Niederlassung',NULL,'70173','Stuttgart'),"
            " ('A-300','Müller Haustechnik','','Hauptstraße 1','70174','Stuttgart')"));
        fillDuplicateKeys(*h.database().connection());
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
    void enter(const QString& bez1, const QString& plz, const QString& ort = "Stuttgart",
               const QString& strasse = {}) {
        type("txtDAdr_1", bez1);
        if (!strasse.isEmpty()) type("txtDAdr_5", strasse);
        type("txtDPostleitzahl", plz);
        type("txtDAdr_6", ort);
        h.focus("txtDAdr_5");
    }
    void passPlace() {
        h.focus("txtDAdr_6");
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
    EXPECT_EQ(a.entry(0)->text(),
              QString::fromUtf8("Kunde 10001 (gleicher Name)\nJörg Müller Haustechnik GmbH, "
                                "Hauptstraße 1, 70173 Stuttgart"));
    EXPECT_EQ(a.entry(1)->text(), QString::fromUtf8("Adresse A-200 (gleicher Name)\nMUELLER "
                                                    "HAUSTECHNIK GMBH, 70173 Stuttgart"));
    EXPECT_EQ(a.lookups(), 1) << "one statement for both masters";
    EXPECT_TRUE(a.h.messages().isEmpty() && a.h.informations().isEmpty());
}

// With the street typed, the surest match comes first and the moved postal code is found.
TEST_P(DuplicateWarning, BestFirstWithTheReason) {
    NewAddress a(engine());
    a.enter("Dr. Mueller Haustechnik GmbH & Co. KG", "70173", "Stuttgart", "Hauptstr. 1");
    ASSERT_TRUE(a.entry(2));
    QStringList got;
    for (int i = 0; i < 3; ++i)
        got << a.entry(i)->text().section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(got.join(QLatin1Char('|')),
              QString::fromUtf8("Kunde 10001 (gleicher Name, gleiche Straße)|Adresse A-300 "
                                "(gleicher Name, gleiche Straße, andere PLZ)|Adresse A-200 "
                                "(gleicher Name)"));
}

// No match, an address with a number, or the warning switched off: no hint.
TEST_P(DuplicateWarning, NoHintWithoutMatchNumberOrWarning) {
    NewAddress a(engine());
    a.enter(kMueller, "70175");
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

// Tab from the number reaches the first entry, Space chooses it.
TEST_P(DuplicateWarning, KeyboardReachesAndChoosesAnEntry) {
    NewAddress a(engine());
    a.enter(kMueller, "70173");
    ASSERT_TRUE(a.hintShown());
    a.h.focus("txtDNummer");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "btnDuplikat_0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(a.hintShown());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtDNummer");

    a.type("txtDAdr_1", "X"); // another name is looked up anew
    a.passPlace();
    EXPECT_FALSE(a.hintShown()) << "no match for the changed name";
    a.h.edit("txtDAdr_1")->backspace();
    a.passPlace();
    ASSERT_TRUE(a.hintShown());
    a.h.focus("txtDNummer");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(a.h.control().GetNummer(), "10001");
    EXPECT_FALSE(a.hintShown());
}

// Offered once for a name, postal code and place: not again on passing the
// place line, nor on coming back to the address, nor after a general address
// was taken (by the hint or by the host's search); a new place offers it again.
TEST_P(DuplicateWarning, OfferedOncePerNamePostalCodeAndPlace) {
    NewAddress a(engine());
    a.enter(kMueller, "70173");
    ASSERT_TRUE(a.hintShown());
    const int first = a.lookups();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    a.passPlace();
    a.h.control().setAktAdresse(2);
    a.h.control().setAktAdresse(3);
    a.passPlace();
    EXPECT_TRUE(!a.hintShown() && a.lookups() == first);

    a.type("txtDAdr_6", "-Mitte");
    a.h.focus("txtDAdr_5");
    ASSERT_TRUE(a.hintShown() && a.entry(1));
    a.entry(1)->click();
    QApplication::processEvents();
    ASSERT_EQ(a.h.control().GetBez2(), "Niederlassung") << "general address A-200 taken";
    a.h.clearRecords();
    a.passPlace();
    EXPECT_TRUE(!a.hintShown() && a.lookups() == 0);

    NewAddress b(engine());
    b.h.control().fktDragNummerAdresse("A-300");
    b.h.clearRecords();
    b.passPlace();
    EXPECT_TRUE(!b.hintShown() && b.lookups() == 0);
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
