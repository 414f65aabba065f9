// Remarks stored as RTF: written samples, the format's corners, malformed input and a fuzz run.
#include "windows/RtfReader.h"
#include "windows/RemarkText.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>
#include <random>

using namespace belegadressen;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kSamples = QStringLiteral(BA_RTF_SAMPLES);

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

QStringList sampleNames() {
    QStringList names;
    for (const QString& file : QDir(kSamples).entryList({"*.rtf"}, QDir::Files, QDir::Name))
        names << file.chopped(4);
    return names;
}

// The expected text ends with one newline of the file that is not part of it.
QString expectedText(const QString& name) {
    QString text = readFile(kSamples + "/" + name + ".txt");
    if (text.endsWith('\n')) text.chop(1);
    return text;
}

// Text of the fragments of a document that carry a format.
QStringList formatted(const QTextDocument& doc, bool (*has)(const QTextCharFormat&)) {
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (has(it.fragment().charFormat())) out << it.fragment().text();
    return out;
}

class WrittenSample : public ::testing::TestWithParam<QString> {};

TEST_P(WrittenSample, ReadsAsItsPlainText) {
    const QString rtf = readFile(kSamples + "/" + GetParam() + ".rtf");
    ASSERT_FALSE(rtf.isEmpty());
    ASSERT_TRUE(looksLikeRtf(rtf));
    EXPECT_EQ(remarkPlainText(rtf), expectedText(GetParam()));

    QTextDocument doc;
    setRemark(doc, rtf);
    EXPECT_EQ(doc.toPlainText(), expectedText(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Rtf, WrittenSample, ::testing::ValuesIn(sampleNames()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(RtfSamples, BoldItalicAndUnderlineReachTheBox) {
    QTextDocument doc;
    setRemark(doc, readFile(kSamples + "/formatiert.rtf"));
    EXPECT_EQ(formatted(doc, [](const QTextCharFormat& f) { return f.fontWeight() > 500; }),
              QStringList({"Achtung:", "Herr Weiß"}));
    EXPECT_EQ(formatted(doc, [](const QTextCharFormat& f) { return f.fontItalic(); }),
              QStringList({"offenen Posten", "Herr Weiß"}));
    EXPECT_EQ(formatted(doc, [](const QTextCharFormat& f) { return f.fontUnderline(); }),
              QStringList({"Hausmeister"}));
}

struct Case {
    const char* name;
    const char* rtf;
    const char16_t* plain;
};

const Case kCases[] = {
    {"Plain", R"({\rtf1\ansi Hallo})", u"Hallo"},
    {"Windows1252ByDefault", R"({\rtf1 Gr\'fc\'df aus K\'f6ln})", u"Grüß aus Köln"},
    {"CodePage1250", R"({\rtf1\ansi\ansicpg1250 \'b3\'f3d\'9f})", u"łódź"},
    {"FontCharset",
     R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}{\f1 \'cc\'e8\'f0} \'e4})",
     u"Мир ä"},
    {"UnicodeWithFallback", R"({\rtf1\ansi\uc1 R\u252\'fcckruf})", u"Rückruf"},
    {"NegativeUnicodePair", R"({\rtf1\uc1\u-10179?\u-8704?})", u"😀"},
    {"FallbackCountIsScoped", R"({\rtf1 {\uc2\u228 xx}\u246?})", u"äö"},
    {"TablesAndInfoSkipped",
     R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}{\*\generator Writer;}{\info{\title Titel}}{\stylesheet{\s0 Normal;}}Text})",
     u"Text"},
    {"ParagraphsAndLines", R"({\rtf1 A\par B\line C\par})", u"A\nB\nC"},
    {"FieldShowsItsResult", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})",
     u"Link"},
    {"BinaryDataSkipped", R"({\rtf1 A\bin3 {}}B})", u"AB"},
    {"Punctuation",
     R"({\rtf1 a\endash b\emdash c\bullet d\lquote e\rquote f\ldblquote g\rdblquote})",
     u"a–b—c•d‘e’f“g”"},
    // Malformed: what can be read is shown.
    {"MissingClosingBraces", R"({\rtf1 Hallo {\b Welt)", u"Hallo Welt"},
    {"NoHexDigits", R"({\rtf1 a\'zzb})", u"azzb"},
    {"BackslashAtEnd", R"({\rtf1 a\)", u"a"},
    {"HugeFallbackCount", R"({\rtf1\uc99999999999 \u65 abc})", u"A"},
    {"LoneSurrogate", R"({\rtf1\uc0 \u55357 x})", u"\uFFFDx"},
};

class HandMade : public ::testing::TestWithParam<Case> {};

TEST_P(HandMade, ReadsAsExpected) {
    EXPECT_EQ(readRtf(QString::fromUtf8(GetParam().rtf)).plainText(),
              QString::fromUtf16(GetParam().plain));
}

INSTANTIATE_TEST_SUITE_P(Rtf, HandMade, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReader, DoubleByteCodePageDecodesCharacterPairs) {
    if (!QStringDecoder("Shift_JIS").isValid()) GTEST_SKIP() << "no Shift_JIS decoder";
    // The second byte of 本 is the value of "{": it must not open a group.
    EXPECT_EQ(readRtf(uR"({\rtf1\ansi\ansicpg932 \'93\'fa\'96\'7b})").plainText(), u"日本");
}

TEST(RemarkText, PlainTextRemarksStayAsTheyAre) {
    for (const QString& plain : {QStringLiteral("Preis < 5 € & <b>nicht fett</b>\nzweite Zeile"),
                                 QStringLiteral("rtf1 ohne Klammer {\\b}")}) {
        EXPECT_FALSE(looksLikeRtf(plain));
        EXPECT_EQ(remarkPlainText(plain), plain);
        QTextDocument doc;
        setRemark(doc, plain);
        EXPECT_EQ(doc.toPlainText(), plain);
    }
    EXPECT_TRUE(looksLikeRtf(u"\r\n  {\\rtf1 x}"));
}

TEST(RemarkText, BlankLinesAreNoText) {
    EXPECT_FALSE(hasVisibleText(remarkPlainText(readFile(kSamples + "/leer.rtf"))));
    EXPECT_FALSE(hasVisibleText(QStringLiteral(" \n\t")));
    EXPECT_TRUE(hasVisibleText(QStringLiteral("\n.")));
}

TEST(RtfReader, MegabyteRemarkReadsInLinearTime) {
    const QString paragraph =
        QStringLiteral(R"(Gr\'fc\'df {\b an} M\u252\'fcller \u8364\'80 5\par )");
    QString rtf = QStringLiteral("{\\rtf1\\ansi ");
    while (rtf.size() < 1024 * 1024)
        rtf += paragraph;
    rtf += '}';
    QElapsedTimer timer;
    timer.start();
    const QString plain = readRtf(rtf).plainText();
    EXPECT_LT(timer.elapsed(), 5000);
    const qsizetype paragraphs = (rtf.size() - 13) / paragraph.size();
    EXPECT_EQ(plain.count(QStringLiteral("Grüß an Müller € 5")), paragraphs);

    // Deep nesting and a megabyte of one character are no problem either.
    EXPECT_EQ(readRtf(QString(1024 * 1024, '{') + "x").plainText(), "x");
    EXPECT_EQ(readRtf(QString(1024 * 1024, '\\')).plainText(), QString(512 * 1024, '\\'));
}

// Any reading: no longer than the input, no lone surrogate, non-empty runs unlike their neighbours.
void expectSane(const QString& input) {
    const RtfText t = readRtf(input);
    const QString plain = t.plainText();
    ASSERT_LE(plain.size(), input.size()) << input.toStdString();
    for (qsizetype k = 0; k < plain.size(); ++k) {
        if (plain[k].isHighSurrogate()) {
            ASSERT_TRUE(k + 1 < plain.size() && plain[k + 1].isLowSurrogate());
            ++k;
        } else {
            ASSERT_FALSE(plain[k].isLowSurrogate()) << input.toStdString();
        }
    }
    for (qsizetype k = 0; k < t.runs.size(); ++k) {
        ASSERT_FALSE(t.runs[k].text.isEmpty());
        if (k > 0) {
            ASSERT_FALSE(t.runs[k].sameFormat(t.runs[k - 1]));
        }
    }
}

TEST(RtfReader, FuzzedInputNeverBreaksIt) {
    // Pieces of the format and its corners, separated by '|'.
    const QStringList tokens =
        QString::fromUtf8("{|}|\\|\\'|\\'8|\\'80|\\'fc|\\u|\\u-|\\u65535|\\u-32768|\\u55357|"
                          "\\u56832 |\\uc0|\\uc5 |\\uc-1|\\bin|\\bin5 |\\bin99999999|\\*|"
                          "\\fonttbl|\\f1|\\f|\\fcharset128|\\fcharset204 |\\ansicpg932|"
                          "\\ansicpg65001|\\ansicpg1|\\ansicpg-5|\\cpg1251|\\par|\\line|\\b|"
                          "\\b0|\\i|\\plain|\\pict|\\tab|\\~|\\\n|ä|€|x| |\r\n|\\rtf1|"
                          "\\emdash|\\deff1|\\ul")
            .split(QLatin1Char('|'));
    QStringList corpus;
    for (const QString& name : sampleNames())
        corpus << readFile(kSamples + "/" + name + ".rtf");
    for (const Case& c : kCases)
        corpus << QString::fromUtf8(c.rtf);
    ASSERT_FALSE(corpus.isEmpty());

    std::mt19937 rng(20261205);
    auto below = [&](qsizetype n) {
        return static_cast<qsizetype>(rng() % static_cast<quint32>(std::max<qsizetype>(1, n)));
    };
    auto token = [&] { return tokens[below(tokens.size())]; };
    auto anyChar = [&] { return QChar(static_cast<char16_t>(rng() >> 16)); };

    QElapsedTimer timer;
    timer.start();
    constexpr int kInputs = 100000;
    for (int n = 0; n < kInputs; ++n) {
        const QString& doc = corpus[below(corpus.size())];
        QString input = doc.mid(below(doc.size()), 1 + below(400));
        if (rng() & 1) input.prepend(QStringLiteral("{\\rtf1\\ansi "));
        for (qsizetype k = below(6); k > 0; --k) {
            const qsizetype at = below(input.size() + 1);
            switch (rng() % 4) {
            case 0:
                input.remove(at, below(20));
                break;
            case 1:
                input.insert(at, token());
                break;
            case 2:
                if (at < input.size()) input[at] = anyChar();
                break;
            default:
                input.insert(at, input.mid(below(input.size()), below(40)));
            }
        }
        expectSane(input);
        if (HasFatalFailure()) return;
    }
    std::cout << "[          ] " << kInputs << " inputs in " << timer.elapsed() << " ms\n";
}

} // namespace
