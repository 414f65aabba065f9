// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// The customer search waits for a pause in typing and shows only the answer
// to the newest text, however late the server answers an older one.
#include "SearchDialog.h"
#include "support/TestDatabase.h"
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Customers : batest::TestDatabase {
    Customers() : TestDatabase(batest::Engine::SQLite) {
        exec("insert into Kundenstamm (Kundennummer, Bez1, Straße, PLZ, Ort) values "
             "('10001', 'Alpha Haustechnik', 'Erste Straße 1', '10115', 'Berlin'), "
             "('10002', 'Zehner Bau AG', 'Zweite Gasse 2', '80331', 'München'), "
             "('10003', 'Zeller Elektro', 'Dritter Weg 3', '80333', 'München')");
    }
};

QStringList shownNames(const SearchDialog& dialog) {
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("lstTreffer"));
    QStringList names;
    for (int r = 0; r < table->rowCount(); ++r)
        names << table->item(r, 1)->text();
    return names;
}

} // namespace

TEST(SearchTyping, ABurstOfKeysAsksOnceAfterThePause) {
    Customers database;
    SearchDialog dialog(SearchTarget::customers(), database.db());
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
    const int asked = dialog.searchesAsked();
    // Keys 40 ms apart: quicker than the pause, so none of them searches.
    QTest::keyClicks(field, QStringLiteral("Zehn"), Qt::NoModifier, 40);
    EXPECT_EQ(dialog.searchesAsked(), asked);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.searchesAsked() > asked; }, 2000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return shownNames(dialog) == QStringList{"Zehner Bau AG"}; }, 5000));
    EXPECT_EQ(dialog.searchesAsked(), asked + 1);
}

TEST(SearchTyping, AnAnswerToAnOlderTextIsNeverShown) {
    Customers database;
    SearchDialog dialog(SearchTarget::customers(), database.db());
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
    const int shown = dialog.answersShown();
    // The server holds the search for "Alpha" back until the user has typed on.
    QSqlQuery lock(database.db());
    ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
    const int asked = dialog.searchesAsked();
    QTest::keyClicks(field, QStringLiteral("Alpha"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.searchesAsked() > asked; }, 2000));
    field->clear();
    QTest::keyClicks(field, QStringLiteral("Zell"));
    ASSERT_TRUE(lock.exec("ROLLBACK"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return shownNames(dialog) == QStringList{"Zeller Elektro"}; }, 8000));
    // The answer to "Alpha" arrived, and was dropped.
    EXPECT_EQ(dialog.answersShown(), shown + 1);
    // Enter while an answer is still out takes the newest one.
    field->setText(QStringLiteral("Alpha"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(dialog.chosenKey(), QStringLiteral("10001"));
}
