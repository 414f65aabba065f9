// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>

class QTextDocument;

namespace belegadressen {

// How much of a stored remark the box shows.
enum class RemarkShown {
    Whole,     // all of it: an edit may be written back
    Beginning, // too large to lay out without a noticeable wait: its beginning
    TextOnly,  // it holds pictures or objects the box cannot show: its text
};

// A stored remark as the rich-text box shows it: an RTF document with its
// paragraphs, bold, italic and underline; any other text exactly as stored.
// A remark too large to lay out quickly (very long paragraphs, many format
// changes) is shown only from its beginning, one holding pictures or
// embedded objects only with its text. Unless the whole remark is shown, the
// shown text must never be written back: it would replace what is stored.
RemarkShown showRemark(QTextDocument& document, const QString& stored);

// showRemark; true when the whole remark is shown.
bool setRemark(QTextDocument& document, const QString& stored);

// The text a stored remark reads as, without formats.
QString remarkPlainText(const QString& stored);

// Whether a remark's text says anything: blank lines and blanks alone are
// formatting, like an RTF document without characters.
bool hasVisibleText(const QString& plain);

} // namespace belegadressen
