// The matching rule of the duplicate warning without a widget, and its lookup on both engines.
#include "data/DuplicateMatch.h"
#include "support/TestDatabase.h"

using namespace belegadressen;
using namespace batest;

namespace {

TEST(NameRule, ComparesAsTypersSpell) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Müller Haustechnik GmbH", "Mueller Haustechnik GmbH", true},
        {"  MÜLLER haustechnik gmbh ", "Müller Haustechnik GmbH", true},
        {"Weiß & Söhne", "WEISS & SOEHNE", true},
        {"\tSchröder\u00A0", "schroeder", true}, // tab and no-break space around it
        {"Müller", "Muller", false},             // a dropped umlaut is another name
        {"Müller  GmbH", "Müller GmbH", false}}; // blanks inside count
    for (const auto& [typed, stored, same] : cases) {
        const QString a = QString::fromUtf8(typed), b = QString::fromUtf8(stored);
        EXPECT_EQ(sameName(a, b), same) << typed << " / " << stored;
        EXPECT_EQ(sameName(b, a), same) << typed << " / " << stored << " (symmetric)";
    }
}

class Lookup : public OnEachEngine<> {};
INSTANTIATE_TEST_SUITE_P(, Lookup, engines(), EngineName());

TEST_P(Lookup, FindsSameNameAndPostalCodeInBothMasters) {
    TestDatabase db(engine());
    db.exec(QString::fromUtf8("INSERT INTO Kundenstamm (Kundennummer, Bez1, PLZ) VALUES"
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
    db.exec(QString::fromUtf8("INSERT INTO Adressenstamm (AdressNummer, Bez1, PLZ) VALUES"
                              " ('A-200','Müller Haustechnik GmbH','70173'),"
                              " ('GB-1','Whitehall Works','sw1a 2aa')"));
    // Name, postal code, numbers found in order; each stored spelling must pass the narrowing.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Müller Haustechnik GmbH", "70173", "K:10001 K:10005 K:10009 K:10010 A:A-200"},
        {"mueller haustechnik gmbh", " 70173 ", "K:10001 K:10005 K:10009 K:10010 A:A-200"},
        {"ASSMANN", "70173", "K:10011 K:10012"},
        {"Müller Haustechnik GmbH", "70174", "K:10006"},
        {"o'neill & soehne", "70173", "K:O'N-1"},
        {"Müller Haustechnik GmbH", "70173' or '1'='1", ""},
        {"Whitehall Works", "SW1A 2AA", "A:GB-1"}, // stored in small letters
        {"", "70173", ""},
        {"Müller Haustechnik GmbH", "  ", ""}};
    for (const auto& [bez1, plz, expected] : cases) {
        SCOPED_TRACE(std::string(bez1) + " / " + plz);
        QStringList got;
        for (const DuplicateCandidate& d :
             findDuplicates(*db.connection(), QString::fromUtf8(bez1), QString::fromUtf8(plz)))
            got << (d.source == DuplicateSource::Kunde ? "K:" : "A:") + d.nummer;
        EXPECT_EQ(got.join(' ').toStdString(), expected);
    }
    EXPECT_EQ(db.rows("select count(*) from Kundenstamm"), QStringList{"10"}) << "data untouched";
}

} // namespace
