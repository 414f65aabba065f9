// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/RtfReader.h"
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace belegadressen {

namespace {

constexpr int kAnsi = 1252;
// Groups nested deeper than this share the state of the deepest one kept;
// only their braces are counted. Real documents stay far below it.
constexpr size_t kMaxKeptDepth = 256;
// Longest control word the format allows; longer runs of letters are cut.
constexpr int kMaxWordLength = 32;

// Windows-1252 for 0x80..0x9F; the rest of the code page is Latin-1. The five
// unassigned bytes read as the replacement character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// The code page a font's \fcharset stands for; 0 when it names none.
int codePageOfCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // ANSI, default and symbol fonts follow the document
    }
}

std::unique_ptr<QStringDecoder> decoderFor(int codePage) {
    QList<QByteArray> names;
    switch (codePage) {
    case 65001:
        return std::make_unique<QStringDecoder>(QStringConverter::Utf8);
    case 28591:
        return std::make_unique<QStringDecoder>(QStringConverter::Latin1);
    case 10000:
        names = {"macintosh"};
        break;
    case 932:
        names = {"Shift_JIS"};
        break;
    case 936:
        names = {"GBK"};
        break;
    case 949:
        names = {"windows-949", "EUC-KR"};
        break;
    case 950:
        names = {"Big5"};
        break;
    case 437:
    case 850:
    case 852:
    case 866:
        names = {"IBM" + QByteArray::number(codePage), "CP" + QByteArray::number(codePage)};
        break;
    default:
        names = {"windows-" + QByteArray::number(codePage), "CP" + QByteArray::number(codePage)};
    }
    for (const QByteArray& name : names) {
        auto decoder = std::make_unique<QStringDecoder>(name.constData());
        if (decoder->isValid()) return decoder;
    }
    return nullptr;
}

struct Group {
    bool skip = false;      // a destination without text
    bool fontTable = false; // inside \fonttbl: fonts and their character sets
    bool bold = false, italic = false, underline = false;
    int font = -1; // -1: the document's default font
    int uc = 1;    // fallback characters after \uN
};

class Reader {
public:
    explicit Reader(QStringView in) : mIn(in) {}

    RtfText read() {
        while (mPos < mIn.size() && !mDone)
            step();
        flushBytes();
        return finish();
    }

private:
    void step() {
        const QChar ch = mIn[mPos];
        if (ch == u'{') {
            ++mPos;
            flushBytes();
            mFallback = 0;
            openGroup();
        } else if (ch == u'}') {
            ++mPos;
            flushBytes();
            mFallback = 0;
            closeGroup();
        } else if (ch == u'\\') {
            ++mPos;
            control();
        } else {
            ++mPos;
            if (ch == u'\r' || ch == u'\n') return;
            flushBytes();
            if (mFallback > 0) {
                --mFallback;
                return;
            }
            if (ch == u'\t')
                text(u'\t');
            else if (ch.unicode() >= 0x20)
                text(ch.unicode());
        }
    }

    void openGroup() {
        if (mStack.size() >= kMaxKeptDepth) {
            ++mUnkeptDepth;
            return;
        }
        mStack.push_back(mCur);
    }

    void closeGroup() {
        if (mUnkeptDepth > 0) {
            --mUnkeptDepth;
            return;
        }
        if (mStack.empty()) { // a brace too many ends the document
            mDone = true;
            return;
        }
        mCur = mStack.back();
        mStack.pop_back();
        if (mStack.empty() && mStarted) mDone = true;
    }

    void control() {
        if (mPos >= mIn.size()) return; // a backslash at the very end
        const QChar ch = mIn[mPos];
        if (isAsciiLetter(ch)) {
            word();
            return;
        }
        ++mPos;
        if (ch == u'\'') {
            hexByte();
            return;
        }
        flushBytes();
        if (ch == u'*') { // an optional destination: nothing in it is text for us
            mCur.skip = true;
            return;
        }
        if (consumeFallback()) return;
        switch (ch.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            text(ch.unicode());
            break;
        case u'~':
            text(0x00A0);
            break;
        case u'_':
            text(0x2011);
            break;
        case u'\r':
        case u'\n':
            text(u'\n');
            break;
        case u'\t':
            text(u'\t');
            break;
        default: // \- optional hyphen, \: index entries, \| formulas
            break;
        }
    }

    static bool isAsciiLetter(QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    }

    // A control word with its optional numeric parameter and the blank that
    // may delimit it.
    void word() {
        const qsizetype start = mPos;
        while (mPos < mIn.size() && isAsciiLetter(mIn[mPos]))
            ++mPos;
        const QStringView name = mIn.mid(start, std::min<qsizetype>(mPos - start, kMaxWordLength));
        bool hasParam = false;
        bool negative = false;
        qint64 param = 0;
        if (mPos < mIn.size() && mIn[mPos] == u'-') {
            negative = true;
            ++mPos;
        }
        while (mPos < mIn.size() && mIn[mPos].isDigit() && mIn[mPos].unicode() < 0x80) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (mIn[mPos].unicode() - u'0');
            ++mPos;
        }
        if (negative) param = -param;
        if (mPos < mIn.size() && mIn[mPos] == u' ') ++mPos;
        const int value = static_cast<int>(std::clamp<qint64>(param, -2147483647LL, 2147483647LL));
        flushBytes();
        handleWord(name, hasParam, value);
    }

    void handleWord(QStringView w, bool hasParam, int value) {
        if (w == u"bin") { // binary data: skip the bytes it announces
            if (hasParam && value > 0) mPos = std::min<qsizetype>(mIn.size(), mPos + value);
            return;
        }
        // Also inside an optional destination: "{\*\shppict{\pict ...}}".
        if (!mCur.fontTable && holdsNoText(w)) mOut.beyondText = true;
        if (mCur.fontTable) {
            fontTableWord(w, hasParam, value);
            return;
        }
        if (mCur.skip) return;
        if (consumeFallback()) return;

        if (w == u"rtf") {
            mStarted = true;
        } else if (w == u"ansi") {
            mCodePage = kAnsi;
        } else if (w == u"mac") {
            mCodePage = 10000;
        } else if (w == u"pc") {
            mCodePage = 437;
        } else if (w == u"pca") {
            mCodePage = 850;
        } else if (w == u"ansicpg") {
            if (hasParam && value > 0) mCodePage = value;
        } else if (w == u"deff") {
            mDefaultFont = value;
        } else if (w == u"fonttbl") {
            mCur.fontTable = true;
            mCur.skip = true;
        } else if (skippedDestination(w)) {
            mCur.skip = true;
        } else if (w == u"u") {
            if (!hasParam) return;
            // Out of range it is no character: its fallback stands instead.
            const int code = value < 0 ? value + 65536 : value;
            if (code < 0 || code > 0xFFFF) return;
            text(static_cast<char16_t>(code));
            mFallback = mCur.uc;
        } else if (w == u"uc") {
            mCur.uc = std::clamp(value, 0, 1000);
        } else if (w == u"par" || w == u"line" || w == u"row" || w == u"sect" || w == u"page") {
            text(u'\n');
        } else if (w == u"tab" || w == u"cell") {
            text(u'\t');
        } else if (w == u"b") {
            mCur.bold = !hasParam || value != 0;
        } else if (w == u"i") {
            mCur.italic = !hasParam || value != 0;
        } else if (w == u"ul") {
            mCur.underline = !hasParam || value != 0;
        } else if (w == u"ulnone") {
            mCur.underline = false;
        } else if (w == u"plain") {
            mCur.bold = mCur.italic = mCur.underline = false;
            mCur.font = -1;
        } else if (w == u"f") {
            mCur.font = hasParam ? value : -1;
        } else if (const char16_t c = special(w)) {
            text(c);
        }
    }

    // Inside the font table only the fonts' numbers and character sets matter.
    void fontTableWord(QStringView w, bool hasParam, int value) {
        if (!hasParam) return;
        if (w == u"f") {
            mTableFont = value;
        } else if (w == u"fcharset") {
            const int cp = codePageOfCharset(value);
            if (cp != 0)
                mFontCodePage.insert(mTableFont, cp);
            else
                mFontCodePage.remove(mTableFont);
        } else if (w == u"cpg" && value > 0) {
            mFontCodePage.insert(mTableFont, value);
        }
    }

    // Destinations of content that has no text: pictures, embedded objects,
    // shapes and drawing objects.
    static bool holdsNoText(QStringView w) {
        return w == u"pict" || w == u"object" || w == u"shp" || w == u"shppict" ||
               w == u"nonshppict" || w == u"do";
    }

    static bool skippedDestination(QStringView w) {
        static const char16_t* const kSkipped[] = {u"colortbl",
                                                   u"stylesheet",
                                                   u"info",
                                                   u"pict",
                                                   u"header",
                                                   u"headerl",
                                                   u"headerr",
                                                   u"headerf",
                                                   u"footer",
                                                   u"footerl",
                                                   u"footerr",
                                                   u"footerf",
                                                   u"generator",
                                                   u"listtable",
                                                   u"listoverridetable",
                                                   u"themedata",
                                                   u"datastore",
                                                   u"xmlnstbl",
                                                   u"rsidtbl",
                                                   u"latentstyles",
                                                   u"object",
                                                   u"objdata",
                                                   u"fldinst",
                                                   u"filetbl",
                                                   u"revtbl",
                                                   u"footnote",
                                                   u"annotation",
                                                   u"nonshppict",
                                                   u"colorschememapping",
                                                   u"pgdsctbl",
                                                   u"pn",
                                                   u"pntxta",
                                                   u"pntxtb",
                                                   u"txe",
                                                   u"xe",
                                                   u"tc",
                                                   u"operator",
                                                   u"author",
                                                   u"title",
                                                   u"subject",
                                                   u"keywords",
                                                   u"comment",
                                                   u"doccomm",
                                                   u"company"};
        static const QSet<QStringView> kSet(std::begin(kSkipped), std::end(kSkipped));
        return kSet.contains(w);
    }

    static char16_t special(QStringView w) {
        static const QHash<QStringView, char16_t> kSpecial = {
            {u"emdash", 0x2014},    {u"endash", 0x2013},  {u"emspace", 0x2003},
            {u"enspace", 0x2002},   {u"qmspace", 0x2005}, {u"bullet", 0x2022},
            {u"lquote", 0x2018},    {u"rquote", 0x2019},  {u"ldblquote", 0x201C},
            {u"rdblquote", 0x201D}, {u"zwj", 0x200D},     {u"zwnj", 0x200C},
            {u"zwbo", 0x200B},      {u"ltrmark", 0x200E}, {u"rtlmark", 0x200F}};
        return kSpecial.value(w, 0);
    }

    // A \'xx: collected, so that the bytes of a double-byte character decode
    // together. A cut-off or malformed one is dropped.
    void hexByte() {
        int value = 0;
        for (int k = 0; k < 2; ++k) {
            if (mPos >= mIn.size()) return;
            const int d = hexDigit(mIn[mPos]);
            if (d < 0) return;
            value = value * 16 + d;
            ++mPos;
        }
        if (mCur.skip) return;
        if (mFallback > 0) {
            --mFallback;
            return;
        }
        const int cp = codePage();
        if (!mBytes.isEmpty() && (cp != mBytesCodePage || !mBytesRun.sameFormat(format())))
            flushBytes();
        mBytesCodePage = cp;
        mBytesRun = format();
        mBytes.append(static_cast<char>(value));
    }

    static int hexDigit(QChar c) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') return u - u'0';
        if (u >= u'a' && u <= u'f') return u - u'a' + 10;
        if (u >= u'A' && u <= u'F') return u - u'A' + 10;
        return -1;
    }

    int codePage() const {
        const int font = mCur.font >= 0 ? mCur.font : mDefaultFont;
        return mFontCodePage.value(font, mCodePage);
    }

    void flushBytes() {
        if (mBytes.isEmpty()) return;
        QString decoded;
        if (mBytesCodePage == kAnsi) {
            decoded.reserve(mBytes.size());
            for (char b : std::as_const(mBytes)) {
                const auto u = static_cast<unsigned char>(b);
                decoded.append(u >= 0x80 && u < 0xA0 ? QChar(kCp1252High[u - 0x80]) : QChar(u));
            }
        } else {
            QStringDecoder* decoder = decoderOf(mBytesCodePage);
            if (decoder) {
                decoded = decoder->decode(mBytes);
                decoder->resetState();
            } else {
                const int cp = mBytesCodePage;
                mBytesCodePage = kAnsi;
                flushBytes();
                mBytesCodePage = cp;
                return;
            }
        }
        mBytes.clear();
        append(decoded, mBytesRun);
    }

    QStringDecoder* decoderOf(int codePage) {
        auto it = mDecoders.find(codePage);
        if (it == mDecoders.end()) it = mDecoders.emplace(codePage, decoderFor(codePage)).first;
        return it->second.get();
    }

    // Characters after \uN that stand in for it in older readers are dropped.
    bool consumeFallback() {
        if (mFallback <= 0) return false;
        --mFallback;
        return true;
    }

    RtfRun format() const {
        RtfRun r;
        r.bold = mCur.bold;
        r.italic = mCur.italic;
        r.underline = mCur.underline;
        return r;
    }

    void text(char16_t c) {
        if (mCur.skip) return;
        const RtfRun fmt = format();
        if (mOut.runs.isEmpty() || !mOut.runs.last().sameFormat(fmt)) {
            RtfRun run = fmt;
            run.text = QChar(c);
            mOut.runs.append(std::move(run));
        } else {
            mOut.runs.last().text += QChar(c);
        }
    }

    void append(const QString& s, const RtfRun& fmt) {
        if (s.isEmpty()) return;
        if (mOut.runs.isEmpty() || !mOut.runs.last().sameFormat(fmt)) {
            RtfRun run = fmt;
            run.text = s;
            mOut.runs.append(std::move(run));
        } else {
            mOut.runs.last().text += s;
        }
    }

    RtfText finish() {
        // The mark ending the last paragraph belongs to no line.
        if (!mOut.runs.isEmpty() && mOut.runs.last().text.endsWith(u'\n')) {
            mOut.runs.last().text.chop(1);
            if (mOut.runs.last().text.isEmpty()) mOut.runs.removeLast();
        }
        // A lone surrogate (a \uN pair cut in half) becomes the replacement character.
        for (RtfRun& run : mOut.runs) {
            QString& t = run.text;
            for (qsizetype k = 0; k < t.size(); ++k) {
                if (t[k].isHighSurrogate() && k + 1 < t.size() && t[k + 1].isLowSurrogate()) {
                    ++k;
                } else if (t[k].isSurrogate()) {
                    t[k] = QChar(QChar::ReplacementCharacter);
                }
            }
        }
        return std::move(mOut);
    }

    QStringView mIn;
    qsizetype mPos = 0;
    bool mStarted = false, mDone = false;
    std::vector<Group> mStack;
    Group mCur;
    size_t mUnkeptDepth = 0;
    int mCodePage = kAnsi;
    int mDefaultFont = -1;
    int mTableFont = -1;
    QHash<int, int> mFontCodePage;
    int mFallback = 0;
    QByteArray mBytes;
    int mBytesCodePage = kAnsi;
    RtfRun mBytesRun;
    std::map<int, std::unique_ptr<QStringDecoder>> mDecoders;
    RtfText mOut;
};

} // namespace

QString RtfText::plainText() const {
    QString s;
    for (const RtfRun& r : runs)
        s += r.text;
    return s;
}

bool looksLikeRtf(QStringView text) {
    qsizetype k = 0;
    while (k < text.size() && text[k].isSpace())
        ++k;
    return text.mid(k).startsWith(u"{\\rtf");
}

RtfText readRtf(QStringView rtf) { return Reader(rtf).read(); }

} // namespace belegadressen
