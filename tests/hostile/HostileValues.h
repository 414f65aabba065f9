#pragma once
// Generated hostile texts: quotes in every position, backslashes, LIKE
// wildcards, lone and paired surrogates, NUL, combining characters,
// right-to-left marks, very long texts, numbers at and beyond the 16- and
// 32-bit limits, empty and blank texts. Deterministic for a given seed.
#include <QString>
#include <vector>

namespace hostile {

struct Value {
    QString text;
    // NUL or a lone surrogate: the quoting helper must refuse it.
    bool refused = false;
};

std::vector<Value> generate(int count, quint32 seed = 20261205);

// True when `text` holds a NUL or a surrogate without its partner.
bool mustBeRefused(const QString& text);

} // namespace hostile
