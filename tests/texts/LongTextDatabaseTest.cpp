// Long texts on both engines come back exactly as stored; odd numbers cannot break the statement.
#include "control/ServiceHub.h"
#include "platform/SqlText.h"
#include "support/ControlHarness.h"
#include "texts/LongTextLookup.h"
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

const QString kStored = QString::fromUtf8(
    "Für \"Müller's\" Bäder: 5 € Nachlass,\r\nGrüße aus Köln – Straße 1\\2 ÿ\n\nEnde.");

template <class E> class LongTextOnEngines : public batest::EngineTest<E> {
protected:
    using Base = batest::EngineTest<E>;
    void SetUp() override {
        Base::SetUp();
        if (this->HasFatalFailure() || this->IsSkipped()) return;
        Base::database().exec(QStringLiteral("DELETE FROM Textbausteine"));
        insert(QStringLiteral("FRG"), QStringLiteral("001"), kStored);
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
    // A quote, a trailing blank (the number goes in untrimmed), an injection, "000" (never told).
    const Case cases[] = {{QStringLiteral("001 "), true},
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

} // namespace
