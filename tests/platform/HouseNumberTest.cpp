#include "platform/HouseNumber.h"
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

struct SplitCase {
    const char* name;
    const char* line;
    const char* street;
    const char* number;
};

class HouseNumberSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(HouseNumberSplit, SplitsAtTheNumberAtTheEnd) {
    const SplitCase& c = GetParam();
    const StreetAndNumber split = splitHouseNumber(QString::fromUtf8(c.line));
    EXPECT_EQ(split.street.toStdString(), c.street);
    EXPECT_EQ(split.number.toStdString(), c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HouseNumberSplit,
    ::testing::Values(
        SplitCase{"LetterSuffix", "Hauptstraße 5a", "Hauptstraße", "5a"},
        SplitCase{"NumberInsideName", "Straße des 17. Juni 12", "Straße des 17. Juni", "12"},
        SplitCase{"Range", "Am Markt 3-5", "Am Markt", "3-5"},
        SplitCase{"Abbreviation", "Hauptstr. 5", "Hauptstr.", "5"},
        SplitCase{"NoBlank", "Hauptstraße5a", "Hauptstraße", "5a"},
        SplitCase{"NoNumber", "Hauptstraße", "Hauptstraße", ""},
        SplitCase{"TrailingWordIsName", "Am Hang 5 Hinterhaus", "Am Hang 5 Hinterhaus", ""},
        SplitCase{"RoadNameIsNotNumber", "B27", "B27", ""}, SplitCase{"OnlyNumber", "12", "", "12"},
        SplitCase{"Empty", "   ", "", ""},
        // Staircase and door after slashes, "Top" for the flat.
        SplitCase{"StaircaseAndDoor", "Mariahilfer Straße 12/3/14", "Mariahilfer Straße",
                  "12/3/14"},
        SplitCase{"Top", "Wiedner Gürtel 8/Top 4", "Wiedner Gürtel", "8/Top 4"},
        SplitCase{"FrenchBis", "Rue du Rhône 12bis", "Rue du Rhône", "12bis"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HouseNumberJoin, OneBlankBetweenAndNothingDangling) {
    EXPECT_EQ(joinHouseNumber(QStringLiteral("Hauptstraße "), QStringLiteral(" 5a")),
              QStringLiteral("Hauptstraße 5a"));
    EXPECT_EQ(joinHouseNumber(QStringLiteral("Hauptstraße"), QString()),
              QStringLiteral("Hauptstraße"));
    EXPECT_EQ(joinHouseNumber(QString(), QStringLiteral("7")), QStringLiteral("7"));
}

} // namespace
