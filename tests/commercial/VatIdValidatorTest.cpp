#include "commercial/VatIdValidator.h"
#include "support/CaseNames.h"
#include <gtest/gtest.h>

using namespace belegadressen;
using State = VatIdValidator::State;

namespace {

struct VatCase {
    const char* number;
    State state;
    const char* message; // empty: not compared
};

class VatIdValidatorTest : public ::testing::TestWithParam<VatCase> {};

TEST_P(VatIdValidatorTest, FormAndCheckDigit) {
    const VatCase& c = GetParam();
    const VatIdValidator::Result r = VatIdValidator::check(QString::fromUtf8(c.number));
    EXPECT_EQ(r.state, c.state) << c.number << ": " << r.message.toStdString();
    EXPECT_EQ(*c.message ? r.message : QString(), QString::fromUtf8(c.message)) << c.number;
}

constexpr State V = State::Valid, I = State::Invalid;
constexpr const char* kDigit = "Prüfziffer stimmt nicht";

// Valid numbers are published examples; each invalid one differs from a valid
// one in its last digit only, or breaks the form.
INSTANTIATE_TEST_SUITE_P(
    Countries, VatIdValidatorTest,
    ::testing::Values(
        VatCase{"DE136695976", V, ""}, VatCase{"DE136695977", I, kDigit},
        VatCase{"DE13669597", I, "Format für DE: DE + 9 Ziffern"}, VatCase{"ATU13585627", V, ""},
        VatCase{"atu13585627", V, ""}, VatCase{"ATU13585626", I, kDigit},
        VatCase{"AT13585627", I, "Format für AT: ATU + 8 Ziffern"},
        VatCase{"CHE-116.281.710 MWST", V, ""}, VatCase{"CHE-116.281.711", I, kDigit},
        VatCase{"FR40303265045", V, ""}, VatCase{"FR41303265045", I, kDigit},
        VatCase{"FRK7399859412", V, ""}, VatCase{"NL004495445B01", V, ""},
        VatCase{"NL004495446B01", I, kDigit}, VatCase{"BE0428759497", V, ""},
        VatCase{"BE0428759498", I, kDigit}, VatCase{"BE2428759497", I, ""},
        VatCase{"DK13585628", V, ""}, VatCase{"LU15027442", V, ""}, VatCase{"IT00743110157", V, ""},
        VatCase{"IT00743110158", I, kDigit}, VatCase{"PL8567346215", V, ""},
        VatCase{"PL8567346216", I, kDigit}, VatCase{"", State::Empty, ""},
        VatCase{"  ", State::Empty, ""}, VatCase{"ESX1234567X", State::Unchecked, ""},
        VatCase{"123456789", I, "Die Ident-Nr beginnt mit dem Länderkürzel, z. B. DE."}),
    [](const auto& info) {
        return batest::caseName(info.index, QString::fromUtf8(info.param.number));
    });

} // namespace
