#pragma once
#include <QString>

class QTextDocument;

namespace belegadressen {

// A stored remark as the rich-text box shows it: an RTF document with its
// paragraphs, bold, italic and underline; any other text exactly as stored.
void setRemark(QTextDocument& document, const QString& stored);

// The text a stored remark reads as, without formats.
QString remarkPlainText(const QString& stored);

// Whether a remark's text says anything: blank lines and blanks alone are
// formatting, like an RTF document without characters.
bool hasVisibleText(const QString& plain);

} // namespace belegadressen
