// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Address lines as clerks type them, checked against the real German list of
// postal codes and places (with a few invented streets, since the list has
// none) and the Austrian and Swiss extracts, on both engines.
#include "contracts/Error.h"
#include "data/PostalSpellings.h"
#include "platform/PostalChoiceDialog.h"
#include "platform/PostalImport.h"
#include "platform/SqlPostalCodeManager.h"
#include "support/RecordingServices.h"
#include "support/TestDatabase.h"
#include <QBuffer>
#include <QFile>
#include <QTableWidget>

using namespace belegadressen;
using namespace batest;

namespace {

class PostalAddressTable : public OnEachEngine<> {
public:
    static void TearDownTestSuite() {
        for (auto& db : sLoaded)
            db.reset();
    }

protected:
    // One loaded directory per engine for the suite: the import is the slow part.
    // The real German list knows only places, so a few invented streets join it.
    TestDatabase& loaded() {
        auto& db = sLoaded[engine() == Engine::SQLite ? 0 : 1];
        if (db) return *db;
        db = std::make_unique<TestDatabase>(engine());
        for (const char* land : {"D", "A", "CH"}) {
            QFile file(
                QStringLiteral(BA_SOURCE_DIR "/data/") +
                (*land == 'D' ? "postal-de/D.tsv" : QString("postal-extract/%1.tsv").arg(land)));
            if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(land);
            QList<PostalEntry> entries = PostalImport::read(file);
            if (*land == 'D')
                entries += QList<PostalEntry>{{"31111", "Neustadt", "", "Marktplatz"},
                                              {"31112", "Neustadt", "", "Lindenweg"},
                                              {"70173", "Stuttgart", "", "Königstraße"},
                                              {"80331", "München", "", "Marienplatz"},
                                              {"10115", "Berlin", "", "Invalidenstraße"},
                                              {"68161", "Mannheim", "", "Q 7"}};
            const PostalImportCounts n = PostalImport::write(db->db(), land, entries);
            if (*land == 'D') {
                EXPECT_EQ(std::pair(n.codes, n.places), std::pair(8168 + 2, 12881 + 2))
                    << "31111 and 31112 are invented";
            }
        }
        return *db;
    }
    static inline std::unique_ptr<TestDatabase> sLoaded[2];
};

// Country;typed postal code;place;street;how the check runs (S: without a
// dialog, offline; O: online, without a dialog; D: with dialog, the first row
// taken; C: with dialog, cancelled; P: leaving the postal code, Suche_Ort);the
// result ("-" unconfirmed, else Plz|Ort|Strasse|Hausnummer, for P the place,
// confirmed, the code's places named and the place typed before a correction);
// the first row the dialog offered (its cells, the last saying what it
// changes);where given, the place typed before a correction.
const char* const kRows[] = {
    // The findings: a street of another code, a place of another code.
    "D;31111;Neustadt;Lindenweg 4;D;31112|Neustadt|Lindenweg 4|;31112|Neustadt|Lindenweg|PLZ",
    "D;31111;Neustadt;Lindenweg 4;O;-;",
    "D;31111;Neustadt;Lindenweg 4;S;-;",
    "D;31111;Neustadt;Lindenweg 4;C;-;31112|Neustadt|Lindenweg|PLZ",
    "D;31111;;Lindenweg 4;D;31112|Neustadt|Lindenweg 4|;31112|Neustadt|Lindenweg|PLZ",
    "D;31112;Neustadt;Lindenweg 4;S;31112|Neustadt|Lindenweg 4|;",
    "D;80331;Stuttgart;Königstraße 1;O;-;",
    "D;80331;Stuttgart;Königstraße 1;D;70173|Stuttgart|Königstraße "
    "1|;70173|Stuttgart|Königstraße|PLZ",
    "D;80331;Stuttgart;;S;-;",
    "D;80331;Stuttgart;;D;70173|Stuttgart||;70173|Stuttgart|PLZ",
    "D;10117;Berlin;Invalidenstraße 12;D;10115|Berlin|Invalidenstraße "
    "12|;10115|Berlin|Invalidenstraße|PLZ",
    "D;99999;Berlin;;D;10115|Berlin||;10115|Berlin|PLZ",
    "D;99999;;;D;-;",
    // Case, blanks, umlaut and ß spelling.
    "D;80331;münchen;;S;80331|München||;",
    "D;80331;MUENCHEN;;S;80331|München||;",
    "D;80331; München ;Marienplatz 1;S;80331|München|Marienplatz 1|;",
    "D;81675;Muenchen;;S;81675|München||;",
    "D;;muenchen;Marienplatz 1;S;80331|München|Marienplatz 1|;",
    "D;70173;Stuttgart;Königstr. 5;S;70173|Stuttgart|Königstraße 5|;",
    "D;70173;stuttgart;Koenigstrasse 5;S;70173|Stuttgart|Königstraße 5|;",
    "D;01067;dresden;Prager Straße 2;S;01067|Dresden|Prager Straße 2|;",
    "D;15230;Frankfurt Oder;;S;15230|Frankfurt (Oder)||;",
    "D;15230;Frankfurt/Oder;;S;15230|Frankfurt (Oder)||;",
    // A place that the typed one begins is a correction.
    "D;60311;Frankfurt;;D;60311|Frankfurt am Main||;60311|Frankfurt am Main|Ort",
    "D;60311;Frankfurt;;S;-;",
    "D;;Frankfurt;;D;15230|Frankfurt (Oder)||;15230|Frankfurt (Oder)|Ort",
    "D;06108;Halle;;D;06108|Halle (Saale)||;06108|Halle (Saale)|Ort",
    "D;23730;Neustadt;;D;23730|Neustadt in Holstein||;23730|Neustadt in Holstein|Ort",
    "D;23730;Neustadt in Holstein;;S;23730|Neustadt in Holstein||;",
    // Streets the directory cannot judge stay as typed.
    "D;70173;Stuttgart;Neue Gasse 3;S;70173|Stuttgart|Neue Gasse 3|;",
    "D;70173;Stuttgart;Lindenweg 4;S;70173|Stuttgart|Lindenweg 4|;",
    "D;70174;Stuttgart;;S;70174|Stuttgart||;",
    "D;10115;Berlin;Invalidenstraße 12;S;10115|Berlin|Invalidenstraße 12|;",
    // Squares and post-office boxes.
    "D;68161;Mannheim;Q 7, 24;S;68161|Mannheim|Q 7, 24|;",
    "D;68161;Mannheim;Postfach 1234;S;68161|Mannheim|Postfach 1234|;",
    // A postal code of several places.
    "D;56829;Pommern;;S;56829|Pommern||;",
    "D;56829;Kail ;;S;56829|Kail||;",
    "D;56829;;;S;-;",
    "D;56829;;;D;56829|Brieden||;56829|Brieden",
    // Online: street and house number apart.
    "D;20095;Hamburg;;O;20095|Hamburg||;",
    "D;80331;München;Marienplatz 8;O;80331|München|Marienplatz|8;",
    ";80331;München;;S;80331|München||;",
    // Austria.
    "A;1010;Wien;Kärntner Straße 12;S;1010|Wien|Kärntner Straße 12|;",
    "A;1010;Lausanne;;S;-;",
    "A;1070;Wien;Mariahilfer Straße 120;S;1070|Wien|Mariahilfer Straße 120|;",
    "A;1060;Wien;Mariahilfer Straße 7/TOP 14;S;1060|Wien|Mariahilfer Straße 7/TOP 14|;",
    "A;1010;Wien;Graben 7, Stiege 2, Top 14;S;1010|Wien|Graben 7, Stiege 2, Top 14|;",
    "A;1030;Wien;Mariahilfer Straße 7;D;1060|Wien|Mariahilfer Straße 7|;1060|Wien|Mariahilfer "
    "Straße|PLZ",
    "A;2700;Wiener Neustadt;;S;2700|Wiener Neustadt||;",
    "A;;Wiener;;D;2700|Wiener Neustadt||;2700|Wiener Neustadt|Ort",
    "A;3100;St. Pölten;;S;3100|St. Pölten||;",
    "A;3100;st poelten;;S;3100|St. Pölten||;",
    "A;5020;Salzburg;Getreidegasse 9;O;5020|Salzburg|Getreidegasse|9;",
    "A;8010;Graz;Annenstraße 10 Whg. 3;S;8010|Graz|Annenstraße 10 Whg. 3|;",
    "A;9020;Klagenfurt;;D;9020|Klagenfurt am Wörthersee||;9020|Klagenfurt am Wörthersee|Ort",
    // Switzerland.
    "CH;1010;Lausanne;;S;1010|Lausanne||;",
    "CH;1010;Wien;;D;1010|Lausanne||;1010|Lausanne|Ort",
    "CH;8001;Zürich;Bahnhofstrasse 12;S;8001|Zürich|Bahnhofstrasse 12|;",
    "CH;8001;Zuerich;Bahnhofstr. 12;S;8001|Zürich|Bahnhofstrasse 12|;",
    "CH;8002;Zürich;Bahnhofstrasse 12;D;8001|Zürich|Bahnhofstrasse "
    "12|;8001|Zürich|Bahnhofstrasse|PLZ",
    "CH;8002;Zürich;Bahnhofstrasse 12;O;-;",
    "CH;1201;Geneve;;S;1201|Genève||;",
    "CH;2502;Biel;;D;2502|Biel/Bienne||;2502|Biel/Bienne|Ort",
    "CH;9000;St. Gallen;;S;9000|St. Gallen||;",
    "CH;3011;Bern;Marktgasse 12 a-c;S;3011|Bern|Marktgasse 12 a-c|;",
    "CH;4051;Basel;Steinenvorstadt 12 u. 14;S;4051|Basel|Steinenvorstadt 12 u. 14|;",
    "CH;;Lausanne;;D;1003|Lausanne||;1003|Lausanne",
    "CH;;Lausanne;;S;-;",
    "CH;6003;Luzern;Postfach 1234;S;6003|Luzern|Postfach 1234|;",
    // A misspelt place of a one-place code is corrected without a dialog, on
    // every street; a typed town of its own is offered.
    "D;80331;Müchen;Marienplatz 8;D;80331|München|Marienplatz 8|;;Müchen",
    "D;80331;Münhcen;;S;80331|München||;;Münhcen",
    "D;10115;Berln;Invalidenstraße 1;S;10115|Berlin|Invalidenstraße 1|;;Berln",
    "D;01471;Radeberg;;D;01454|Radeberg||;01454|Radeberg|PLZ;",
    "D;01471;Radeberg;;S;-;;",
    "D;80331;Mchn;;S;-;;",
    // Leaving a postal code: a place of the code, its first word or its
    // misspelling (unless that is a town too) is confirmed; any other typed
    // place is kept, with the code's places named beside it.
    "D;56829;Kail;;P;Kail|1||;",
    "D;56829;kail;;P;Kail|1||;",
    "D;56829;Stuttgart;;P;|0|Brieden/Kail/Pommern|;",
    "D;56829;;;P;|0||;",
    "D;80331;Stuttgart;;P;|0|München|;",
    "D;80331;Muenchen;;P;München|1||;",
    "D;80331;Müchen;;P;München|1||Müchen;",
    "D;80331;Mnchen;;P;München|1||Mnchen;",
    "D;80331;Mümchen;;P;München|1||Mümchen;",
    "D;10115;Berlni;;P;Berlin|1||Berlni;",
    "D;01471;Radeberg;;P;|0|Radeburg|;",
    "D;60311;Frankfurt;;P;Frankfurt am Main|1||;",
    "D;60311;Frankfurt a. M.;;P;Frankfurt am Main|1||Frankfurt a. M.;",
    "D;66386;St. Ingbert;;P;Sankt Ingbert|1||St. Ingbert;",
    "D;66386;St. Ingbrt;;P;|0|Sankt Ingbert|;",
    "D;23730;Neustadt;;P;Neustadt in Holstein|1||;",
    "D;23730;Neustadt in Holstien;;P;|0|Altenkrempe/Neustadt in Holstein/Schashagen/Sierksdorf|;",
    "D;26789;Lera;;P;|0|Leer|;",
    "D;41061;Mönchengldbch;;P;Mönchengladbach|1||Mönchengldbch;",
    "A;1010;;;P;Wien|1||;",
    "CH;1010;;;P;Lausanne|1||;",
    "D;99999;Berlin;;P;|0||;",
};

TEST_P(PostalAddressTable, EveryLineComesOutAsExpected) {
    TestDatabase& db = loaded();
    for (const char* row : kRows) {
        SCOPED_TRACE(row);
        const QStringList r = QString::fromUtf8(row).split(';');
        const QString& mode = r[4];
        auto runner = std::make_shared<ScriptedDialogRunner>();
        QString offered;
        runner->script = [&](QDialog& dialog) {
            auto* table = dialog.findChild<QTableWidget*>("tblTreffer");
            QStringList cells;
            for (int c = 0; table && c < table->columnCount(); ++c)
                cells << table->item(0, c)->text();
            offered = cells.join('|');
            return int(mode == "C" ? QDialog::Rejected : QDialog::Accepted);
        };
        SqlPostalCodeManager manager(runner);
        manager.Init(nullptr, QString(), db.connection(), false);
        manager.setOnline(mode == "O");
        manager.setAnschrift(r[0], r[2]);
        QStringList got;
        if (mode == "P") {
            const QString place = manager.Suche_Ort(r[1]);
            got << QStringList({place, QString::number(manager.Geprueft()),
                                manager.OrteDerPlz().join('/'), manager.OrtVorKorrektur()})
                       .join('|');
        } else {
            manager.Suche_Plz(r[1], r[2], r[3], mode == "D" || mode == "C");
            got << (manager.Geprueft() ? QStringList({manager.Plz(), manager.Ort(),
                                                      manager.Strasse(), manager.Hausnummer()})
                                             .join('|')
                                       : QStringLiteral("-"));
        }
        got << offered;
        if (r.size() > 7) { // a correction comes without a message or another dialog
            got << manager.OrtVorKorrektur();
            EXPECT_TRUE(runner->informations.isEmpty());
            EXPECT_EQ(runner->shown.size(), offered.isEmpty() ? 0 : 1);
        }
        EXPECT_EQ(got, r.mid(5));
        // Without a dialog nothing is shown, not even a message.
        if (mode != "D" && mode != "C") {
            EXPECT_TRUE(runner->shown.isEmpty() && runner->informations.isEmpty());
        }
    }
}

// The user is asked once per value; a search the user starts asks again.
TEST_P(PostalAddressTable, AnswersAreRememberedUntilTheUserSearches) {
    TestDatabase& db = loaded();
    auto runner = std::make_shared<ScriptedDialogRunner>();
    SqlPostalCodeManager manager(runner);
    manager.Init(nullptr, QString(), db.connection(), false);
    const auto check = [&] { manager.Suche_Plz("31111", "Neustadt", "Lindenweg 4"); };
    check();
    check();
    EXPECT_EQ(runner->shown.size(), 1) << "cancelled once, not asked again";
    EXPECT_FALSE(manager.Geprueft());
    manager.neueSuche();
    runner->script = [](QDialog&) { return int(QDialog::Accepted); };
    check();
    EXPECT_EQ(runner->shown.size(), 2);
    ASSERT_TRUE(manager.Geprueft());
    // The corrected address on the next departure: confirmed without asking.
    manager.Suche_Plz(manager.Plz(), manager.Ort(), manager.Strasse());
    EXPECT_EQ(runner->shown.size(), 2);
    EXPECT_TRUE(runner->informations.isEmpty());
    EXPECT_EQ(manager.Plz(), "31112");

    // A misspelling corrected: the answer asked again is no correction.
    manager.Suche_Plz("80331", "Müchen", "", false);
    EXPECT_EQ(manager.OrtVorKorrektur(), "Müchen");
    manager.Suche_Plz("80331", "München", "", false);
    EXPECT_TRUE(manager.Geprueft());
    EXPECT_EQ(manager.OrtVorKorrektur(), "");
}

// Rows a host wrote by plain SQL lack the search spellings: they confirm
// nothing, not even by their code, until fillPostalSpellings has run.
TEST_P(PostalAddressTable, RowsAHostWroteConfirmOnlyWithTheirSpellings) {
    TestDatabase db(engine());
    db.exec("insert into Postleitzahlen (Land, Plz, Ort, Strasse) values ('D', '31111', "
            "'Neustadt', 'Marktplatz'), ('D', '31112', 'Neustadt', 'Lindenweg'), ('D', '31112', "
            "'Neustadt', 'Am Hang'), ('D', '80331', 'München', null)");
    auto runner = std::make_shared<ScriptedDialogRunner>();
    runner->script = [](QDialog&) { return int(QDialog::Accepted); };
    SqlPostalCodeManager manager(runner);
    manager.Init(nullptr, QString(), db.connection(), false);
    // postal code;place;street;with dialog: the result ("-" unconfirmed), before and after
    const auto check = [&](const QString& plz, const QString& ort, const QString& strasse,
                           bool mitdialog) {
        manager.neueSuche();
        manager.setAnschrift("D", ort);
        manager.Suche_Plz(plz, ort, strasse, mitdialog);
        return manager.Geprueft() ? manager.Plz() + "|" + manager.Ort() + "|" + manager.Strasse()
                                  : QStringLiteral("-");
    };
    const auto place = [&](const QString& plz) {
        manager.setAnschrift("D", QString());
        return manager.Suche_Ort(plz);
    };
    EXPECT_EQ(check("31111", "Neustadt", "Lindenweg 4", false), "-")
        << "the street of the other code is not confirmed";
    EXPECT_EQ(check("31111", "", "Lindenweg 4", true), "-");
    EXPECT_EQ(check("80331", "München", "", true), "-");
    EXPECT_EQ(place("80331"), "");

    const int shownBefore = int(runner->shown.size());
    EXPECT_EQ(fillPostalSpellings(*db.connection()), 4);
    EXPECT_EQ(fillPostalSpellings(*db.connection()), 0) << "nothing left to fill";
    EXPECT_EQ(db.rows("select Strasse, StrasseSuche, OrtWort from Postleitzahlen where Plz = "
                      "'31112' order by Strasse"),
              QStringList({"Am Hang|am hang|neustadt", "Lindenweg|lindenweg|neustadt"}));
    EXPECT_EQ(check("31111", "Neustadt", "Lindenweg 4", false), "-");
    EXPECT_EQ(check("31111", "Neustadt", "Lindenweg 4", true), "31112|Neustadt|Lindenweg 4");
    EXPECT_EQ(check("31112", "neustadt", "Lindenweg 4", false), "31112|Neustadt|Lindenweg 4");
    EXPECT_EQ(check("80331", "Müchen", "", false), "80331|München|");
    EXPECT_EQ(place("80331"), "München");
    EXPECT_EQ(runner->shown.size(), shownBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(, PostalAddressTable, engines(), EngineName());

// A file in the import format: what is refused, with the line it names and a
// short, printable excerpt: the message must neither end at a NUL nor echo a
// field of a megabyte.
TEST(PostalImportFormat, RefusesUnusableLinesWithTheirNumber) {
    const QByteArray huge(1 << 20, 'x');
    const QByteArray rows[][2] = {
        {"# Kopf\n\n80331\tMünchen\n1010\tWien\tInnere Stadt\tGraben\r\n", ""},
        {"80331\n", "Zeile 1: Erwartet werden Postleitzahl und Ort"},
        {"80331\tMünchen\n\t\n12 345 678 90\tX\n", "Zeile 3: „12 345 678 90“ ist keine"},
        {"80331\t \n", "Zeile 1: Der Ort fehlt."},
        {"1\t2\t3\t4\t5\n", "Zeile 1: Erwartet"},
        {"80331\tMünchen\n1010\tWien\t\tGraben\xfc\n", "Zeile 2: Die Zeile ist kein UTF-8-Text"},
        // Each line end counts once, whichever the file uses.
        {"80331\tMünchen\r1010\tWien\r", ""},
        {"80331\tMünchen\r\n\r\n1010\tWien\r\n", ""},
        {"\xef\xbb\xbf"
         "80331\tMünchen\r\r1010\tWien",
         ""},
        {"80331\tMünchen\r\rX\r", "Zeile 3: Erwartet"},
        // Control and format characters, also where trimming would hide them.
        {"80331\tMünchen\n1010\tWien\x1b[31m\n",
         "Zeile 2: Die Zeile enthält das Steuerzeichen U+001B"},
        {"80331\tMünchen\x07\n", "Zeile 1: Die Zeile enthält das Steuerzeichen U+0007"},
        {"80331\tM\xe2\x80\xaehcnen\n", "Steuerzeichen U+202E: „80331\tM<U+202E>hcnen“"},
        {"80331\tMünchen\xe2\x80\xa8\n", "Zeile 1: Die Zeile enthält das Steuerzeichen U+2028"},
        {"80331\tMünchen\n\xe2\x80\xa9\n", "Zeile 2: Die Zeile enthält das Steuerzeichen U+2029"},
        {"80331\tMünchen\x0b\n", "Steuerzeichen U+000B"},
        {"# Kopf\n80331\tM\xc2\x85\n", "Zeile 2: Die Zeile enthält das Steuerzeichen U+0085"},
        {QByteArray("80331\tMünchen\n1011") + '\0' + "5\tWien\n",
         "Zeile 2: Die Zeile enthält das Steuerzeichen U+0000: „1011<U+0000>5\tWien“"},
        {"80331\tMünchen\n" + huge + "\tWien\n",
         "Zeile 2: Postleitzahl ist mit 1048576 Zeichen zu lang (höchstens 200): "
         "„xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…“"},
        {"80331\tMünchen\t\t" + huge + "\n", "Zeile 1: Straße ist mit 1048576 Zeichen zu lang"},
        {"80331\t" + huge + "\xff\n", "Zeile 1: Die Zeile ist kein UTF-8-Text: „80331\txxxxxxxxxx"},
    };
    for (const auto& [bytes, expected] : rows) {
        SCOPED_TRACE(bytes.left(80).toStdString());
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QString refusal = "read";
        try {
            if (PostalImport::read(buffer).size() != 2) refusal = "not two entries";
        } catch (const Error& e) {
            refusal = e.text();
        }
        const QString part = QString::fromUtf8(expected);
        if (part.isEmpty()) {
            EXPECT_EQ(refusal, "read");
            continue;
        }
        EXPECT_TRUE(part.startsWith("Zeile") ? refusal.startsWith(part) : refusal.contains(part))
            << refusal.left(300).toStdString();
        EXPECT_LT(refusal.size(), 200);
        EXPECT_FALSE(refusal.contains(QChar(0)));
    }
}

// An import that would write nothing, into a country the address field does
// not offer, or that the engine refuses part way changes nothing: the
// country's former rows stay, other countries are untouched. An entry given
// twice is written once.
TEST_P(PostalAddressTable, AFailedOrRefusedImportKeepsTheFormerRows) {
    TestDatabase db(engine());
    PostalImport::write(db.db(), "A", {{"1010", "Wien", "", ""}});
    PostalImport::write(db.db(), "CH", {{"1010", "Lausanne", "", ""}});
    const auto refusal = [&](const QString& land, const QList<PostalEntry>& entries) {
        try {
            PostalImport::write(db.db(), land, entries);
        } catch (const Error& e) {
            return e.text();
        }
        return QStringLiteral("written");
    };
    const QList<PostalEntry> one = {{"8010", "Graz", "", ""}};
    EXPECT_EQ(refusal("A", {}),
              "Die Datei enthält keine Einträge; die Postleitzahlen von A bleiben unverändert.");
    EXPECT_EQ(
        refusal("DE\n", one),
        "„DE<U+000A>“ ist kein Länderkennzeichen des Feldes Land (D, F, A, B, CH, DK, L, NL).");
    for (const char* land : {"XYZ", "DE", "a", " A", "A\n", "AT", "a'"})
        EXPECT_TRUE(refusal(land, one).contains("ist kein Länderkennzeichen")) << land;
    // The engine refuses a row in the middle of the import: the second of code 0000.
    db.exec("create unique index refuse on Postleitzahlen (Plz) where Plz = '0000'");
    QList<PostalEntry> rows;
    for (int i = 0; i < 450; ++i)
        rows.append({QString::number(1100 + i), "Wien", "", ""});
    rows.append({"0000", "Nirgends", "", ""});
    rows.append({"0000", "Anderswo", "", ""});
    EXPECT_TRUE(refusal("A", rows).startsWith("Postleitzahlen nicht geschrieben: "));
    EXPECT_NE(refusal("A", {{"", "Wien", "", ""}}), "written");
    EXPECT_EQ(db.rows("select Land, Plz, Ort, OrtWort from Postleitzahlen order by Land"),
              QStringList({"A|1010|Wien|wien", "CH|1010|Lausanne|lausanne"}));

    const PostalImportCounts n = PostalImport::write(db.db(), "A",
                                                     {{"1010", "Wien", "", ""},
                                                      {"8010", "Graz", "", ""},
                                                      {"1010", "Wien", "", ""},
                                                      {"1010", "Wien", "Innere Stadt", ""},
                                                      {"8010", "Graz", "", ""}});
    EXPECT_EQ(std::tuple(n.rows, n.duplicates, n.codes, n.places), std::tuple(3, 2, 2, 2));
    EXPECT_EQ(db.rows("select count(*) from Postleitzahlen where Land = 'A'"), QStringList({"3"}));
}

} // namespace
