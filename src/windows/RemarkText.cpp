#include "windows/RemarkText.h"
#include "windows/RtfReader.h"
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace belegadressen {

void setRemark(QTextDocument& document, const QString& stored) {
    if (!looksLikeRtf(stored)) {
        document.setPlainText(stored);
        return;
    }
    const RtfText rtf = readRtf(stored);
    // Loading is no edit the user could undo.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const RtfRun& run : rtf.runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        cursor.insertText(run.text, format);
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

QString remarkPlainText(const QString& stored) {
    return looksLikeRtf(stored) ? readRtf(stored).plainText() : stored;
}

bool hasVisibleText(const QString& plain) { return !plain.trimmed().isEmpty(); }

} // namespace belegadressen
