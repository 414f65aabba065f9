// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Labelled address pairs for the duplicate warning: a typed new address, a
// stored one, and whether a careful clerk would call them the same party.
// Two generators with their own name lists and variant rules; both are
// deterministic (fixed seeds), so the figures repeat.
#include "data/DuplicateMatch.h"
#include <QtGlobal>
#include <random>
#include <vector>

namespace batest {

struct LabelledPair {
    belegadressen::PartyAddress typed;
    belegadressen::PartyAddress stored;
    bool same = false;
    const char* kind = ""; // the variant or the kind of negative
};

// The set the comparison was developed against.
std::vector<LabelledPair> tuningPairs();
// Written before any tuning and not changed since: the figure that counts.
std::vector<LabelledPair> frozenPairs();

// mt19937's sequence is fixed by the standard; the library's distributions are not.
class PairRandom {
public:
    explicit PairRandom(unsigned seed) : mGen(seed) {}
    int below(int n) { return static_cast<int>(mGen() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class List> const auto& pick(const List& v) {
        return v[static_cast<qsizetype>(below(static_cast<int>(v.size())))];
    }

private:
    std::mt19937 mGen;
};

} // namespace batest
