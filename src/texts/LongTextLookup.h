// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QVariant>

namespace belegadressen {

class ServiceHub;

// The answer of a long-text lookup: no number given, no such module, or the
// module's long text (which the table may hold as NULL).
struct Langtext {
    enum class Result { Empty, Missing, Found };
    Result result = Result::Empty;
    QVariant text;

    bool missing() const { return result == Result::Missing; }
    // A module without a text counts as missing for the preview.
    bool shows() const { return result == Result::Found && !text.isNull(); }
};

// The statement that reads a module's long text in the default language and
// without supplementary text. The number goes in as given, untrimmed.
QString langtextSelect(const QString& textnummer, const QString& textart);

// Reads long texts of text modules over the host's connection.
class LongTextLookup {
public:
    explicit LongTextLookup(ServiceHub& services) : mServices(services) {}

    // LeseLangtext: a blank number reads nothing. A missing module is reported
    // with message 13048, except for "000", which stands for no text. Database
    // failures are thrown to the caller.
    Langtext LeseLangtext(const QString& textnummer, const QString& textart);

private:
    ServiceHub& mServices;
};

} // namespace belegadressen
