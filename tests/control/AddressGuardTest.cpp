// Two-page addresses take no text before a number; on a one-page address the
// last field leads back to the number.
#include "support/ControlHarness.h"
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

using batest::ControlHarness;

namespace {

const QString kNoNumber =
    QStringLiteral("Information: Bitte erfassen Sie zuerst eine Adressnummer.");

QLineEdit* lineOf(ControlHarness& h, const QString& name) {
    if (auto* combo = h.control().findChild<QComboBox*>(name)) return combo->lineEdit();
    return h.edit(name);
}

TEST(AddressGuard, TwoPageAddressWithoutNumberRefusesTypedText) {
    for (const char* name : {"txtDAdr_1", "txtDPostleitzahl", "cdoDLand"}) {
        SCOPED_TRACE(name);
        ControlHarness h;
        QLineEdit* line = lineOf(h, name);
        h.focus(name);
        h.clearRecords();
        QTest::keyClicks(line, "7");
        EXPECT_EQ(line->text(), "");
        EXPECT_EQ(h.informations(), QStringList{kNoNumber});
        EXPECT_TRUE(h.events().isEmpty());

        h.edit("txtDNummer")->setText("10001");
        h.clearRecords();
        QTest::keyClicks(line, "7");
        EXPECT_EQ(line->text(), "7");
        EXPECT_EQ(h.events(), QStringList{"Change"});
        EXPECT_TRUE(h.informations().isEmpty());
    }
}

TEST(AddressGuard, LeavingTheLastFieldOfAOnePageAddressReturnsToTheNumber) {
    // The place is the last field, or with the PO box shown, its postal code.
    for (const auto& [last, next] :
         {std::pair{"txtDAdr_6", "txtDAdr_5"}, std::pair{"txtDPlzPostfach", "txtDPostfach"}}) {
        SCOPED_TRACE(last);
        ControlHarness h;
        h.control().setMitPostfach(QString(last) == "txtDPlzPostfach");
        h.control().setAktAdresse(2);
        h.clearRecords();
        h.focus(last);
        h.focus(next);
        EXPECT_EQ(h.events(), QStringList({"btnSeite2Click"}));
        EXPECT_TRUE(h.edit("txtDNummer")->hasFocus());

        // A service layout keeps the user in the address block.
        h.control().AddBelegart(110);
        h.clearRecords();
        h.focus(last);
        h.focus(next);
        EXPECT_TRUE(h.events().isEmpty());
    }
}

} // namespace
