// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Faults that must not lose or mislabel data.
#include "contracts/CostAssignment.h"
#include "platform/GermanNumbers.h"
#include "platform/PropertyBags.h"
#include "support/ControlHarness.h"

using batest::ControlHarness;
using belegadressen::BelegAdressen;
using belegadressen::Error;

namespace {

std::string joined(const QStringList& l) { return l.join('\n').toStdString(); }

// A host connection that answers every statement with no recordset.
struct NullAnsweringConnection : belegadressen::Connection {
    std::shared_ptr<belegadressen::Recordset> Execute(const QString&) override { return nullptr; }
};

TEST(HostAnswers, ANullRecordsetIsReportedInWords) {
    ControlHarness h;
    h.control().setAppObj(
        std::make_shared<batest::FakeHost>(std::make_shared<NullAnsweringConnection>()));
    h.typeNumber("10001");
    EXPECT_EQ(h.control().GetBez1(), QString());
    // The reader reports by its name and answers not found.
    EXPECT_FALSE(h.messages().filter("LeseKunde").isEmpty()) << joined(h.messages());
}

TEST(HostAnswers, AMissingComponentIsReportedAndTheControlGoesOn) {
    ControlHarness h;
    belegadressen::Services services;
    services.costAssignment = [] { return std::shared_ptr<belegadressen::CostAssignment>(); };
    h.setServices(services);
    h.typeNumber("10001");
    EXPECT_FALSE(h.messages().filter("LeseKunde").isEmpty()) << joined(h.messages());
}

// A host slot calling back during a load is refused; the load finishes on its own record.
TEST(Reentry, AHostSlotCallingBackDuringALoadIsRefused) {
    const std::pair<const char*, std::function<void(BelegAdressen&)>> cases[] = {
        {"AnzAdresse", [](BelegAdressen& c) { c.setAnzAdresse(5); }},
        {"AktAdresse", [](BelegAdressen& c) { c.setAktAdresse(2); }},
        {"fktDragNummer", [](BelegAdressen& c) { EXPECT_EQ(c.fktDragNummer("10002"), 0); }},
        {"fktDragNummerAdresse",
         [](BelegAdressen& c) { EXPECT_EQ(c.fktDragNummerAdresse("1"), 0); }}};
    for (const auto& [name, callBack] : cases) {
        SCOPED_TRACE(name);
        ControlHarness h;
        QStringList refused;
        int calls = 0;
        bool inside = false;
        auto slot = [&, callBack = callBack] {
            if (inside) return;
            inside = true;
            ++calls;
            try {
                callBack(h.control());
            } catch (const Error& e) {
                refused << e.text();
            }
            inside = false;
        };
        QObject::connect(&h.control(), &BelegAdressen::Change, slot);
        QObject::connect(&h.control(), &BelegAdressen::ChangeKundenrabatt, slot);
        QObject::connect(&h.control(), &BelegAdressen::Waehrungchange, slot);
        h.typeNumber("10001");
        auto& w = h.control();
        EXPECT_EQ(std::tuple(w.AnzAdresse(), w.AktAdresse(), w.GetNummer(), w.GetBez1()),
                  std::tuple(3, 1, QString("10001"), QString("Müller Haustechnik GmbH")));
        // Each call was refused: the setters by an error, the loads by their answer 0.
        EXPECT_GT(calls, 0);
        EXPECT_EQ(refused.size(), QString(name).startsWith("fkt") ? 0 : calls);
        for (const QString& text : refused)
            EXPECT_TRUE(text.contains("solange eine Adresse geladen wird")) << text.toStdString();
    }
}

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
        EXPECT_EQ(std::pair(w.AnzAdresse(), w.AktAdresse()), std::pair(expected, qint16(0)));
    }
}

TEST(SixteenBits, NoNaNOrInfinityReachesADuration) {
    for (const char* typed : {"nan", "-inf", "Infinity", "1e999"})
        EXPECT_EQ(belegadressen::parseGerman(QString::fromLatin1(typed)), 0.0) << typed;

    ControlHarness h;
    h.control().AddBelegart(110);
    h.control().setAktAdresse(2);
    for (const char* typed : {"nan", "inf", "1e300"}) {
        SCOPED_TRACE(typed);
        h.edit("txtDauer")->setText(QString::fromLatin1(typed));
        h.control().setAktAdresse(2); // the store step
        try {
            EXPECT_EQ(h.control().GetWartDauer(), 0);
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
        << joined(h.messages());
    EXPECT_TRUE(h.sql().statements.filter("KostID = '7'").isEmpty()) << joined(h.sql().statements);
}

} // namespace
