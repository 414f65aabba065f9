#include "platform/ComboListSelection.h"
#include "platform/Defaults.h"
#include "platform/QtDateTextService.h"
#include "platform/QtDialogRunner.h"
#include "platform/QtMessageService.h"
#include "platform/QtResourceLibrary.h"
#include <QComboBox>
#include <QMessageBox>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

struct DateCase {
    const char* input;
    const char* display;
    const char* stored;
};

class DateTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTextTest, ConvertsEitherFormAndPassesNonDatesThrough) {
    QtDateTextService dates;
    const DateCase& c = GetParam();
    EXPECT_EQ(dates.ToDisplay(QString::fromUtf8(c.input)), QString::fromUtf8(c.display));
    EXPECT_EQ(dates.ToStored(QString::fromUtf8(c.input)), QString::fromUtf8(c.stored));
    // Both directions round-trip.
    EXPECT_EQ(dates.ToDisplay(dates.ToStored(QString::fromUtf8(c.display))),
              QString::fromUtf8(c.display));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTextTest,
    ::testing::Values(DateCase{"2024-03-05", "05.03.2024", "2024-03-05"},
                      DateCase{"5.3.2024", "05.03.2024", "2024-03-05"},
                      DateCase{"2024-02-29 00:00:00", "29.02.2024", "2024-02-29"},
                      DateCase{"__.__.____", "__.__.____", "__.__.____"}, DateCase{"", "", ""},
                      DateCase{"31.02.2024", "31.02.2024", "31.02.2024"}));

TEST(ComboListSelectionTest, SelectsByItemDataElsePosition) {
    ComboListSelection selection;
    QComboBox positions;
    positions.addItems({QString(), QStringLiteral("Tageskurs"), QStringLiteral("Festkurs")});
    selection.Select(positions, 2);
    EXPECT_EQ(positions.currentIndex(), 2);
    EXPECT_EQ(selection.SelectedValue(positions), QVariant(2));
    selection.Select(positions, 7);
    EXPECT_EQ(positions.currentIndex(), -1);
    EXPECT_TRUE(selection.SelectedValue(positions).isNull());

    QComboBox data;
    data.addItem(QStringLiteral("Tageskurs"), 10);
    data.addItem(QStringLiteral("Festkurs"), 20);
    selection.Select(data, 20);
    EXPECT_EQ(data.currentIndex(), 1);
    EXPECT_EQ(selection.SelectedValue(data), QVariant(20));
    selection.Select(data, 1); // a position does not match where entries carry data
    EXPECT_EQ(data.currentIndex(), -1);
}

TEST(ResourceLibraryTest, PicturesAndTextsByNumber) {
    QtResourceLibrary resources;
    EXPECT_TRUE(resources.Bild(1).isNull());
    EXPECT_NE(resources.Bild(234).pixmap(32).toImage(), resources.Bild(235).pixmap(32).toImage());
    // A value that itself looks like a placeholder is taken literally.
    EXPECT_EQ(resources.Text(13048, {QStringLiteral("%1")}),
              QStringLiteral("Der Textbaustein %1 ist nicht vorhanden."));
    EXPECT_TRUE(resources.Text(4711).isEmpty());
}

// Shows every message box to a script that records title and text.
struct CapturingRunner : QtDialogRunner {
    int exec(QDialog& dialog) override {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        shown << dialog.windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString());
        plain = plain && box && box->textFormat() == Qt::PlainText;
        return QDialog::Accepted;
    }
    QStringList shown;
    bool plain = true;
};

// Texts are shown as they are: markup in a customer's name is no markup.
TEST(MessageServiceTest, ShowsTextsNumbersAndErrorReportsModally) {
    auto runner = std::make_shared<CapturingRunner>();
    auto service = defaultMessageService(runner);
    service->Meldung(QStringLiteral("Kunde <b>Müller</b> & Söhne"), 4, QStringLiteral("QelBelAdr"));
    service->Meldung(10050, 4, QStringLiteral("QelBelAdr"));
    service->Fehlermeldung(QStringLiteral("QelBelAdr"), QStringLiteral("btnPlz_Click"), 3146,
                           QStringLiteral("Tabelle fehlt"), true);
    EXPECT_TRUE(runner->plain);
    runner->information(QStringLiteral("Information"), QStringLiteral("Hallo"));
    ASSERT_EQ(runner->shown.size(), 4);
    EXPECT_EQ(runner->shown[0], QStringLiteral("QelBelAdr: Kunde <b>Müller</b> & Söhne"));
    EXPECT_EQ(runner->shown[1], QStringLiteral("QelBelAdr: ") + QtResourceLibrary().Text(10050));
    EXPECT_TRUE(runner->shown[2].startsWith(QStringLiteral("QelBelAdr: ")));
    for (const char* part : {"btnPlz_Click", "3146", "Tabelle fehlt"})
        EXPECT_TRUE(runner->shown[2].contains(QLatin1String(part))) << part;
    EXPECT_EQ(runner->shown[3], QStringLiteral("Information: Hallo"));
}

} // namespace
