// The host's answer to a search request as the integration guide shows it: a
// queued connection, so that the control has marked its search as started
// before the answer arrives. The number the user types next must then load,
// and the saved document must hold that customer's address under its number.
#include "support/ControlHarness.h"
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

struct SearchCase {
    const char* name;
    qint16 address;          // current address when the search starts
    bool addressSearch;      // btnAdresse / fktDragNummerAdresse instead of the customer search
    bool byKey;              // F2 in the number field instead of the button
    const char* found;       // what the host's search answers
    const char* savedNumber; // a general address keeps no customer number
    const char* foundBez1;
};

const SearchCase kCases[] = {
    {"CustomerButton", 1, false, false, "10001", "10001", "Müller Haustechnik GmbH"},
    {"CustomerKeyF2", 1, false, true, "10001", "10001", "Müller Haustechnik GmbH"},
    {"CustomerButtonOnShippingAddress", 2, false, false, "10001", "10001",
     "Müller Haustechnik GmbH"},
    {"AddressButton", 2, true, false, "A-100", "", "Lieferant Karl Kunz"},
};

class SearchPattern : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchPattern, TheNumberTypedAfterTheSearchIsSavedWithItsOwnAddress) {
    const SearchCase& c = GetParam();
    ControlHarness h;
    BelegAdressen& block = h.control();
    block.setAktAdresse(c.address);
    const QString found = QString::fromUtf8(c.found);
    // The guide's pattern, word for word.
    if (c.addressSearch)
        QObject::connect(
            &block, &BelegAdressen::btnAdresseClick, &block,
            [&] { block.fktDragNummerAdresse(found); }, Qt::QueuedConnection);
    else
        QObject::connect(
            &block, &BelegAdressen::btnKundeClick, &block, [&] { block.fktDragNummer(found); },
            Qt::QueuedConnection);

    if (c.byKey) {
        h.focus("txtDNummer");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    } else {
        static_cast<QAbstractButton*>(h.widget(c.addressSearch ? "btnAdresse" : "btnKunde"))
            ->click();
    }
    QApplication::processEvents();
    block.setAktAdresse(c.address);
    EXPECT_EQ(block.GetNummer(), QString::fromUtf8(c.savedNumber));
    ASSERT_EQ(block.GetBez1(), QString::fromUtf8(c.foundBez1));

    // The user overtypes the number and leaves the field; then the host saves.
    h.typeNumber("10002");
    block.setAktAdresse(c.address);
    EXPECT_EQ(block.GetNummer(), "10002");
    EXPECT_EQ(block.GetBez1(), "Zürcher Bau AG");
    EXPECT_EQ(block.GetOrt(), "Zürich");
}

INSTANTIATE_TEST_SUITE_P(Hosts, SearchPattern, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A direct connection answers inside the click, before the control marks the
// search as started: the number typed next would stay unloaded. The guide
// warns about exactly this, so the difference must stay visible.
TEST(SearchPatternDirect, AnswerInsideTheClickSwallowsTheNextNumber) {
    ControlHarness h;
    BelegAdressen& block = h.control();
    QObject::connect(&block, &BelegAdressen::btnKundeClick, &block,
                     [&] { block.fktDragNummer("10001"); });
    static_cast<QAbstractButton*>(h.widget("btnKunde"))->click();
    h.typeNumber("10002");
    block.setAktAdresse(1);
    EXPECT_EQ(block.GetNummer(), "10002");
    EXPECT_EQ(block.GetBez1(), "Müller Haustechnik GmbH");
}

} // namespace
