#include "windows/RichText.h"
#include <QTextDocument>

namespace belegadressen {

namespace {

// Destinations whose content is not text (font and colour tables, pictures).
bool skippedDestination(const QString& word) {
    static const char* const kSkipped[] = {
        "fonttbl",   "colortbl",  "stylesheet",        "info",      "pict",     "header", "footer",
        "generator", "listtable", "listoverridetable", "themedata", "datastore"};
    for (const char* s : kSkipped)
        if (word == QLatin1String(s)) return true;
    return false;
}

QString plainFromRtf(const QString& rtf) {
    QString out;
    int depth = 0, skipDepth = -1;
    for (int i = 0; i < rtf.size(); ++i) {
        const QChar ch = rtf[i];
        if (ch == '{') {
            ++depth;
            continue;
        }
        if (ch == '}') {
            if (depth == skipDepth) skipDepth = -1;
            --depth;
            continue;
        }
        const bool skipping = skipDepth >= 0;
        if (ch == '\\' && i + 1 < rtf.size()) {
            const QChar next = rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                if (!skipping) out += next;
                ++i;
                continue;
            }
            if (next == '\'' && i + 3 < rtf.size()) {
                bool ok = false;
                const int code = rtf.mid(i + 2, 2).toInt(&ok, 16);
                if (ok && !skipping) out += QChar(QLatin1Char(static_cast<char>(code)));
                i += 3;
                continue;
            }
            if (next == '*') {
                skipDepth = depth;
                ++i;
                continue;
            }
            int j = i + 1;
            while (j < rtf.size() && rtf[j].isLetter())
                ++j;
            const QString word = rtf.mid(i + 1, j - i - 1);
            int k = j;
            if (k < rtf.size() && (rtf[k] == '-' || rtf[k].isDigit())) {
                ++k;
                while (k < rtf.size() && rtf[k].isDigit())
                    ++k;
            }
            const QString param = rtf.mid(j, k - j);
            if (k < rtf.size() && rtf[k] == ' ') ++k;
            i = k - 1;
            if (skippedDestination(word)) skipDepth = depth;
            if (skipping || skipDepth >= 0) continue;
            if (word == "par" || word == "line")
                out += '\n';
            else if (word == "tab")
                out += '\t';
            else if (word == "u" && !param.isEmpty()) {
                out += QChar(static_cast<char16_t>(param.toInt()));
                if (i + 1 < rtf.size() && rtf[i + 1] != '\\' && rtf[i + 1] != '{') ++i;
            }
            continue;
        }
        if (skipping || ch == '\r' || ch == '\n') continue;
        out += ch;
    }
    return out.trimmed();
}

} // namespace

QString plainFromRichText(const QString& stored) {
    if (stored.startsWith(QLatin1String("{\\rtf"))) return plainFromRtf(stored);
    if (Qt::mightBeRichText(stored)) {
        QTextDocument doc;
        doc.setHtml(stored);
        return doc.toPlainText().trimmed();
    }
    return stored;
}

} // namespace belegadressen
