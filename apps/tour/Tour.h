// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QString>
#include <QStringList>

class DocumentWindow;
class QWidget;

// A line of the tour's printed record.
void say(const QString& line);
// A key pressed and released in `w`, as the keyboard delivers it.
void press(QWidget* w, int key);

// The scripted run without a display: typical steps of a user on the
// document window, each with a screenshot, the events and messages printed.
class Tour {
public:
    Tour(DocumentWindow& window, QString folder);
    // Answers the process exit code.
    int run();
    void runCommercial();

private:
    void runInfoWindow();
    void runPostal();
    // A number typed over another and saved at once; the question before
    // unsaved edits are discarded.
    void runSafety();
    void step(const QString& title);
    void shoot(const QString& name); // the window, once events have settled
    // `widget` as it is now, as <step>-<name>.png.
    void shoot(QWidget& widget, const QString& name);
    void settle(int ms = 150);
    // Types into txtDNummer and moves the focus on, as a user would; falls
    // back to fktDragNummer when the focus cannot move (no active window).
    void typeNumber(const QString& number);
    QString firstValue(const QString& sql);
    bool compareDocuments();
    void runService(); // TourService.cpp
    void runTexts();
    void runKeyboard();          // TourKeyboard.cpp
    void runPartSearch();        // TourSearch.cpp
    void runDuplicate();         // TourDuplicate.cpp
    void runGerman();            // TourGerman.cpp
    void runConflicts();         // TourConflicts.cpp
    void runAddressCheck();      // TourAddressCheck.cpp
    void runTypingSearch();      // TourTyping.cpp
    void runDuplicateVariants(); // TourDuplicateVariants.cpp
    void runDuplicateRewrite();  // TourDuplicateRewrite.cpp

    DocumentWindow& mWindow;
    QString mFolder;
    int mStep = 0;
    QStringList mShots;
    QStringList mFindings;
};
