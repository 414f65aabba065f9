// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// A host's form from Designer, through uic: setupUi builds the control and sets
// the properties the form stores, AnzAdresse among them, before any host code
// runs. The order the guide gives after setupUi configures what that early
// AnzAdresse could not, and keeps what the form set.
#include "platform/QtMasterDataCombo.h"
#include "support/ControlHarness.h"
#include "ui_HostForm.h"
#include <QTest>

using namespace belegadressen;
using namespace batest;

TEST(DesignerForm, SetupUiSetsAnzAdresseThenTheHostObjectAndAnzAdresseAgain) {
    TestDatabase db(Engine::SQLite);
    db.exec(
        QStringLiteral("INSERT INTO Währungen (Währung, Langtext, Kurs) VALUES ('EUR','Euro',1)"));
    QWidget form;
    Ui::HostForm ui;
    ui.setupUi(&form);
    BelegAdressen& block = *ui.adressen;
    auto* currency = dynamic_cast<QtMasterDataCombo*>(block.findChild<QWidget*>("ocxWaehrung"));
    ASSERT_NE(currency, nullptr);
    // What setupUi already did: the form's values, without a host object.
    EXPECT_EQ(block.AnzAdresse(), 3);
    EXPECT_TRUE(block.MitPostfach());
    EXPECT_EQ(currency->connection(), nullptr);

    // The guide's order after setupUi.
    auto host = std::make_shared<FakeHost>(db.connection());
    block.setAppObj(host);
    block.AddLandeswaehrung(QStringLiteral("EUR"));
    block.setAnzAdresse(block.AnzAdresse());
    for (qint16 n : {3, 2, 1})
        block.SetzeAnzSeiten(n, 1);
    block.setAktAdresse(1);

    EXPECT_EQ(block.AnzAdresse(), 3);
    EXPECT_TRUE(block.MitPostfach());
    EXPECT_EQ(currency->tableName(), QStringLiteral("Währungen"));
    EXPECT_EQ(currency->connection(), db.connection());
    // A one-off address typed into the form's control is stored.
    form.show();
    auto* bez1 = block.findChild<QLineEdit*>("txtDAdr_1");
    bez1->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(bez1, "Einmalkunde");
    ui.eigenesFeld->setFocus(Qt::TabFocusReason);
    block.setAktAdresse(2);
    block.setAktAdresse(1);
    EXPECT_EQ(block.GetBez1(), QStringLiteral("Einmalkunde"));
}
