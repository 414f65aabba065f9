// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Generated hostile texts (quotes, wildcards, surrogates, NUL, marks, limits), fixed by the seed.
#include <QString>
#include <initializer_list>
#include <vector>

namespace hostile {

struct Value {
    QString text;
    // NUL or a lone surrogate: the quoting helper must refuse it.
    bool refused = false;
};

std::vector<Value> generate(int count, quint32 seed = 20261205);

// A text made of the given UTF-16 code units, valid or not.
QString units(std::initializer_list<char16_t> codeUnits);

} // namespace hostile
