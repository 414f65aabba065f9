// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Text choice: text types, document kinds, the long-text lookup, preview.
#include "texts/TextKinds.h"
#include "control/DocumentKinds.h"
#include "control/ServiceHub.h"
#include "platform/SqlText.h"
#include "support/ControlHarness.h"
#include "texts/LongTextLookup.h"
#include "texts/PreviewText.h"
#include <QFontMetricsF>
#include <cmath>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

// The ten text types of the host's text selection: kind (0 AN, 1 AB, 2 LS,
// 3 RG, 4 GS) and row (0 header, 1 footer), written out rather than computed.
struct KnownType {
    int texttyp, kind, element;
};
constexpr KnownType kTextTypes[] = {{6, 0, 0}, {8, 1, 0}, {9, 2, 0}, {5, 3, 0}, {7, 4, 0},
                                    {1, 0, 1}, {3, 1, 1}, {4, 2, 1}, {0, 3, 1}, {2, 4, 1}};

const KnownType* known(int texttyp) {
    for (const KnownType& t : kTextTypes)
        if (t.texttyp == texttyp) return &t;
    return nullptr;
}

TEST(TextType, NamesKindAndRowFromANumberInAnyFormOthersAreNone) {
    for (const KnownType& t : kTextTypes)
        for (const QVariant& v : {QVariant(t.texttyp), QVariant(double(t.texttyp)),
                                  QVariant(QString::number(t.texttyp) + QStringLiteral(" "))}) {
            const auto type = textTypeOf(v);
            ASSERT_TRUE(type.has_value()) << v.toString().toStdString();
            EXPECT_EQ(std::pair(type->kind, type->element), std::pair(t.kind, t.element))
                << t.texttyp;
        }

    for (const QVariant& v : {QVariant(), QVariant(-1), QVariant(10), QVariant(6.5), QVariant("x"),
                              QVariant(QString()), QVariant(true), QVariant("6a")})
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
                const KnownType* t = known(texttyp);
                EXPECT_EQ(texttypFits(texttyp, true, belegart), t && t->kind == kind)
                    << belegart << " " << texttyp;
                EXPECT_TRUE(texttypFits(texttyp, false, belegart));
            }
        }
}

class PreviewLayout : public ::testing::Test {
protected:
    QFont font = QFont("Sans", 9);
    QFontMetricsF metrics{font};
    QSize lines(int width, int count) const {
        return {width, static_cast<int>(
                           std::ceil(metrics.height() + (count - 1) * metrics.lineSpacing()))};
    }
};

TEST_F(PreviewLayout, WrapsKeepsTheTextsOwnLinesAndCutsWithAnEllipsis) {
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

    EXPECT_EQ(fitPreviewText("Erste Zeile\r\nZweite\rDritte\n\nFünfte", font, lines(400, 6)),
              "Erste Zeile\nZweite\nDritte\n\nFünfte");
}

// Long texts on both engines come back exactly as stored; odd numbers cannot break the statement.
const QString kStored = QString::fromUtf8(
    "Für \"Müller's\" Bäder: 5 € Nachlass,\r\nGrüße aus Köln – Straße 1\\2 ÿ\n\nEnde.");

template <class E> class LongTextOnEngines : public batest::EngineTest<E> {
protected:
    using Base = batest::EngineTest<E>;
    void SetUp() override {
        Base::SetUp();
        if (this->HasFatalFailure() || this->IsSkipped()) return;
        Base::database().exec("DELETE FROM Textbausteine");
        Base::database().exec(QStringLiteral("INSERT INTO Textbausteine (Textart, Textnummer, "
                                             "SprachKZ, ZusatztextNummer, Langtext) VALUES "
                                             "('FRG', '001', %1, '000', %2)")
                                  .arg(quoted(QString(3, QChar(0x00FF))), quoted(kStored)));
        state.mAppObj = std::make_shared<batest::FakeHost>(Base::connection());
        Services services;
        services.messages = messages;
        hub.set(services);
    }

    ControlState state;
    ServiceHub hub{state};
    std::shared_ptr<batest::RecordingMessages> messages =
        std::make_shared<batest::RecordingMessages>();
};

TYPED_TEST_SUITE(LongTextOnEngines, batest::BothEngines, batest::EngineNames);

TYPED_TEST(LongTextOnEngines, ComesBackByteForByteOddNumbersAreMissingNotBroken) {
    LongTextLookup lookup(this->hub);
    const Langtext found = lookup.LeseLangtext("001", "FRG");
    ASSERT_EQ(found.result, Langtext::Result::Found);
    EXPECT_EQ(found.text.toString().toUtf8(), kStored.toUtf8());
    EXPECT_TRUE(this->messages->messages.isEmpty());
    // A trailing blank (the number goes in untrimmed), an injection, "000" (never told).
    for (const auto& [nummer, reported] :
         {std::pair{"001 ", 1}, std::pair{"'; DROP TABLE Textbausteine; --", 1},
          std::pair{"000", 0}}) {
        this->messages->messages.clear();
        EXPECT_EQ(lookup.LeseLangtext(QString::fromUtf8(nummer), "FRG").result,
                  Langtext::Result::Missing)
            << nummer;
        EXPECT_EQ(this->messages->messages.size(), reported) << nummer;
    }
    // The statement of the lookup never reached further than its own value.
    EXPECT_EQ(lookup.LeseLangtext("001", "FRG").result, Langtext::Result::Found);
    EXPECT_EQ(lookup.LeseLangtext(" ", "FRG").result, Langtext::Result::Empty);
}

} // namespace
