// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/BelegAdressen.h"
#include "support/ControlHarness.h"
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace belegadressen {
namespace {

using batest::ControlHarness;

// A host whose handler throws must not take the control down: the exception
// stays out of the event loop, the typed text stays, and the next keystroke
// reports again. One field of each subsystem that raises Change.
TEST(HostException, ThrowingChangeHandlerLeavesTypingIntact) {
    struct Field {
        const char* name;
        qint16 address;
    };
    const Field fields[] = {
        {"txtDAdr_1", 1},          // address lines
        {"txtDHauptkonto", 1},     // account fields
        {"txtDWechselkurs", 1},    // currency (raises Click)
        {"txtdReNr_0", 1},         // text numbers
        {"txtAnsprechpartner", 2}, // technician and contact
        {"txtDKD_Nr_0", 1},        // the customer reference of a further address
    };
    ControlHarness h;
    BelegAdressen& w = h.control();
    w.AddBelegart(110);
    h.typeNumber("10001");
    int raised = 0;
    const auto thrower = [&raised] {
        ++raised;
        throw std::runtime_error("host failure");
    };
    QObject::connect(&w, &BelegAdressen::Change, &w, thrower);
    QObject::connect(&w, &BelegAdressen::Click, &w, thrower);
    for (const Field& f : fields) {
        SCOPED_TRACE(f.name);
        w.setAktAdresse(f.address);
        QLineEdit* field = h.edit(QString::fromUtf8(f.name));
        ASSERT_NE(field, nullptr);
        field->setFocus(Qt::TabFocusReason);
        field->clear();
        raised = 0;
        EXPECT_NO_THROW(QTest::keyClicks(field, "12"));
        EXPECT_EQ(field->text(), QStringLiteral("12"));
        EXPECT_EQ(raised, 2) << "each keystroke reports again";
    }
    // An event raised by a key (F2 in the number field asks for the customer
    // search) stays in the key's hook, and the next F2 asks again.
    QObject::connect(&w, &BelegAdressen::btnKundeClick, &w, thrower);
    w.setAktAdresse(1);
    QLineEdit* nummer = h.edit("txtDNummer");
    nummer->setFocus(Qt::TabFocusReason);
    raised = 0;
    EXPECT_NO_THROW(QTest::keyClick(nummer, Qt::Key_F2));
    EXPECT_NO_THROW(QTest::keyClick(nummer, Qt::Key_F2));
    EXPECT_EQ(raised, 2);
}

} // namespace
} // namespace belegadressen
