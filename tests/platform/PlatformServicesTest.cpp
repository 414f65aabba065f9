#include "platform/ComboListSelection.h"
#include "platform/Defaults.h"
#include "platform/PropertyBags.h"
#include "platform/QtDateTextService.h"
#include "platform/QtDialogRunner.h"
#include "platform/QtMessageService.h"
#include "platform/QtResourceLibrary.h"
#include <QComboBox>
#include <QFont>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

TEST(DateTextTest, ConvertsEitherFormAndPassesNonDatesThrough) {
    QtDateTextService dates;
    // "input|display form|stored form": either way, and both directions round-trip.
    for (const char* row :
         {"2024-03-05|05.03.2024|2024-03-05", "5.3.2024|05.03.2024|2024-03-05",
          "2024-02-29 00:00:00|29.02.2024|2024-02-29", "__.__.____|__.__.____|__.__.____", "||",
          "31.02.2024|31.02.2024|31.02.2024"}) {
        const QStringList c = QString::fromUtf8(row).split('|');
        EXPECT_EQ(QStringList({dates.ToDisplay(c[0]), dates.ToStored(c[0]),
                               dates.ToDisplay(dates.ToStored(c[1]))}),
                  QStringList({c[1], c[2], c[1]}))
            << row;
    }
}

TEST(ComboListSelectionTest, SelectsByItemDataElsePosition) {
    ComboListSelection selection;
    QComboBox positions;
    positions.addItems({QString(), QStringLiteral("Tageskurs"), QStringLiteral("Festkurs")});
    selection.Select(positions, 2);
    EXPECT_EQ(std::pair(positions.currentIndex(), selection.SelectedValue(positions)),
              std::pair(2, QVariant(2)));
    selection.Select(positions, 7);
    EXPECT_EQ(std::pair(positions.currentIndex(), selection.SelectedValue(positions)),
              std::pair(-1, QVariant()));

    QComboBox data;
    data.addItem(QStringLiteral("Tageskurs"), 10);
    data.addItem(QStringLiteral("Festkurs"), 20);
    selection.Select(data, 20);
    EXPECT_EQ(std::pair(data.currentIndex(), selection.SelectedValue(data)),
              std::pair(1, QVariant(20)));
    selection.Select(data, 1); // a position does not match where entries carry data
    EXPECT_EQ(data.currentIndex(), -1);
}

TEST(ResourceLibraryTest, PicturesAndTextsByNumber) {
    QtResourceLibrary resources;
    EXPECT_TRUE(resources.Bild(1).isNull() && resources.Text(4711).isEmpty()) << "unknown numbers";
    EXPECT_NE(resources.Bild(234).pixmap(32).toImage(), resources.Bild(235).pixmap(32).toImage());
    // A value that itself looks like a placeholder is taken literally.
    EXPECT_EQ(resources.Text(13048, {QStringLiteral("%1")}),
              QStringLiteral("Der Textbaustein %1 ist nicht vorhanden."));
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
    const QString report = runner->shown.takeAt(2);
    EXPECT_EQ(runner->shown,
              QStringList({"QelBelAdr: Kunde <b>Müller</b> & Söhne",
                           "QelBelAdr: " + QtResourceLibrary().Text(10050), "Information: Hallo"}));
    EXPECT_TRUE(report.startsWith(QStringLiteral("QelBelAdr: ")));
    for (const char* part : {"btnPlz_Click", "3146", "Tabelle fehlt"})
        EXPECT_TRUE(report.contains(QLatin1String(part))) << part;
}

TEST(PropertyBagsTest, DefaultsAreOmittedJsonFileRoundTripsTypedValues) {
    MemoryPropertyBag bag;
    bag.WriteProperty(QStringLiteral("MitPostfach"), false, false);
    bag.WriteProperty(QStringLiteral("AnzAdresse"), 3, 5);
    bag.WriteProperty(QStringLiteral("FürBeleg"), true, false);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("AnzAdresse"), QStringLiteral("FürBeleg")}));
    EXPECT_EQ(std::pair(bag.ReadProperty(QStringLiteral("MitPostfach"), true),
                        bag.ReadProperty(QStringLiteral("AnzAdresse"), 5)),
              std::pair(QVariant(true), QVariant(3)));
    // Writing the default again removes an earlier value.
    bag.WriteProperty(QStringLiteral("AnzAdresse"), 5, 5);
    EXPECT_FALSE(bag.contains(QStringLiteral("AnzAdresse")));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("AnzAdresse"), 5), QVariant(5));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.json"));
    QFont font(QStringLiteral("Sans Serif"), 11);
    font.setBold(true);

    // Key, value written, its default: each read back with its type.
    const std::tuple<QString, QVariant, QVariant> values[] = {
        {"MitFußtext", true, false},
        {"AnzAdresse", QVariant::fromValue<qint16>(3), QVariant::fromValue<qint16>(5)},
        {"BackColor", qint32(-2147483633), qint32(0)},
        {"Kurs", 1.0845, 0.0},
        {"Caption", QStringLiteral("Straße 'A'"), QString()},
        {"Font", font, QFont()}};
    JsonPropertyBag written;
    for (const auto& [key, value, def] : values)
        written.WriteProperty(key, value, def);
    ASSERT_TRUE(written.save(path));

    JsonPropertyBag read;
    ASSERT_TRUE(read.load(path));
    EXPECT_EQ(read.count(), 6);
    for (const auto& [key, value, def] : values) {
        const QVariant back = read.ReadProperty(key, def);
        EXPECT_EQ(back.typeId(), value.typeId()) << key.toStdString();
        EXPECT_EQ(back, value) << key.toStdString();
    }
    EXPECT_EQ(read.ReadProperty(QStringLiteral("MitPostfach"), false), QVariant(false));

    JsonPropertyBag missing;
    EXPECT_FALSE(missing.load(dir.filePath(QStringLiteral("fehlt.json"))));
    EXPECT_EQ(missing.count(), 0);
}

} // namespace
