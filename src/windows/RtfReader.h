// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QList>
#include <QString>
#include <QStringView>

namespace belegadressen {

// A stretch of text in one character format.
struct RtfRun {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool sameFormat(const RtfRun& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline;
    }
};

// What a remark stored as RTF says: its text in runs of one format each.
// Neighbouring runs differ in format; no run is empty. Paragraphs and line
// breaks are '\n'; the mark that ends the last paragraph is not part of it.
struct RtfText {
    QList<RtfRun> runs;
    // The document also holds what is no text: pictures, embedded objects,
    // drawings. The runs leave them out.
    bool beyondText = false;
    QString plainText() const;
};

// True when the text is an RTF document ("{\rtf" after leading blanks).
bool looksLikeRtf(QStringView text);

// Reads an RTF document as word processors write it: groups, the font and
// colour tables and other destinations that hold no text, \par and \line,
// \'xx in the document's code page (Windows-1252 unless \ansicpg or a font's
// \fcharset says otherwise), \uN with its \ucN fallback characters, bold,
// italic and underline. Never fails: what cannot be read is left out, and
// the time taken grows linearly with the input.
RtfText readRtf(QStringView rtf);

} // namespace belegadressen
