#pragma once
// Readable names for the cases of parameterized suites: the case's number and
// the letters and digits of a text that tells the case apart (test names allow
// nothing else and must be unique).
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
