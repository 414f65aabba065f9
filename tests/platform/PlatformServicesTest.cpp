// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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
    QComboBox positions, data;
    positions.addItems({QString(), "Tageskurs", "Festkurs"});
    data.addItem("Tageskurs", 10);
    data.addItem("Festkurs", 20);
    // Value selected, then index and value read back; where entries carry data, no position.
    for (const auto& [box, value, index, back] :
         {std::tuple{&positions, 2, 2, QVariant(2)}, std::tuple{&positions, 7, -1, QVariant()},
          std::tuple{&data, 20, 1, QVariant(20)}, std::tuple{&data, 1, -1, QVariant()}}) {
        selection.Select(*box, value);
        EXPECT_EQ(std::pair(box->currentIndex(), selection.SelectedValue(*box)),
                  std::pair(index, back))
            << value;
    }
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

// Texts are shown as they are: markup in a customer's name is no markup. A
// number names a text of the library; a value that itself looks like a
// placeholder is taken literally, an unknown number gives no text.
TEST(MessageServiceTest, ShowsTextsNumbersAndErrorReportsModally) {
    QtResourceLibrary resources;
    EXPECT_TRUE(resources.Text(4711).isEmpty());
    EXPECT_EQ(resources.Text(13048, {QStringLiteral("%1")}),
              "Der Textbaustein %1 ist nicht vorhanden.");
    auto runner = std::make_shared<CapturingRunner>();
    auto service = defaultMessageService(runner);
    service->Meldung("Kunde <b>Müller</b> & Söhne", 4, "QelBelAdr");
    service->Meldung(10050, 4, "QelBelAdr");
    service->Fehlermeldung("QelBelAdr", "btnPlz_Click", 3146, "Tabelle fehlt", true);
    EXPECT_TRUE(runner->plain);
    ASSERT_EQ(runner->shown.size(), 3);
    const QString report = runner->shown.takeAt(2);
    EXPECT_EQ(runner->shown, QStringList({"QelBelAdr: Kunde <b>Müller</b> & Söhne",
                                          "QelBelAdr: " + resources.Text(10050)}));
    EXPECT_TRUE(report.startsWith("QelBelAdr: "));
    for (const char* part : {"btnPlz_Click", "3146", "Tabelle fehlt"})
        EXPECT_TRUE(report.contains(QLatin1String(part))) << part;
}

// Each value read back from the file with its type; a default is not written.
TEST(PropertyBagsTest, JsonFileRoundTripsTypedValues) {
    QTemporaryDir dir;
    const QString path = dir.filePath("form.json");
    QFont font("Sans Serif", 11);
    font.setBold(true);

    // Key, value written, its default: each read back with its type.
    const std::tuple<QString, QVariant, QVariant> values[] = {
        {"MitFußtext", true, false},
        {"AnzAdresse", QVariant::fromValue<qint16>(3), QVariant::fromValue<qint16>(5)},
        {"BackColor", qint32(-2147483633), qint32(0)},
        {"Kurs", 1.0845, 0.0},
        {"Caption", "Straße 'A'", QString()},
        {"Font", font, QFont()}};
    JsonPropertyBag written;
    written.WriteProperty("MitPostfach", false, false);
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
    EXPECT_EQ(read.ReadProperty("MitPostfach", true), QVariant(true));

    EXPECT_FALSE(JsonPropertyBag().load(dir.filePath("fehlt.json")));
}

} // namespace
