// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The comparison of the duplicate warning without a widget.
#include "data/DuplicateMatch.h"
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

TEST(NameWords, DropLegalFormsTitlesAndJoiningWords) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "Müller GmbH", "mueller"},
        {"", "Mueller GmbH & Co. KG", "mueller"},
        {"", "Dr. Hans Meier", "hans meier"},
        {"Hans", "Meier", "hans meier"},
        {"", "Schulz & Söhne e.K.", "schulz soehne"},
        {"", "Weber und Partner UG (haftungsbeschränkt)", "weber partner"},
        {"Prof. Dr.", "Dipl.-Ing. Anna  Roth-Weiß", "anna roth weiss"},
        {"", "Kunstverein e.V.", "kunstverein"},
        {"", "E. Klein e. K.", "e klein"}, // the initial stays
        {"", "GmbH", "gmbh"},              // nothing but a form keeps it
        {"", "Café Zoë", "cafe zoe"},
        {"", "Mu\u0308ller GmbH", "mueller"}}; // an umlaut typed as u and its diaeresis
    for (const auto& [vorname, bez1, expected] : cases) {
        SCOPED_TRACE(bez1);
        EXPECT_EQ(nameWords(QString::fromUtf8(vorname), QString::fromUtf8(bez1)).join(' '),
                  QString::fromUtf8(expected));
    }
}

TEST(SoundCode, GermanNamesThatSoundAlike) {
    const std::pair<const char*, const char*> cases[] = {
        {"meier", "67"},       {"meyer", "67"},
        {"maier", "67"},       {"mayer", "67"},
        {"schmidt", "862"},    {"schmitt", "862"},
        {"mueller", "657"},    {"muller", "657"},
        {"wikipedia", "3412"}, {"christoph", "47823"},
        {"xaver", "4837"},     {"acht", "042"},
        {"zoe", "8"},          {"", ""}};
    for (const auto& [name, code] : cases)
        EXPECT_EQ(soundCode(QString::fromUtf8(name)), QString::fromUtf8(code)) << name;
}

// One street spelt differently agrees; two numbers in the house number are a
// range or a list, never the number their digits make together.
TEST(StreetForm, SpellingsAgreeAndARangeIsNotANumber) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Hauptstraße 5", "Hauptstr. 5", true},
        {"Hauptstraße 5a", "HAUPTSTRASSE 5 A", true},
        {"Friedrich-Ebert-Straße 12", "Friedrich Ebert Str. 12", true},
        {"Straße des 17. Juni 3", "Str. des 17. Juni 3", true},
        {"Hauptstraße 5", "Hauptstraße 7", false},
        {"Hauptstr. 7-9", "Hauptstr. 79", false},
        {"Hauptstr. 7/9", "Hauptstr. 79", false},
        {"Weg 12 u. 14", "Weg 1214", false},
        {"Weg 1-23", "Weg 12-3", false},
        {"Allee 3-5", "Allee 35", false},
        {"Hauptstr. 7-9", "Hauptstraße 7 - 9", true},
        {"Hauptstr. 7-9", "Hauptstr. 7–9", true},
        {"Weg 12 u. 14", "Weg 12-14", true},
        {"Weg 12 und 14", "Weg 12+14", true},
        {"Allee 12 a-c", "Allee 12a-c", true},
        {"Lange Reihe 12 b", "Lange Reihe 12b", true}};
    for (const auto& [a, b, same] : cases) {
        SCOPED_TRACE(std::string(a) + " / " + b);
        const StreetForm x = streetForm(QString::fromUtf8(a)), y = streetForm(QString::fromUtf8(b));
        EXPECT_EQ(x.street, y.street);
        EXPECT_EQ(x.number == y.number, same)
            << x.number.toStdString() << " / " << y.number.toStdString();
        // The stored key tells the same, or the lookup would fetch the branch.
        EXPECT_EQ(addressKey(QString::fromUtf8(a), "Kiel") ==
                      addressKey(QString::fromUtf8(b), "Kiel"),
                  same);
        // The street key is the address key without its place.
        EXPECT_EQ("kiel|" + streetKey(QString::fromUtf8(a)),
                  addressKey(QString::fromUtf8(a), "Kiel"));
    }
    // The branch at the range is not the typed firm at the single number.
    EXPECT_FALSE(compareParties({"", "Roth GmbH", "Hauptstr. 79", "24103", "Kiel"},
                                {"", "Roth GmbH", "Hauptstr. 7-9", "24103", "Kiel"})
                     .duplicate);
}

// Typed and stored address, whether they are the same party, and the reason given.
TEST(CompareParties, CarefulClerk) {
    const PartyAddress home{"", "Müller GmbH", "Hauptstraße 5", "70173", "Stuttgart"},
        meier{"Hans", "Meier", "Am Markt 3", "01067", "Dresden"},
        guenther{"Michael", "Günther", "Bergstraße 86", "09111", "Chemnitz"},
        guentherNoStreet{"Michael", "Günther", "", "09111", "Chemnitz"},
        guentherFirm{"Michael", "Günther Dachbau", "Bergstraße 86", "09111", "Chemnitz"};
    const char *name = "gleicher Name", *street = "gleicher Name, gleiche Straße",
               *sound = "gleich klingender Name",
               *soundStreet = "gleich klingender Name, gleiche Straße",
               *similar = "ähnlicher Name, gleiche Straße",
               *moved = "gleicher Name, gleiche Straße, andere PLZ";
    const std::tuple<PartyAddress, const PartyAddress&, const char*> cases[] = {
        {{"", "Mueller GmbH & Co. KG", "Hauptstr. 5", "70173", "Stuttgart"}, home, street},
        {{"", "Müler", "", "70173", "Stuttgart"}, home, sound},
        {{"", "Mülelr GmbH", "Hauptstraße 5", "70173", "Stuttgart"}, home, similar},
        {{"", "Müller", "Hauptstraße 5", "70174", "Stuttgart"}, home, moved},
        {{"", "Müller", "", "70174", "Stuttgart"}, home, nullptr}, // moved, no street
        {{"", "Müller GmbH", "Hauptstraße 50", "70173", "Stuttgart"}, home, nullptr}, // branch
        {{"", "Schulz GmbH", "Hauptstraße 5", "70173", "Stuttgart"}, home, nullptr},
        {{"", "Müller GmbH", "Hauptstraße 5", "80331", "München"}, home, nullptr},
        // A name split into first name and name, titles and a sound-alike.
        {{"", "Hans Meier", "Am Markt 3", "01067", "Dresden"}, meier, street},
        {{"", "Dr. Hans Meier", "Am Markt 3", "01067", "Dresden"}, meier, street},
        {{"", "Hans Meyer", "Am Markt 3", "01067", "Dresden"}, meier, soundStreet},
        {{"", "Meier, Hans", "Am Markt 3", "01067", "Dresden"}, meier, street},
        {{"Petra", "Meier", "Am Markt 3", "01067", "Dresden"}, meier, nullptr},
        // A surname alone, one side with a first name: only at the same
        // street and number; under a postal code of a town many share it.
        {{"", "Guenther GbR", "", "09111", "Chemnitz"}, guenther, nullptr},
        {{"", "Guenther GbR", "Markt 1", "09111", "Chemnitz"}, guenther, nullptr},
        {{"", "Günther", "", "09111", "Chemnitz"}, guentherNoStreet, nullptr},
        {{"", "Guenther", "Bergstr. 86", "09111", "Chemnitz"}, guenther, street},
        {{"", "Günter", "Bergstraße 86", "09111", "Chemnitz"}, guenther, soundStreet},
        {{"Michael", "Günther", "", "09111", "Chemnitz"}, guenther, name},
        {{"", "Michael Günther", "", "09111", "Chemnitz"}, guenther, name},
        // A firm's name of several words with and without its contact's first name.
        {{"", "Günther Dachbau GmbH", "", "09111", "Chemnitz"}, guentherFirm, name}};
    for (const auto& [typed, stored, reason] : cases) {
        SCOPED_TRACE((typed.bez1 + ' ' + typed.strasse + ' ' + typed.plz).toStdString());
        const DuplicateVerdict v = compareParties(typed, stored);
        EXPECT_EQ(v.duplicate, reason != nullptr);
        EXPECT_EQ(v.reason, QString::fromUtf8(reason ? reason : ""));
        EXPECT_EQ(compareParties(stored, typed).duplicate, reason != nullptr) << "symmetric";
    }
}

// A stored row's street, number and place read back from its key are what
// its fields give; rows without a street or key fall back to the fields.
TEST(PartyForm, StoredKeyReadsAsTheFields) {
    const PartyAddress rows[] = {{"", "A", "Hauptstraße 5a", "70173", "Stuttgart"},
                                 {"", "A", "Straße des 17. Juni 3-5", "10115", "Berlin"},
                                 {"", "A", "Am Markt", "01067", "Dresden"},
                                 {"", "A", "", "24103", "Kiel"},
                                 {"", "A", "Weg 1", "79098", "Freiburg im Breisgau"}};
    for (const PartyAddress& a : rows) {
        SCOPED_TRACE(a.strasse.toStdString());
        const PartyForm f(a);
        for (const PartyForm& k : {PartyForm(a, addressKey(a.strasse, a.ort)), PartyForm(a, {})})
            EXPECT_EQ(QStringList({k.street.street, k.street.number, k.town}),
                      QStringList({f.street.street, f.street.number, f.town}));
    }
}

} // namespace
