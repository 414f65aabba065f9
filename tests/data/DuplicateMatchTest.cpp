// The matching rule of the duplicate warning and its lookup, without a
// widget: names and postal codes as typers spell them, and the lookup on
// both engines with hostile values.
#include "data/DuplicateMatch.h"
#include "contracts/Error.h"
#include "support/TestDatabase.h"
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

struct NameCase {
    const char* typed;
    const char* stored;
    bool same;
};

const NameCase kNames[] = {
    {"Müller Haustechnik GmbH", "Mueller Haustechnik GmbH", true},
    {"  MÜLLER haustechnik gmbh ", "Müller Haustechnik GmbH", true},
    {"Weiß & Söhne", "WEISS & SOEHNE", true},
    {"WEIẞ", "weiss", true}, // capital sharp s
    {"Bär Öl", "Baer Oel", true},
    {"Mu\u0308ller", "Müller", true},        // u with a combining diaeresis
    {"\tSchröder\u00A0", "schroeder", true}, // tab and no-break space around it
    {"Müller", "Muller", false},             // a dropped umlaut is another name
    {"Müller  GmbH", "Müller GmbH", false},  // blanks inside count
    {"Müller", "Müller-Bau", false},
    {"Strasse", "Straße", true},
    {"Straße", "Strase", false},
};

class NameRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameRule, ComparesAsTypersSpell) {
    const NameCase& c = GetParam();
    const QString a = QString::fromUtf8(c.typed), b = QString::fromUtf8(c.stored);
    EXPECT_EQ(sameName(a, b), c.same) << c.typed << " / " << c.stored;
    EXPECT_EQ(sameName(b, a), c.same) << "symmetric";
}

INSTANTIATE_TEST_SUITE_P(, NameRule, ::testing::ValuesIn(kNames));

TEST(PostalCodeRule, IgnoresCaseAndSurroundingBlanks) {
    EXPECT_EQ(normalisedPostalCode(" 70173 "), normalisedPostalCode("70173"));
    EXPECT_EQ(normalisedPostalCode("sw1a 2aa"), normalisedPostalCode("SW1A 2AA "));
    EXPECT_NE(normalisedPostalCode("70173"), normalisedPostalCode("70174"));
}

struct LookupCase {
    const char* bez1;
    const char* plz;
    const char* expected; // "K:nr A:nr ..." in the order found
};

const LookupCase kLookups[] = {
    {"Müller Haustechnik GmbH", "70173", "K:10001 K:10005 K:10009 K:10010 A:A-200"},
    {"mueller haustechnik gmbh", " 70173 ", "K:10001 K:10005 K:10009 K:10010 A:A-200"},
    {"Mu\u0308ller Haustechnik GmbH", "70173", "K:10001 K:10005 K:10009 K:10010 A:A-200"},
    {"ASSMANN", "70173", "K:10011 K:10012"},
    {"Müller Haustechnik GmbH", "70174", "K:10006"},
    {"Müller Haustechnik GmbH", "70175", ""},
    {"O'Neill & Söhne", "70173", "K:O'N-1"},
    {"o'neill & soehne", "70173", "K:O'N-1"},
    {"x' or '1'='1", "70173", ""},
    {"Müller Haustechnik GmbH", "70173' or '1'='1", ""},
    {"Whitehall Works", "SW1A 2AA", "A:GB-1"}, // stored in small letters
    {"", "70173", ""},
    {"Müller Haustechnik GmbH", "  ", ""},
};

class Lookup : public OnEachEngine<std::tuple<Engine, LookupCase>> {
protected:
    void SetUp() override {
        OnEachEngine::SetUp();
        if (IsSkipped()) return;
        db = std::make_unique<TestDatabase>(engine());
        db->exec(QString::fromUtf8("INSERT INTO Kundenstamm (Kundennummer, Bez1, PLZ) VALUES"
                                   " ('10001','Müller Haustechnik GmbH','70173'),"
                                   " ('10005','MUELLER HAUSTECHNIK GMBH','70173'),"
                                   " ('10006','Müller Haustechnik GmbH','70174'),"
                                   " ('10007','Müller Haustechnik','70173'),"
                                   " ('10008',NULL,'70173'),"
                                   " ('10009','  MÜLLER haustechnik gmbh  ','70173'),"
                                   " ('10010','Mu\u0308ller Haustechnik GmbH','70173'),"
                                   " ('10011','AẞMANN','70173'),"
                                   " ('10012','Aßmann','70173'),"
                                   " ('O''N-1','O''Neill & Söhne','70173')"));
        db->exec(QString::fromUtf8("INSERT INTO Adressenstamm (AdressNummer, Bez1, PLZ) VALUES"
                                   " ('A-200','Müller Haustechnik GmbH','70173'),"
                                   " ('GB-1','Whitehall Works','sw1a 2aa')"));
    }
    std::unique_ptr<TestDatabase> db;
};

TEST_P(Lookup, FindsSameNameAndPostalCodeInBothMasters) {
    const LookupCase& c = std::get<1>(GetParam());
    const auto found =
        findDuplicates(*db->connection(), QString::fromUtf8(c.bez1), QString::fromUtf8(c.plz));
    QStringList got;
    for (const DuplicateCandidate& d : found)
        got << (d.source == DuplicateSource::Kunde ? "K:" : "A:") + d.nummer;
    EXPECT_EQ(got.join(' ').toStdString(), c.expected);
    // Nothing a hostile value did reached the data.
    EXPECT_EQ(db->rows("select count(*) from Kundenstamm"), QStringList{"10"});
}

INSTANTIATE_TEST_SUITE_P(, Lookup, ::testing::Combine(engines(), ::testing::ValuesIn(kLookups)),
                         EngineName());

// The statement narrows by the name's beginning; every stored spelling of a
// matching name must lie inside that narrowing on either engine's lower().
TEST(NamePrefixes, CoverEverySpellingOfTheBeginning) {
    const QStringList p = namePrefixes(normalisedName("Müller"));
    for (const char* stored : {"muelle", "müller", "mÜller", "mu\u0308lle"})
        EXPECT_TRUE(p.contains(QString::fromUtf8(stored))) << stored;
    EXPECT_FALSE(p.contains("muller"));
    const QStringList s = namePrefixes(normalisedName("Aßmann"));
    for (const char* stored : {"assman", "aßmann", "aẞmann"})
        EXPECT_TRUE(s.contains(QString::fromUtf8(stored))) << stored;
    EXPECT_EQ(namePrefixes(normalisedName("Ö")), (QStringList{"oe", "ö", "Ö", "o\u0308"}));
}

TEST(LookupRefusal, PostalCodeWithNulIsRefusedBeforeAnyStatement) {
    TestDatabase db(Engine::SQLite);
    EXPECT_THROW(findDuplicates(*db.connection(), "Müller", QString("701") + QChar(0) + "73"),
                 Error);
}

} // namespace
