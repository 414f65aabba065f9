// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Every dialog the control opens says German on its buttons, also on a host
// that loaded no Qt translations (as this test process).
#include "control/ServiceHub.h"
#include "platform/GermanButtons.h"
#include "platform/MasterDataEditDialog.h"
#include "platform/PostalChoiceDialog.h"
#include "platform/QtMessageService.h"
#include "platform/StandortAuskunft.h"
#include "service/SiteWindow.h"
#include "support/ControlHarness.h"
#include "windows/FrmInfo.h"
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace belegadressen;
using namespace batest;

namespace {

// Qt's untranslated standard-button texts, without their access-key marks.
const QStringList kEnglish =
    QString("Cancel|Close|Apply|Yes|No|Save|Discard|Help|Reset|Open|Abort|Retry|Ignore|Yes to "
            "All|No to All|Save All|Restore Defaults|Don't Save|Close without Saving")
        .split('|');

QStringList buttonTexts(const QWidget& window) {
    QStringList texts;
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (!b->text().isEmpty()) texts << b->text().remove('&');
    return texts;
}

// Keeps the button texts of every dialog shown through the runner.
void collect(ScriptedDialogRunner& runner, QStringList& texts) {
    runner.script = [&texts](QDialog& d) {
        texts << buttonTexts(d);
        return int(QDialog::Rejected);
    };
}

struct NoPositions : WindowPositionService {
    void Restore(const QString&, QWidget&) override {}
    void Save(const QString&, const QWidget&) override {}
};

struct DialogCase {
    const char* name;
    std::function<QStringList()> open; // the button texts the dialog shows
};

const DialogCase kDialogs[] = {
    {"MasterDataEditingFromShiftF2",
     [] {
         ControlHarness h;
         h.control().fktDragNummer("10001");
         QStringList texts;
         collect(h.services(), texts);
         h.focus("ocxZahlungsart");
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2, Qt::ShiftModifier);
         return texts;
     }},
    {"PostalChoice",
     [] {
         PostalChoiceDialog d(
             {{"88045", "Friedrichshafen", "", ""}, {"88045", "Immenstaad", "", ""}}, true, true);
         return buttonTexts(d);
     }},
    {"SiteInformationAndCommunicationData",
     [] {
         TestDatabase db(Engine::SQLite);
         QStringList texts;
         auto runner = std::make_shared<ScriptedDialogRunner>();
         collect(*runner, texts);
         StandortAuskunft site(std::make_shared<FakeHost>(db.connection()), runner);
         site.setKundennummer("10001");
         site.showStandortAuskunft();
         site.ShowAuskunftKommunikationsdaten(1, "10001", false, false);
         return runner->shown.size() == 2 ? texts : QStringList(); // both shown
     }},
    {"SiteWindow",
     [] {
         ControlState state;
         ServiceHub hub(state);
         Services services;
         services.windowPositions = std::make_shared<NoPositions>();
         hub.set(services);
         FrmAnlage window(hub);
         return buttonTexts(window);
     }},
    {"InfoWindow",
     [] {
         NoPositions positions;
         FrmInfo info(positions);
         info.setMode("1");
         return buttonTexts(info);
     }},
    {"Messages",
     [] {
         QStringList texts;
         auto runner = std::make_shared<ScriptedDialogRunner>();
         collect(*runner, texts);
         QtMessageService messages(runner, nullptr);
         messages.Meldung(QStringLiteral("Hinweis"), 4, QStringLiteral("QelBelAdr"), 0);
         messages.Fehlermeldung("QelBelAdr", "btnPlz_Click", 91, "Fehler", true);
         return texts;
     }},
};

class GermanDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(GermanDialog, ShowsNoEnglishStandardButton) {
    const QStringList texts = GetParam().open();
    ASSERT_FALSE(texts.isEmpty()) << "the dialog was not shown";
    for (const QString& text : texts)
        EXPECT_FALSE(kEnglish.contains(text))
            << text.toStdString() << " in " << texts.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Dialogs, GermanDialog, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

// A standard button the control may add later is labelled as well.
TEST(GermanButtons, EveryStandardButtonHasAGermanText) {
    for (int bit = QDialogButtonBox::FirstButton; bit <= QDialogButtonBox::LastButton; bit <<= 1) {
        const auto button = QDialogButtonBox::StandardButton(bit);
        QDialogButtonBox box(button);
        germanStandardButtons(box);
        for (const QString& text : buttonTexts(box))
            EXPECT_FALSE(kEnglish.contains(text)) << text.toStdString();
    }
}

} // namespace
