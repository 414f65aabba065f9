// Long texts of text modules read from SQLite and PostgreSQL: the text comes
// back exactly as stored, through the lookup and in the preview of the real
// control, and odd numbers cannot break the statement.
// Mouse moves go through the window system, as a user's do.
#define QTEST_QPA_MOUSE_HANDLING
#include "control/BelegAdressen.h"
#include "control/ServiceHub.h"
#include "platform/SqlText.h"
#include "support/ControlHarness.h"
#include "texts/LongTextLookup.h"
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

const QString kStored = QString::fromUtf8(
    "Für \"Müller's\" Bäder: 5 € Nachlass,\r\nGrüße aus Köln – Straße 1\\2 ÿ\n\nEnde.");
const QString kShort = QString::fromUtf8("Für \"Müller's\" Bäder\nGrüße – ß ÿ");

template <class E> class LongTextOnEngines : public batest::EngineTest<E> {
protected:
    using Base = batest::EngineTest<E>;
    void SetUp() override {
        Base::SetUp();
        if (this->HasFatalFailure() || this->IsSkipped()) return;
        Base::database().exec(QStringLiteral("DELETE FROM Textbausteine"));
        insert(QStringLiteral("FRG"), QStringLiteral("001"), kStored);
        insert(QStringLiteral("FRG"), QStringLiteral("002"), kShort);
        messages = std::make_shared<batest::RecordingMessages>();
        state.mAppObj = std::make_shared<batest::FakeHost>(Base::connection());
        Services services;
        services.messages = messages;
        hub.set(services);
    }
    void insert(const QString& art, const QString& nr, const QString& text) {
        Base::database().exec(
            QStringLiteral("INSERT INTO Textbausteine (Textart, Textnummer, SprachKZ, "
                           "ZusatztextNummer, Langtext) VALUES (%1, %2, %3, '000', %4)")
                .arg(quoted(art), quoted(nr), quoted(QString(3, QChar(0x00FF))), quoted(text)));
    }

    ControlState state;
    ServiceHub hub{state};
    std::shared_ptr<batest::RecordingMessages> messages;
};

TYPED_TEST_SUITE(LongTextOnEngines, batest::BothEngines, batest::EngineNames);

TYPED_TEST(LongTextOnEngines, ComesBackByteForByte) {
    LongTextLookup lookup(this->hub);
    const Langtext found = lookup.LeseLangtext(QStringLiteral("001"), QStringLiteral("FRG"));
    ASSERT_EQ(found.result, Langtext::Result::Found);
    EXPECT_EQ(found.text.toString().toUtf8(), kStored.toUtf8());
    EXPECT_TRUE(this->messages->messages.isEmpty());
}

TYPED_TEST(LongTextOnEngines, OddNumbersAreMissingNotBroken) {
    LongTextLookup lookup(this->hub);
    struct Case {
        QString nummer;
        bool reported;
    };
    // A quote, a trailing blank (the number goes in untrimmed), another kind's
    // number, and "000", which is never reported.
    const Case cases[] = {{QStringLiteral("0'1"), true},
                          {QStringLiteral("001 "), true},
                          {QStringLiteral("'; DROP TABLE Textbausteine; --"), true},
                          {QStringLiteral("000"), false}};
    for (const Case& c : cases) {
        this->messages->messages.clear();
        const Langtext answer = lookup.LeseLangtext(c.nummer, QStringLiteral("FRG"));
        EXPECT_EQ(answer.result, Langtext::Result::Missing) << c.nummer.toStdString();
        EXPECT_EQ(this->messages->messages.size(), c.reported ? 1 : 0) << c.nummer.toStdString();
    }
    // The statement of the lookup never reached further than its own value.
    EXPECT_EQ(lookup.LeseLangtext(QStringLiteral("001"), QStringLiteral("FRG")).result,
              Langtext::Result::Found);
    EXPECT_EQ(lookup.LeseLangtext(QStringLiteral(" "), QStringLiteral("FRG")).result,
              Langtext::Result::Empty);
}

TYPED_TEST(LongTextOnEngines, PreviewOfTheRealControlShowsTheStoredText) {
    BelegAdressen w;
    Services services;
    services.messages = this->messages;
    w.setServices(services);
    w.setAppObj(std::make_shared<batest::FakeHost>(this->connection()));
    w.AddLandeswaehrung(QStringLiteral("EUR"));
    w.setAnzAdresse(1);
    w.SetzeAnzSeiten(1, 2);
    w.setAktAdresse(1);
    w.setFuerBeleg(true);
    w.AddBelegart(60);
    w.setMitFusstext(true);
    w.AddFReNr(QStringLiteral("002"));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* field = w.findChild<QLineEdit*>(QStringLiteral("txtdReNr_1"));
    // From elsewhere: a move to where the mouse already is moves nothing.
    QTest::mouseMove(&w, QPoint(1, 1));
    QTest::mouseMove(field, field->rect().center());
    QApplication::processEvents();
    auto* preview = w.findChild<QLabel*>(QStringLiteral("lblText"));
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->text().toUtf8(), kShort.toUtf8());
    EXPECT_TRUE(this->messages->messages.isEmpty());
}

} // namespace
