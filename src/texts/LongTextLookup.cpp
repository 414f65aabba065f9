// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "texts/LongTextLookup.h"
#include "contracts/Connection.h"
#include "contracts/Recordset.h"
#include "contracts/ResourceLibrary.h"
#include "control/ErrorStyles.h"
#include "control/ServiceHub.h"
#include "platform/SqlText.h"

namespace belegadressen {

namespace {

constexpr int kTextFehlt = 13048;
// The language key of the default language: three characters U+00FF.
const QString kStandardSprache(3, QChar(0x00FF));
const QString kOhneText = QStringLiteral("000");

} // namespace

QString langtextSelect(const QString& textnummer, const QString& textart) {
    return QStringLiteral("Select Langtext from Textbausteine where Textart = '") +
           doubledQuotes(textart) + QStringLiteral("' AND Textnummer = '") +
           doubledQuotes(textnummer) + QStringLiteral("' AND SprachKZ='") + kStandardSprache +
           QStringLiteral("' AND ZusatztextNummer = '") + kOhneText + QStringLiteral("'");
}

Langtext LongTextLookup::LeseLangtext(const QString& textnummer, const QString& textart) {
    if (textnummer.trimmed().isEmpty()) return {};
    const auto rs = mServices.connection()->Execute(langtextSelect(textnummer, textart));
    Langtext answer;
    if (rs && !rs->Eof()) {
        answer = {Langtext::Result::Found, rs->Value(QStringLiteral("Langtext"))};
    } else {
        answer.result = Langtext::Result::Missing;
        if (textnummer != kOhneText)
            mServices.meldung(mServices.resources().Text(kTextFehlt, {QStringLiteral("Text")}));
    }
    if (rs) skipOnError([&] { rs->Close(); });
    return answer;
}

} // namespace belegadressen
