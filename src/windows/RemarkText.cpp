// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/RemarkText.h"
#include "windows/RtfReader.h"
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace belegadressen {

namespace {

// What the box lays out quickly: laying out one paragraph grows faster than
// its length, and each format change costs its own fragment.
constexpr qsizetype kShownCharacters = 100000;
constexpr qsizetype kParagraphCharacters = 5000;
constexpr qsizetype kShownRuns = 5000;

// The runs from the beginning up to the first limit; false when cut.
bool shownPart(const QList<RtfRun>& runs, QList<RtfRun>& shown) {
    qsizetype total = 0, paragraph = 0;
    for (const RtfRun& run : runs) {
        if (shown.size() == kShownRuns) return false;
        qsizetype taken = 0;
        bool cut = false;
        for (const QChar c : run.text) {
            const bool newline = c == QLatin1Char('\n');
            if (total == kShownCharacters || (!newline && paragraph == kParagraphCharacters)) {
                cut = true;
                break;
            }
            ++total;
            ++taken;
            paragraph = newline ? 0 : paragraph + 1;
        }
        if (taken > 0) {
            RtfRun part = run;
            part.text = run.text.left(taken);
            shown.append(part);
        }
        if (cut) return false;
    }
    return true;
}

} // namespace

RemarkShown showRemark(QTextDocument& document, const QString& stored) {
    const bool rtf = looksLikeRtf(stored);
    RtfText read;
    if (rtf)
        read = readRtf(stored);
    else
        read.runs.append(RtfRun{stored});
    const QList<RtfRun>& runs = read.runs;
    QList<RtfRun> shown;
    const bool complete = shownPart(runs, shown);
    if (complete && !rtf) {
        document.setPlainText(stored);
        return RemarkShown::Whole;
    }
    // Loading is no edit the user could undo.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const RtfRun& run : complete ? runs : shown) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        cursor.insertText(run.text, format);
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    if (!complete) return RemarkShown::Beginning;
    return read.beyondText ? RemarkShown::TextOnly : RemarkShown::Whole;
}

bool setRemark(QTextDocument& document, const QString& stored) {
    return showRemark(document, stored) == RemarkShown::Whole;
}

QString remarkPlainText(const QString& stored) {
    return looksLikeRtf(stored) ? readRtf(stored).plainText() : stored;
}

bool hasVisibleText(const QString& plain) { return !plain.trimmed().isEmpty(); }

} // namespace belegadressen
