// Text choice without a widget: text types, document kinds, button choice, statement, preview
// lines.
#include "texts/TextKinds.h"
#include "control/DocumentKinds.h"
#include "support/CaseNames.h"
#include "texts/LongTextLookup.h"
#include "texts/PreviewText.h"
#include <QFontMetricsF>
#include <cmath>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

struct TypeCase {
    int texttyp;
    int kind;
    int element;
};

class TextTypeTable : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TextTypeTable, NamesKindAndRow) {
    const TypeCase c = GetParam();
    for (const QVariant& v : {QVariant(c.texttyp), QVariant(double(c.texttyp)),
                              QVariant(QString::number(c.texttyp) + QStringLiteral(" "))}) {
        const auto type = textTypeOf(v);
        ASSERT_TRUE(type.has_value()) << v.toString().toStdString();
        EXPECT_EQ(type->kind, c.kind);
        EXPECT_EQ(type->element, c.element);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TextTypeTable,
                         ::testing::Values(TypeCase{6, 0, 0}, TypeCase{7, 4, 0}, TypeCase{0, 3, 1},
                                           TypeCase{2, 4, 1}),
                         [](const auto& info) {
                             return batest::caseName(
                                 info.index, QStringLiteral("Type%1").arg(info.param.texttyp));
                         });

TEST(TextType, OutsideTheTableIsNoType) {
    for (const QVariant& v :
         {QVariant(), QVariant(-1), QVariant(10), QVariant(6.5), QVariant(QStringLiteral("x")),
          QVariant(QString()), QVariant(true), QVariant(QStringLiteral("6a"))})
        EXPECT_FALSE(textTypeOf(v).has_value()) << v.toString().toStdString();
}

TEST(TextType, FitsOnlyTheDocumentsOwnKind) {
    // Document types by kind; 0 and 999 belong to none.
    const std::vector<std::pair<int, std::vector<qint16>>> kinds = {
        {0, {10, 150}}, {1, {20, 30, 110, 120}}, {2, {40}}, {3, {50, 60, 70, 80, 90, 130}},
        {4, {100}},     {-1, {0, 999, -10, 140}}};
    for (const auto& [kind, types] : kinds)
        for (qint16 belegart : types) {
            EXPECT_EQ(documentKinds::kindIndex(belegart), kind) << belegart;
            for (int texttyp = -1; texttyp <= 10; ++texttyp) {
                const auto type = textTypeOf(texttyp);
                EXPECT_EQ(texttypFits(texttyp, true, belegart), type && type->kind == kind)
                    << belegart << " " << texttyp;
                EXPECT_TRUE(texttypFits(texttyp, false, belegart));
            }
        }
}

TEST(ButtonChoice, DocumentDecidesTheKindAndTheButtonOnlyItsIndex) {
    struct Case {
        int index;
        bool fuerBeleg;
        qint16 belegart;
        int kind, target;
    };
    const Case cases[] = {
        {3, false, 120, 3, 3},
        {7, false, 10, -1, 7},
        {4, true, 120, 1, 1},
        {2, true, 0, -1, 0},
    };
    for (const Case& c : cases) {
        const ButtonChoice choice = buttonChoice(c.index, c.fuerBeleg, c.belegart);
        EXPECT_EQ(choice.kind, c.kind) << c.index << " " << c.belegart;
        EXPECT_EQ(choice.targetKind, c.target) << c.index << " " << c.belegart;
    }
}

TEST(LongTextStatement, IsComposedWithDefaultLanguageAndNoSupplement) {
    EXPECT_EQ(langtextSelect(QStringLiteral("001"), QStringLiteral("KAN")),
              QString::fromUtf8("Select Langtext from Textbausteine where Textart = 'KAN' AND "
                                "Textnummer = '001' AND SprachKZ='ÿÿÿ' AND ZusatztextNummer = "
                                "'000'"));
    // The number goes in untrimmed; a quote in it cannot end the value.
    EXPECT_EQ(langtextSelect(QStringLiteral(" O'1 "), QStringLiteral("FRG")),
              QString::fromUtf8("Select Langtext from Textbausteine where Textart = 'FRG' AND "
                                "Textnummer = ' O''1 ' AND SprachKZ='ÿÿÿ' AND ZusatztextNummer = "
                                "'000'"));
}

class PreviewLayout : public ::testing::Test {
protected:
    QFont font = QFont(QStringLiteral("Sans"), 9);
    QFontMetricsF metrics{font};
    QSize lines(int width, int count) const {
        return {width, static_cast<int>(
                           std::ceil(metrics.height() + (count - 1) * metrics.lineSpacing()))};
    }
};

TEST_F(PreviewLayout, KeepsTheTextsOwnLineBreaks) {
    const QString shown = fitPreviewText(QStringLiteral("Erste Zeile\r\nZweite\rDritte\n\nFünfte"),
                                         font, lines(400, 6));
    EXPECT_EQ(shown, QStringLiteral("Erste Zeile\nZweite\nDritte\n\nFünfte"));
}

TEST_F(PreviewLayout, WrapsToTheWidthAndCutsWithAnEllipsis) {
    const QString words = QStringLiteral(
        "Die gelieferte Ware bleibt bis zur vollständigen Bezahlung unser Eigentum, und es "
        "gelten unsere \"Besonderen Bedingungen\" für Wartung und Störungsdienst.");
    const int width = static_cast<int>(metrics.horizontalAdvance(QStringLiteral("x")) * 25);
    const QString shown = fitPreviewText(words, font, lines(width, 3));
    const QStringList out = shown.split(QLatin1Char('\n'));
    ASSERT_EQ(out.size(), 3) << shown.toStdString();
    for (const QString& line : out)
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
    EXPECT_TRUE(out.last().endsWith(QChar(0x2026)));
    // What is shown is the start of the text, word by word.
    QString joined = out.join(QLatin1Char(' '));
    joined.chop(1);
    EXPECT_TRUE(words.startsWith(joined.trimmed())) << joined.toStdString();

    // Room for everything: nothing is cut.
    const QString all = fitPreviewText(words, font, lines(width, 20));
    EXPECT_FALSE(all.contains(QChar(0x2026)));
    EXPECT_EQ(QString(all).replace(QLatin1Char('\n'), QLatin1Char(' ')), words);
}

TEST_F(PreviewLayout, ManyShortLinesAreCutAtTheLastThatFits) {
    const QString shown = fitPreviewText(QStringLiteral("a\nb\nc\nd\ne"), font, lines(200, 2));
    EXPECT_EQ(shown, QStringLiteral("a\nb") + QChar(0x2026));
    EXPECT_EQ(fitPreviewText(QString(), font, lines(200, 2)), QString());
}

} // namespace
