// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Remarks stored as RTF: written samples, the format's corners, malformed input and a fuzz run.
#include "windows/RtfReader.h"
#include "windows/InfoSupport.h"
#include "windows/RemarkText.h"
#include <QDir>
#include <QElapsedTimer>
#include <QStringDecoder>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <random>

using namespace belegadressen;

namespace {

using batest::rtfSample;
using batest::rtfSampleText;

QStringList sampleNames() {
    QStringList names = QDir(QStringLiteral(BA_RTF_SAMPLES)).entryList({"*.rtf"}, QDir::Files);
    return names.replaceInStrings(QRegularExpression("\\.rtf$"), QString());
}

class WrittenSample : public ::testing::TestWithParam<QString> {};

TEST_P(WrittenSample, ReadsAsItsPlainText) {
    const QString rtf = rtfSample(GetParam());
    ASSERT_TRUE(looksLikeRtf(rtf));
    EXPECT_EQ(remarkPlainText(rtf), rtfSampleText(GetParam()));
    EXPECT_EQ(readRtf(rtf).beyondText, GetParam() == "bild") << "the one sample with a picture";
}

// Pictures, objects and drawings are content beyond the text, wherever they sit;
// a word that merely begins like one is not.
TEST(RtfReader, TellsContentBeyondTheText) {
    const std::pair<const char*, bool> cases[] = {
        {R"({tf1 A{\pict\pngblip 89504e47}B})", true},
        {R"({tf1 A{\*\shppict{\pict\emfblip 0100}}{
onshppict{\pict\wmetafile8 0100}}})",
         true},
        {R"({tf1 A{\object\objemb{\*\objdata 01}{esult B}}})", true},
        {R"({tf1 A{\shp{\*\shpinst\shpleft0{\sp{\sn fillColor}{\sv 255}}}}})", true},
        {R"({tf1 A{\*\do\dobxcolumn\dprect}})", true},
        {R"({tf1 A{\*\picprop x}\pictures B\doc})", false},
        {R"({tf1{onttbl{0 pict;}}{\info{	itle Bild}}A  fett0})", false},
    };
    for (const auto& [rtf, beyond] : cases)
        EXPECT_EQ(readRtf(QString::fromUtf8(rtf)).beyondText, beyond) << rtf;
}

INSTANTIATE_TEST_SUITE_P(Rtf, WrittenSample, ::testing::ValuesIn(sampleNames()),
                         [](const auto& info) { return info.param.toStdString(); });

struct Case {
    const char* name;
    const char* rtf;
    const char16_t* plain;
};

const Case kCases[] = {
    {"Windows1252ByDefault", R"({\rtf1 Gr\'fc\'df aus K\'f6ln})", u"Grüß aus Köln"},
    {"CodePage1250", R"({\rtf1\ansi\ansicpg1250 \'b3\'f3d\'9f})", u"łódź"},
    {"FontCharset",
     R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}{\f1 \'cc\'e8\'f0} \'e4})",
     u"Мир ä"},
    {"NegativeUnicodePair", R"({\rtf1\uc1\u-10179?\u-8704?})", u"😀"},
    {"FallbackCountIsScoped", R"({\rtf1 {\uc2\u228 xx}\u246?})", u"äö"},
    {"FieldShowsItsResult", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})",
     u"Link"},
    {"BinaryDataSkipped", R"({\rtf1 A\bin3 {}}B})", u"AB"},
    // Malformed: what can be read is shown.
    {"MissingClosingBraces", R"({\rtf1 Hallo {\b Welt)", u"Hallo Welt"},
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

TEST(RemarkText, PlainTextStaysAndBlankLinesAreNoText) {
    for (const QString& plain : {QStringLiteral("Preis < 5 € & <b>nicht fett</b>\nzweite Zeile"),
                                 QStringLiteral("rtf1 ohne Klammer {\\b}")}) {
        EXPECT_FALSE(looksLikeRtf(plain));
        EXPECT_EQ(remarkPlainText(plain), plain);
        QTextDocument doc;
        setRemark(doc, plain);
        EXPECT_EQ(doc.toPlainText(), plain);
    }
    EXPECT_TRUE(looksLikeRtf(u"\r\n  {\\rtf1 x}"));
    // Blank lines are no text.
    EXPECT_FALSE(hasVisibleText(remarkPlainText(rtfSample("leer"))));
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
    EXPECT_EQ(plain.count(QStringLiteral("Grüß an Müller € 5")),
              (rtf.size() - 13) / paragraph.size());

    // Deep nesting and a megabyte of one character are no problem either.
    EXPECT_EQ(readRtf(QString(1024 * 1024, '{') + "x").plainText(), "x");
    EXPECT_EQ(readRtf(QString(1024 * 1024, '\\')).plainText(), QString(512 * 1024, '\\'));
}

// Any reading: no longer than the input, no lone surrogate, non-empty runs unlike their neighbours.
void expectSane(const QString& input) {
    const RtfText t = readRtf(input);
    const QString plain = t.plainText();
    ASSERT_LE(plain.size(), input.size()) << input.toStdString();
    ASSERT_TRUE(plain.isValidUtf16()) << input.toStdString();
    for (qsizetype k = 0; k < t.runs.size(); ++k)
        ASSERT_TRUE(!t.runs[k].text.isEmpty() && (k == 0 || !t.runs[k].sameFormat(t.runs[k - 1])));
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
        corpus << rtfSample(name);
    for (const Case& c : kCases)
        corpus << QString::fromUtf8(c.rtf);

    std::mt19937 rng(20261205);
    auto below = [&](qsizetype n) {
        return static_cast<qsizetype>(rng() % static_cast<quint32>(std::max<qsizetype>(1, n)));
    };
    for (int n = 0; n < 100000; ++n) {
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
                input.insert(at, tokens[below(tokens.size())]);
                break;
            case 2:
                if (at < input.size()) input[at] = QChar(static_cast<char16_t>(rng() >> 16));
                break;
            default:
                input.insert(at, input.mid(below(input.size()), below(40)));
            }
        }
        expectSane(input);
        if (HasFatalFailure()) return;
    }
}

} // namespace
