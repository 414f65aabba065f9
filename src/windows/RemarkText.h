#pragma once
#include <QString>

class QTextDocument;

namespace belegadressen {

// A stored remark as the rich-text box shows it: an RTF document with its
// paragraphs, bold, italic and underline; any other text exactly as stored.
// A remark too large to lay out without a noticeable wait (very long
// paragraphs, many format changes) is shown only from its beginning; the
// answer is false then, and the shown text must never be written back.
bool setRemark(QTextDocument& document, const QString& stored);

// The text a stored remark reads as, without formats.
QString remarkPlainText(const QString& stored);

// Whether a remark's text says anything: blank lines and blanks alone are
// formatting, like an RTF document without characters.
bool hasVisibleText(const QString& plain);

} // namespace belegadressen
