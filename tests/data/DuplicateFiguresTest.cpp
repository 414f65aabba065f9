// Precision and recall of the duplicate hint on the two labelled sets: every
// stored address in a real database, each typed one through the real lookup,
// so that a duplicate the candidate statement never fetches counts as missed.
// BA_DUPLICATE_MISSES=1 prints every pair judged wrong.
#include "DuplicatePairs.h"
#include "data/DuplicateHint.h"
#include "data/DuplicateLookup.h"
#include "platform/SqlText.h"
#include "support/TestDatabase.h"
#include <QElapsedTimer>
#include <map>

using namespace belegadressen;
using namespace batest;

namespace {

struct Figures {
    int truePositives = 0, falsePositives = 0, falseNegatives = 0, pairs = 0;
    std::map<std::string, std::pair<int, int>> byKind; // kind: right, all
    double precision() const {
        return truePositives + falsePositives == 0
                   ? 1.0
                   : double(truePositives) / double(truePositives + falsePositives);
    }
    double recall() const {
        return truePositives + falseNegatives == 0
                   ? 1.0
                   : double(truePositives) / double(truePositives + falseNegatives);
    }
};

QString number(size_t i) { return QStringLiteral("P%1").arg(i, 5, 10, QLatin1Char('0')); }

// Even pairs go to the customers, odd ones to the general addresses; rows
// keyed afterwards, as a host keys rows that another program wrote.
void store(TestDatabase& db, const std::vector<LabelledPair>& pairs) {
    for (int table = 0; table < 2; ++table) {
        QStringList rows;
        for (size_t i = size_t(table); i < pairs.size(); i += 2) {
            const PartyAddress& s = pairs[i].stored;
            rows << QStringLiteral("(%1, %2, %3, %4, %5, %6)")
                        .arg(quoted(number(i)), quoted(s.vorname), quoted(s.bez1),
                             quoted(s.strasse), quoted(s.plz), quoted(s.ort));
        }
        for (qsizetype at = 0; at < rows.size(); at += 250)
            db.exec((table == 0 ? QStringLiteral("INSERT INTO Kundenstamm (Kundennummer")
                                : QStringLiteral("INSERT INTO Adressenstamm (AdressNummer")) +
                    QStringLiteral(", Vorname, Bez1, Straße, PLZ, Ort) VALUES ") +
                    rows.mid(at, 250).join(QStringLiteral(", ")));
    }
    fillDuplicateKeys(*db.connection());
}

Figures measure(const std::vector<LabelledPair>& pairs) {
    TestDatabase db(Engine::SQLite);
    store(db, pairs);
    Figures f;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const LabelledPair& p = pairs[i];
        const DuplicateSource source =
            i % 2 == 0 ? DuplicateSource::Kunde : DuplicateSource::Adresse;
        const std::vector<DuplicateCandidate> found = findDuplicates(*db.connection(), p.typed);
        bool shown = false;
        for (size_t k = 0; k < found.size() && k < size_t(DuplicateHint::kMaxEntries); ++k)
            shown = shown || (found[k].source == source && found[k].nummer == number(i));
        ++f.pairs;
        if (shown && p.same) ++f.truePositives;
        if (shown && !p.same) ++f.falsePositives;
        if (!shown && p.same) ++f.falseNegatives;
        if (shown != p.same && qEnvironmentVariableIsSet("BA_DUPLICATE_MISSES"))
            std::printf(
                "%s %s: %s | %s | %s %s  <->  %s | %s | %s %s\n", p.same ? "missed" : "false hint",
                p.kind, qPrintable(p.typed.vorname + ' ' + p.typed.bez1),
                qPrintable(p.typed.strasse), qPrintable(p.typed.plz), qPrintable(p.typed.ort),
                qPrintable(p.stored.vorname + ' ' + p.stored.bez1), qPrintable(p.stored.strasse),
                qPrintable(p.stored.plz), qPrintable(p.stored.ort));
        auto& k = f.byKind[p.kind];
        k.first += shown == p.same ? 1 : 0;
        ++k.second;
    }
    return f;
}

void report(const char* name, const Figures& f) {
    std::printf("%s: %d pairs, precision %.3f, recall %.3f (tp %d, fp %d, fn %d)\n", name, f.pairs,
                f.precision(), f.recall(), f.truePositives, f.falsePositives, f.falseNegatives);
    for (const auto& [kind, counts] : f.byKind)
        std::printf("   %-26s %4d of %4d right\n", kind.c_str(), counts.first, counts.second);
}

TEST(DuplicateFigures, TuningSetReachesTheGoal) {
    const std::vector<LabelledPair> pairs = tuningPairs();
    ASSERT_GE(pairs.size(), 1000u);
    const Figures f = measure(pairs);
    report("tuning set", f);
    EXPECT_GE(f.precision(), 0.95);
    EXPECT_GE(f.recall(), 0.95);
}

TEST(DuplicateFigures, FrozenSetReachesTheGoal) {
    const std::vector<LabelledPair> pairs = frozenPairs();
    ASSERT_GE(pairs.size(), 1000u);
    const Figures f = measure(pairs);
    report("frozen set", f);
    EXPECT_GE(f.precision(), 0.95);
    EXPECT_GE(f.recall(), 0.95);
}

} // namespace
