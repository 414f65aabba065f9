// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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

// The current address when the search starts; btnAdresse / fktDragNummerAdresse
// instead of the customer search; F2 in the number field instead of the button;
// the guide's queued connection or a direct one.
struct SearchCase {
    const char* name;
    qint16 address;
    bool addressSearch, byKey, queued;
};

// A direct connection answers inside the click, before the control marks the
// search as started: the number typed next would stay unloaded. The guide
// warns about exactly this, so the difference must stay visible.
const SearchCase kCases[] = {{"CustomerButton", 1, false, false, true},
                             {"CustomerKeyF2", 1, false, true, true},
                             {"CustomerButtonOnShippingAddress", 2, false, false, true},
                             {"AddressButton", 2, true, false, true},
                             {"DirectAnswerSwallowsTheNextNumber", 1, false, false, false}};

class SearchPattern : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchPattern, TheNumberTypedAfterTheSearchIsSavedWithItsOwnAddress) {
    const SearchCase& c = GetParam();
    ControlHarness h;
    BelegAdressen& block = h.control();
    block.setAktAdresse(c.address);
    const QString found = c.addressSearch ? "A-100" : "10001";
    const auto type = c.queued ? Qt::QueuedConnection : Qt::DirectConnection;
    // The guide's pattern, word for word.
    if (c.addressSearch)
        QObject::connect(
            &block, &BelegAdressen::btnAdresseClick, &block,
            [&] { block.fktDragNummerAdresse(found); }, type);
    else
        QObject::connect(
            &block, &BelegAdressen::btnKundeClick, &block, [&] { block.fktDragNummer(found); },
            type);

    if (c.byKey) {
        h.focus("txtDNummer");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    } else {
        static_cast<QAbstractButton*>(h.widget(c.addressSearch ? "btnAdresse" : "btnKunde"))
            ->click();
    }
    QApplication::processEvents();
    block.setAktAdresse(c.address);
    // A general address keeps no customer number.
    EXPECT_EQ(block.GetNummer(), c.addressSearch ? "" : "10001");
    ASSERT_EQ(block.GetBez1(), c.addressSearch ? "Lieferant Karl Kunz" : "Müller Haustechnik GmbH");

    // The user overtypes the number and leaves the field; then the host saves.
    h.typeNumber("10002");
    block.setAktAdresse(c.address);
    EXPECT_EQ(QStringList({block.GetNummer(), block.GetBez1(), block.GetOrt()}),
              c.queued ? QStringList({"10002", "Zürcher Bau AG", "Zürich"})
                       : QStringList({"10002", "Müller Haustechnik GmbH", "Stuttgart"}));
}

INSTANTIATE_TEST_SUITE_P(Hosts, SearchPattern, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
