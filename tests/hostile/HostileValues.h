#pragma once
// Generated hostile texts (quotes, wildcards, surrogates, NUL, marks, limits), fixed by the seed.
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
