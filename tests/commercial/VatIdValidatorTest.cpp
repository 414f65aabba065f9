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
    if (*c.message) {
        EXPECT_EQ(r.message, QString::fromUtf8(c.message)) << c.number;
    }
}

// Valid numbers are published examples; each invalid one differs from a valid
// one in its last digit only, or breaks the form.
INSTANTIATE_TEST_SUITE_P(
    Countries, VatIdValidatorTest,
    ::testing::Values(
        VatCase{"DE136695976", State::Valid, ""},
        VatCase{"DE136695977", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"DE13669597", State::Invalid, "Format für DE: DE + 9 Ziffern"},
        VatCase{"ATU13585627", State::Valid, ""}, VatCase{"atu13585627", State::Valid, ""},
        VatCase{"ATU13585626", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"AT13585627", State::Invalid, "Format für AT: ATU + 8 Ziffern"},
        VatCase{"CHE-116.281.710 MWST", State::Valid, ""},
        VatCase{"CHE-116.281.711", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"FR40303265045", State::Valid, ""},
        VatCase{"FR41303265045", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"FRK7399859412", State::Valid, ""}, VatCase{"NL004495445B01", State::Valid, ""},
        VatCase{"NL004495446B01", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"BE0428759497", State::Valid, ""},
        VatCase{"BE0428759498", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"BE2428759497", State::Invalid, ""}, VatCase{"DK13585628", State::Valid, ""},
        VatCase{"LU15027442", State::Valid, ""}, VatCase{"IT00743110157", State::Valid, ""},
        VatCase{"IT00743110158", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"PL8567346215", State::Valid, ""},
        VatCase{"PL8567346216", State::Invalid, "Prüfziffer stimmt nicht"},
        VatCase{"", State::Empty, ""}, VatCase{"  ", State::Empty, ""},
        VatCase{"ESX1234567X", State::Unchecked, ""},
        VatCase{"123456789", State::Invalid,
                "Die Ident-Nr beginnt mit dem Länderkürzel, z. B. DE."}),
    [](const auto& info) {
        return batest::caseName(info.index, QString::fromUtf8(info.param.number));
    });

} // namespace
