// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// How often the postal check ends right, over the shipped German directory:
// address lines with one error each, put into the real control as a user
// would (typing and leaving a field, the search button), every choice dialog
// answered with its first row. Prints one table row per path; no timings.
//
//   belegadressen-postal-quality [lines per path, 2000 unless given]
#include "QuietOffscreen.h"
#include "contracts/DialogRunner.h"
#include "contracts/MessageService.h"
#include "control/BelegAdressen.h"
#include "data/PostalSpellings.h"
#include "data/SqlConnection.h"
#include "platform/PostalImport.h"
#include "platform/PostalSpelling.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <random>

namespace ba = belegadressen;

namespace {

// Choice dialogs taken with their first row, counted; confirmation boxes counted.
struct CountingDialogs final : ba::DialogRunner {
    int exec(QDialog&) override {
        ++shown;
        return QDialog::Accepted;
    }
    void information(const QString&, const QString& text) override {
        ++boxes;
        confirmed = confirmed || text.endsWith(QStringLiteral("ist geprüft."));
    }
    int shown = 0, boxes = 0;
    bool confirmed = false; // a box said the address is checked
};

struct QuietMessages final : ba::MessageService {
    void Meldung(const QVariant&, qint16, const QString&, qint32) override {}
    void Fehlermeldung(const QString&, const QString&, qint32, const QString&, bool) override {}
};

// The directory: its pairs, the places of each code, the codes of each place.
struct Directory {
    QList<ba::PostalEntry> pairs;
    QHash<QString, QStringList> placesOfCode;
    QSet<QString> pairSet; // "code\tplace"
    bool has(const QString& plz, const QString& ort) const {
        return pairSet.contains(plz + QLatin1Char('\t') + ort);
    }
};

QSqlDatabase openDirectory(const QString& name) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QStringLiteral(":memory:"));
    db.open();
    QSqlQuery q(db);
    q.exec(QStringLiteral("CREATE TABLE Postleitzahlen (Land VARCHAR(3) NOT NULL DEFAULT 'D', Plz "
                          "VARCHAR(10) NOT NULL, Ort TEXT NOT NULL, Ortsteil TEXT, Strasse TEXT, "
                          "OrtWort TEXT, StrasseSuche TEXT)"));
    q.exec(QStringLiteral(
        "CREATE INDEX ix_postleitzahlen_plz ON Postleitzahlen (Land, Plz, Ort, Strasse)"));
    q.exec(QStringLiteral(
        "CREATE INDEX ix_postleitzahlen_ort ON Postleitzahlen (Land, OrtWort, StrasseSuche)"));
    return db;
}

// One error of a kind a clerk makes: a letter dropped, added, changed, or
// two neighbours swapped; never a text of the same search spelling.
QString slip(const QString& place, std::mt19937& rng) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QString s = place;
        const int kind = int(rng() % 4);
        const qsizetype at = qsizetype(rng() % quint32(s.size()));
        const QChar letter = QChar(u'a' + int(rng() % 26));
        if (kind == 0 && s.size() > 3) s.remove(at, 1);
        if (kind == 1) s.insert(at + 1, letter);
        if (kind == 2 && s.at(at).isLetter()) s[at] = letter;
        if (kind == 3 && at + 1 < s.size()) std::swap(s[at], s[at + 1]);
        if (s.at(0).isLetter()) s[0] = s.at(0).toUpper();
        if (ba::searchSpelling(s) != ba::searchSpelling(place)) return s;
    }
    return {};
}

// The short forms clerks write for the long words of a place name.
QString shortForm(const QString& place) {
    static const std::pair<const char*, const char*> forms[] = {
        {"Sankt ", "St. "}, {" am ", " a. "}, {" an der ", " a. d. "}, {" in der ", " i. d. "},
        {" in ", " i. "},   {" im ", " i. "}, {" bei ", " b. "},       {" ob der ", " o. d. "}};
    for (const auto& [from, to] : forms)
        if (place.contains(QString::fromUtf8(from)))
            return QString(place).replace(QString::fromUtf8(from), QString::fromUtf8(to));
    return {};
}

struct Line {
    QString plz, typedPlace, street;
    QString intended;  // the town the user means
    QString plzBefore; // the code field before the user types the code
};

struct Outcome {
    int lines = 0, right = 0, offered = 0, corrected = 0, marked = 0, wrongPairs = 0, moved = 0;
};

class Bench {
public:
    Bench(std::shared_ptr<ba::Connection> connection, const Directory& directory)
        : mDirectory(directory), mDialogs(std::make_shared<CountingDialogs>()) {
        ba::Services s;
        s.dialogs = mDialogs;
        s.messages = std::make_shared<QuietMessages>();
        mControl.setServices(s);
        mControl.setAnzAdresse(1);
        mControl.SetzeAnzSeiten(1, 1);
        mControl.setAktAdresse(1);
        mControl.AddMitPostleitzahl(QStringLiteral("1"), nullptr, QString(), connection, false);
        mControl.AddMitPostleitzahlOnline(QStringLiteral("0"));
        mControl.show();
        QApplication::setActiveWindow(&mControl);
        mControl.activateWindow();
        (void)QTest::qWaitForWindowActive(&mControl);
        mPlz = mControl.findChild<QLineEdit*>(QStringLiteral("txtDPostleitzahl"));
        mOrt = mControl.findChild<QLineEdit*>(QStringLiteral("txtDAdr_6"));
        mStrasse = mControl.findChild<QLineEdit*>(QStringLiteral("txtDAdr_5"));
        mName = mControl.findChild<QLineEdit*>(QStringLiteral("txtDAdr_1"));
        mButton = mControl.findChild<QToolButton*>(QStringLiteral("btnPlz"));
    }

    enum class Action { Button, LeaveCode, LeaveCodeTwice, LeavePlace };
    // What ends right: the intended place with a code it has; the typed
    // place kept beside the foreign code and marked; the code's one place
    // (or the typed place when it has several); nothing written or confirmed.
    enum class Right { IntendedPair, KeptAndMarked, PlaceOfCode, Unconfirmed };

    Outcome run(const QList<Line>& lines, Action action, Right right) {
        Outcome o;
        for (const Line& l : lines) {
            focus(mName);
            mPlz->clear();
            mOrt->clear();
            mPlz->setText(action == Action::LeaveCode || action == Action::LeaveCodeTwice
                              ? l.plzBefore
                              : l.plz);
            mOrt->setText(l.typedPlace);
            mStrasse->setText(l.street);
            const int shownBefore = mDialogs->shown;
            mDialogs->confirmed = false;
            switch (action) {
            case Action::Button:
                mButton->click();
                break;
            case Action::LeaveCode:
            case Action::LeaveCodeTwice:
                for (int pass = 0; pass < (action == Action::LeaveCode ? 1 : 2); ++pass) {
                    focus(mPlz);
                    mPlz->setText(l.plz);
                    focus(mStrasse);
                }
                break;
            case Action::LeavePlace:
                // The place typed anew, then left.
                focus(mOrt);
                mOrt->clear();
                mOrt->insert(l.typedPlace);
                focus(mStrasse);
                break;
            }
            const QString plz = mPlz->text(), ort = mOrt->text();
            const bool dialog = mDialogs->shown > shownBefore;
            auto* sign = mOrt->findChild<QAction*>(QStringLiteral("actOrtPruefung"));
            const bool marked = sign && sign->isVisible();
            const bool changed = plz != l.plz || ort != l.typedPlace;
            const bool intended = ba::searchSpelling(ort) == ba::searchSpelling(l.intended) &&
                                  mDirectory.has(plz, ort);
            bool ok = false;
            if (right == Right::IntendedPair) ok = intended;
            if (right == Right::KeptAndMarked) ok = ort == l.typedPlace && marked;
            if (right == Right::Unconfirmed)
                ok = !changed && !mDialogs->confirmed && mDialogs->shown == shownBefore;
            if (right == Right::PlaceOfCode) {
                const QStringList places = mDirectory.placesOfCode.value(l.plz);
                ok = places.size() == 1 ? ort == places[0] : ort == l.typedPlace;
            }
            ++o.lines;
            o.right += ok;
            o.offered += dialog;
            o.corrected += ok && !dialog && !l.typedPlace.isEmpty() && ort != l.typedPlace;
            o.marked += marked;
            o.wrongPairs += (changed || mDialogs->confirmed) && !mDirectory.has(plz, ort);
            o.moved += !dialog && !l.typedPlace.isEmpty() && ort != l.typedPlace &&
                       ba::searchSpelling(ort) != ba::searchSpelling(l.intended);
        }
        return o;
    }

private:
    void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    const Directory& mDirectory;
    std::shared_ptr<CountingDialogs> mDialogs;
    ba::BelegAdressen mControl;
    QLineEdit *mPlz = nullptr, *mOrt = nullptr, *mStrasse = nullptr, *mName = nullptr;
    QToolButton* mButton = nullptr;
};

void print(const char* path, const Outcome& o) {
    const auto pct = [&o](int n) { return o.lines ? 100.0 * n / o.lines : 0.0; };
    std::printf("| %s | %d | %d (%.1f %%) | %d | %d (%.1f %%) | %d | %d | %d |\n", path, o.lines,
                o.right, pct(o.right), o.offered, o.corrected, pct(o.corrected), o.marked,
                o.wrongPairs, o.moved);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ba::installQuietOffscreen();
    QApplication app(argc, argv);
    const int perPath = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;

    QFile file(QStringLiteral(BA_POSTAL_DE));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s fehlt\n", BA_POSTAL_DE);
        return 1;
    }
    Directory dir;
    dir.pairs = ba::PostalImport::read(file);
    for (const ba::PostalEntry& e : dir.pairs) {
        dir.placesOfCode[e.plz] << e.ort;
        dir.pairSet.insert(e.plz + QLatin1Char('\t') + e.ort);
    }
    QSqlDatabase db = openDirectory(QStringLiteral("directory"));
    ba::PostalImport::write(db, QStringLiteral("D"), dir.pairs);
    auto connection = std::make_shared<ba::SqlConnection>(db);

    std::mt19937 rng(30);
    const auto pick = [&] { return dir.pairs[qsizetype(rng() % quint32(dir.pairs.size()))]; };
    const auto foreignCode = [&](const QString& place) {
        for (;;) {
            const ba::PostalEntry other = pick();
            bool foreign = true;
            for (const QString& p : dir.placesOfCode[other.plz])
                foreign = foreign && ba::searchSpelling(p) != ba::searchSpelling(place) &&
                          !ba::placeBegins(p, place);
            if (foreign) return other.plz;
        }
    };
    // Lines of each kind, drawn once so that every path sees the same ones.
    QList<Line> typos, foreign, empty, shortForms;
    while (typos.size() < perPath) {
        const ba::PostalEntry e = pick();
        if (dir.placesOfCode[e.plz].size() != 1) continue;
        const QString typed = slip(e.ort, rng);
        if (!typed.isEmpty()) typos.append({e.plz, typed, QString(), e.ort, QString()});
    }
    while (foreign.size() < perPath) {
        const ba::PostalEntry e = pick();
        foreign.append({foreignCode(e.ort), e.ort, QString(), e.ort, e.plz});
    }
    while (empty.size() < perPath) {
        const ba::PostalEntry e = pick();
        empty.append({e.plz, QString(), QString(), e.ort, QString()});
    }
    QList<ba::PostalEntry> longNames;
    for (const ba::PostalEntry& e : dir.pairs)
        if (!shortForm(e.ort).isEmpty()) longNames << e;
    for (int i = 0; i < perPath && !longNames.isEmpty(); ++i) {
        const ba::PostalEntry& e = longNames[qsizetype(rng() % quint32(longNames.size()))];
        shortForms.append({e.plz, shortForm(e.ort), QString(), e.ort, QString()});
    }
    QList<Line> typosLeavingCode = typos;
    for (Line& l : typosLeavingCode)
        l.plzBefore = foreignCode(l.intended);

    std::printf("| Weg | Zeilen | richtig | angeboten | ohne Dialog berichtigt | markiert | "
                "falsche Paare | Orte still verschoben |\n|---|---|---|---|---|---|---|---|\n");
    Bench b(connection, dir);
    using A = Bench::Action;
    using R = Bench::Right;
    print("Suchknopf: Ort vertippt", b.run(typos, A::Button, R::IntendedPair));
    print("Suchknopf: PLZ eines anderen Orts", b.run(foreign, A::Button, R::IntendedPair));
    print("Suchknopf: Kurzform", b.run(shortForms, A::Button, R::IntendedPair));
    print("PLZ verlassen: Ort eines anderen Orts", b.run(foreign, A::LeaveCode, R::KeptAndMarked));
    print("PLZ zweimal verlassen: Ort eines anderen Orts",
          b.run(foreign, A::LeaveCodeTwice, R::KeptAndMarked));
    print("PLZ verlassen: Ort leer", b.run(empty, A::LeaveCode, R::PlaceOfCode));
    print("PLZ verlassen: Ort vertippt", b.run(typosLeavingCode, A::LeaveCode, R::IntendedPair));
    print("PLZ verlassen: Kurzform", b.run(shortForms, A::LeaveCode, R::IntendedPair));
    print("Ort verlassen: Ort vertippt", b.run(typos, A::LeavePlace, R::IntendedPair));

    // Rows a host wrote by plain SQL: two codes of one place, a street each;
    // the street of the other code typed, the place left.
    QSqlDatabase own = openDirectory(QStringLiteral("host"));
    QHash<QString, QStringList> codesOfPlace;
    for (const ba::PostalEntry& e : dir.pairs)
        codesOfPlace[e.ort] << e.plz;
    QList<Line> hostLines;
    QSqlQuery insert(own);
    for (auto it = codesOfPlace.begin(); it != codesOfPlace.end() && hostLines.size() < perPath;
         ++it) {
        if (it.value().size() < 2) continue;
        const QString a = it.value()[0], b2 = it.value()[1];
        insert.prepare(QStringLiteral(
            "INSERT INTO Postleitzahlen (Land, Plz, Ort, Strasse) VALUES ('D', ?, ?, ?)"));
        for (const auto& [code, street] : {std::pair{a, QStringLiteral("Marktplatz")},
                                           std::pair{b2, QStringLiteral("Lindenweg")}}) {
            insert.addBindValue(code);
            insert.addBindValue(it.key());
            insert.addBindValue(street);
            insert.exec();
        }
        hostLines.append({a, it.key(), QStringLiteral("Lindenweg 4"), it.key(), QString()});
    }
    auto ownConnection = std::make_shared<ba::SqlConnection>(own);
    // Right pairs here: the place with the code of the typed street.
    Directory hostDir;
    for (const Line& l : hostLines)
        hostDir.pairSet.insert(codesOfPlace[l.intended][1] + QLatin1Char('\t') + l.intended);
    {
        Bench before(ownConnection, hostDir);
        print("Host-Zeilen ohne Suchschreibweisen: Straße des anderen Codes, Ort verlassen",
              before.run(hostLines, A::LeavePlace, R::Unconfirmed));
    }
    ba::fillPostalSpellings(*ownConnection);
    {
        Bench after(ownConnection, hostDir);
        print("Host-Zeilen nach fillPostalSpellings: dasselbe",
              after.run(hostLines, A::LeavePlace, R::IntendedPair));
    }
    return 0;
}
