// Faults that must not lose or mislabel data.
#include "contracts/CostAssignment.h"
#include "platform/GermanNumbers.h"
#include "platform/PropertyBags.h"
#include "support/ControlHarness.h"
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::Error;

namespace {

// A host connection that answers every statement with no recordset.
struct NullAnsweringConnection : belegadressen::Connection {
    std::shared_ptr<belegadressen::Recordset> Execute(const QString&) override { return nullptr; }
};

class NullHost : public batest::FakeHost {
public:
    NullHost() : FakeHost(std::make_shared<NullAnsweringConnection>()) {}
};

TEST(HostAnswers, ANullRecordsetIsReportedInWords) {
    ControlHarness h;
    h.control().setAppObj(std::make_shared<NullHost>());
    h.typeNumber("10001");
    EXPECT_EQ(h.control().GetBez1(), QString());
    // The reader reports by its name and answers not found.
    EXPECT_TRUE(h.messages().join("\n").contains("LeseKunde"))
        << h.messages().join("\n").toStdString();
    h.control().fktDragNummer("10002");
    EXPECT_EQ(h.control().GetBez1(), QString());
}

TEST(HostAnswers, AMissingComponentIsReportedAndTheControlGoesOn) {
    ControlHarness h;
    auto messages = std::make_shared<batest::RecordingServices>();
    belegadressen::Services services;
    services.messages = messages;
    services.dialogs = messages;
    services.costAssignment = [] { return std::shared_ptr<belegadressen::CostAssignment>(); };
    h.control().setServices(services);
    h.typeNumber("10001");
    EXPECT_TRUE(messages->messages.join("\n").contains("LeseKunde"))
        << messages->messages.join("\n").toStdString();
    // The gate is open again: a user edit on a one-page address is reported.
    h.control().setAktAdresse(3);
    h.clearRecords();
    h.focus("txtDAdr_1");
    QTest::keyClicks(h.edit("txtDAdr_1"), "x");
    EXPECT_TRUE(h.events().contains("Change")) << h.events().join(",").toStdString();
}

struct ReentryCase {
    const char* name;
    std::function<void(BelegAdressen&)> callBack;
};

class ReentryTest : public ::testing::TestWithParam<ReentryCase> {};

// A host slot calling back during a load is refused; the load finishes on its own record.
TEST_P(ReentryTest, AHostSlotCallingBackDuringALoadIsRefused) {
    ControlHarness h;
    QStringList refused;
    bool inside = false;
    auto callBack = [&] {
        if (inside) return;
        inside = true;
        try {
            GetParam().callBack(h.control());
        } catch (const Error& e) {
            refused << e.text();
        }
        inside = false;
    };
    QObject::connect(&h.control(), &BelegAdressen::Change, callBack);
    QObject::connect(&h.control(), &BelegAdressen::ChangeKundenrabatt, callBack);
    QObject::connect(&h.control(), &BelegAdressen::Waehrungchange, callBack);

    h.typeNumber("10001");
    EXPECT_EQ(h.control().AnzAdresse(), 3);
    EXPECT_EQ(h.control().AktAdresse(), 1);
    EXPECT_EQ(h.control().GetNummer(), "10001");
    EXPECT_EQ(h.control().GetBez1(), "Müller Haustechnik GmbH");
    for (const QString& text : refused)
        EXPECT_TRUE(text.contains("solange eine Adresse geladen wird")) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    , ReentryTest,
    ::testing::Values(ReentryCase{"AnzAdresse", [](BelegAdressen& c) { c.setAnzAdresse(5); }},
                      ReentryCase{"AktAdresse", [](BelegAdressen& c) { c.setAktAdresse(2); }},
                      ReentryCase{"fktDragNummer",
                                  [](BelegAdressen& c) { EXPECT_EQ(c.fktDragNummer("10002"), 0); }},
                      ReentryCase{
                          "fktDragNummerAdresse",
                          [](BelegAdressen& c) { EXPECT_EQ(c.fktDragNummerAdresse("1"), 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SixteenBits, AStoredNumberBeyond16BitsIsInvalidNotItsLowBits) {
    const std::pair<QVariant, qint16> cases[] = {
        {65539, 2}, {QString("65539"), 2}, {-65533, 2}, {4294967299LL, 2}, {3.5, 2}, {3.0, 3}};
    for (const auto& [stored, expected] : cases) {
        SCOPED_TRACE(stored.toString().toStdString());
        belegadressen::MemoryPropertyBag bag;
        bag.WriteProperty("AnzAdresse", stored, 5);
        bag.WriteProperty("AktAdresse", 65537, 0);
        BelegAdressen w;
        w.ReadProperties(bag);
        EXPECT_EQ(w.AnzAdresse(), expected);
        EXPECT_EQ(w.AktAdresse(), 0);
    }
}

TEST(SixteenBits, NoNaNOrInfinityReachesADuration) {
    for (const char* typed : {"nan", "-inf", "Infinity", "1e999"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(belegadressen::parseGerman(QString::fromLatin1(typed)), 0.0);
    }
    EXPECT_EQ(belegadressen::parseGerman("1,5"), 1.5);

    ControlHarness h;
    h.control().AddBelegart(110);
    h.control().setAktAdresse(2);
    for (const char* typed : {"nan", "inf", "1e300"}) {
        SCOPED_TRACE(typed);
        h.edit("txtDauer")->setText(QString::fromLatin1(typed));
        h.control().setAktAdresse(2); // the store step
        try {
            const qint16 hundredths = h.control().GetWartDauer();
            EXPECT_EQ(hundredths, 0);
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 6); // overflow, reported
        }
    }
}

TEST(ThirtyTwoBits, ACostAssignmentIdBeyond32BitsIsReportedNotCut) {
    ControlHarness h;
    // 2^32 + 7: cut to 32 bits it would be the assignment 7 of another customer.
    h.database().exec("insert into Kundenstamm (Kundennummer, Bez1, Währung, KzDivers, "
                      "Liefersperre, KostID) values ('20001', 'Weit GmbH', 'EUR', 0, 0, "
                      "4294967303)");
    h.typeNumber("20001");
    EXPECT_EQ(h.control().GetBez1(), "Weit GmbH");
    EXPECT_TRUE(h.messages().join("\n").contains("Kostenzuordnung 4294967303"))
        << h.messages().join("\n").toStdString();
    EXPECT_FALSE(h.sql().statements.join("\n").contains("KostID = '7'"))
        << h.sql().statements.join("\n").toStdString();
}

} // namespace
