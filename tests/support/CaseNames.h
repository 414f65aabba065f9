// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// Case names for parameterized suites: the number, then the letters and digits
// of a text (test names allow nothing else and must be unique).
#include <QString>
#include <string>

namespace batest {

inline std::string caseName(std::size_t index, const QString& text) {
    std::string out = std::to_string(index) + '_';
    for (QChar c : text)
        out += c.unicode() < 128 && c.isLetterOrNumber() ? char(c.unicode()) : '_';
    return out;
}

} // namespace batest
