// Durations in hundredths of an hour and 16-bit site numbers, refused in words when too large.
#include "service/ServiceValues.h"
#include "support/CaseNames.h"
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

struct DurationCase {
    const char* text;
    bool ok;
    qint16 hundredths;
};

class DurationText : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DurationText, BecomesHundredthsOrIsRefused) {
    const DurationCase& c = GetParam();
    const Duration d = durationFromText(QString::fromUtf8(c.text));
    EXPECT_EQ(d.ok, c.ok) << c.text;
    if (c.ok) {
        EXPECT_EQ(d.hundredths, c.hundredths) << c.text;
        EXPECT_TRUE(d.message.isEmpty());
    } else {
        EXPECT_TRUE(d.message.startsWith("Die Dauer")) << d.message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DurationText,
    ::testing::Values(DurationCase{"1,5", true, 150}, DurationCase{"1.5", true, 150},
                      // Halves go to the even hundredth.
                      DurationCase{"0,125", true, 12}, DurationCase{"0,135", true, 14},
                      DurationCase{"  ", true, 0}, DurationCase{"327,67", true, 32767},
                      DurationCase{"327,675", false, 0}, DurationCase{"1e9", false, 0},
                      DurationCase{"1,5h", false, 0}),
    [](const auto& info) {
        return batest::caseName(info.index, QString::fromUtf8(info.param.text));
    });

TEST(DurationText, NamesTheLimitInWords) {
    const Duration d = durationFromText("400");
    EXPECT_EQ(d.message,
              "Die Dauer von 400,00 Stunden ist zu groß: möglich sind höchstens 327,67 Stunden.");
    EXPECT_EQ(durationFromText("zwei").message,
              "Die Dauer \"zwei\" ist keine Zahl. Bitte geben Sie die Dauer in Stunden ein, zum "
              "Beispiel 1,50.");
}

TEST(SmallNumber, KeepsWhatFitsAndRefusesTheRestInWords) {
    EXPECT_EQ(smallNumber(QVariant(32767), "Standortnummer"), 32767);
    EXPECT_EQ(smallNumber(QVariant("12"), "Standortnummer"), 12);
    EXPECT_EQ(smallNumber(QVariant(), "Anlagenummer"), 0);
    try {
        smallNumber(QVariant(40000), "Standortnummer");
        FAIL() << "40000 was taken";
    } catch (const NumberOutOfRange& e) {
        EXPECT_EQ(e.text(), "Die Standortnummer 40000 ist zu groß: Standort- und "
                            "Anlagennummern reichen nur bis 32767.");
    }
    EXPECT_THROW(smallNumber(QVariant(qint64(65536 + 7)), "Anlagenummer"), NumberOutOfRange);
    EXPECT_THROW(smallNumber(QVariant("A7"), "Anlagenummer"), NumberOutOfRange);
}

} // namespace
