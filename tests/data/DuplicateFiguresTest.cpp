// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Precision and recall of the duplicate hint on the two labelled sets: every
// stored address in a real database, each typed one through the real lookup,
// so that a duplicate the candidate statement never fetches counts as missed.
// BA_DUPLICATE_MISSES=1 prints every pair judged wrong.
#include "DuplicatePairs.h"
#include "data/DuplicateHint.h"
#include "data/DuplicateLookup.h"
#include "platform/SqlText.h"
#include "support/TestDatabase.h"
#include <map>

using namespace belegadressen;
using namespace batest;

namespace {

QString number(size_t i) { return QStringLiteral("P%1").arg(i, 5, 10, QLatin1Char('0')); }

// Each set must reach a precision and a recall of 0.95 over at least 1000 pairs.
TEST(DuplicateFigures, BothSetsReachTheGoal) {
    for (const auto& [name, pairs] :
         {std::pair{"tuning set", tuningPairs()}, std::pair{"frozen set", frozenPairs()}}) {
        SCOPED_TRACE(name);
        ASSERT_GE(pairs.size(), 1000u);
        // Even pairs go to the customers, odd ones to the general addresses; rows
        // keyed afterwards, as a host keys rows that another program wrote.
        TestDatabase db(Engine::SQLite);
        for (int table = 0; table < 2; ++table) {
            QStringList rows;
            for (size_t i = size_t(table); i < pairs.size(); i += 2) {
                const PartyAddress& s = pairs[i].stored;
                rows << QStringLiteral("(%1, %2, %3, %4, %5, %6)")
                            .arg(quoted(number(i)), quoted(s.vorname), quoted(s.bez1),
                                 quoted(s.strasse), quoted(s.plz), quoted(s.ort));
            }
            for (qsizetype at = 0; at < rows.size(); at += 250)
                db.exec(QString(table == 0 ? "INSERT INTO Kundenstamm (Kundennummer"
                                           : "INSERT INTO Adressenstamm (AdressNummer") +
                        ", Vorname, Bez1, Straße, PLZ, Ort) VALUES " +
                        rows.mid(at, 250).join(", "));
        }
        fillDuplicateKeys(*db.connection());
        int tp = 0, fp = 0, fn = 0;
        std::map<std::string, std::pair<int, int>> byKind; // kind: right, all
        for (size_t i = 0; i < pairs.size(); ++i) {
            const LabelledPair& p = pairs[i];
            const DuplicateSource source =
                i % 2 == 0 ? DuplicateSource::Kunde : DuplicateSource::Adresse;
            const auto found = findDuplicates(*db.connection(), p.typed);
            bool shown = false;
            for (size_t k = 0; k < found.size() && k < size_t(DuplicateHint::kMaxEntries); ++k)
                shown = shown || (found[k].source == source && found[k].nummer == number(i));
            tp += shown && p.same, fp += shown && !p.same, fn += !shown && p.same;
            const auto line = [](const PartyAddress& a) {
                return QStringList{a.vorname + ' ' + a.bez1, a.strasse, a.plz + ' ' + a.ort}.join(
                    " | ");
            };
            if (shown != p.same && qEnvironmentVariableIsSet("BA_DUPLICATE_MISSES"))
                std::printf("%s %s: %s  <->  %s\n", p.same ? "missed" : "false hint", p.kind,
                            qPrintable(line(p.typed)), qPrintable(line(p.stored)));
            byKind[p.kind].first += shown == p.same;
            ++byKind[p.kind].second;
        }
        const double precision = tp + fp ? double(tp) / (tp + fp) : 1.0,
                     recall = tp + fn ? double(tp) / (tp + fn) : 1.0;
        std::printf("%s: %zu pairs, precision %.3f, recall %.3f (tp %d, fp %d, fn %d)\n", name,
                    pairs.size(), precision, recall, tp, fp, fn);
        for (const auto& [kind, counts] : byKind)
            std::printf("   %-26s %4d of %4d right\n", kind.c_str(), counts.first, counts.second);
        EXPECT_GE(precision, 0.95);
        EXPECT_GE(recall, 0.95);
    }
}

} // namespace
