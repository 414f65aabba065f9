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
    // A column of a customer of the sample; empty when there is none.
    QString customerValue(const QString& nummer, const char* column);
    // Types `text` over the control's field `name` as a user does: the field
    // takes the focus, its text is selected and typed over.
    void typeInto(const char* name, const QString& text);
    // A German firm of the sample ("... GmbH") in a town of several postal
    // codes, the `nth` by number (from 0) of those meeting `condition` on
    // row k; empty, and noted, when the sample has none.
    QString firmInTownOfSeveralCodes(int nth, const QString& condition = QStringLiteral("true"));
    // Another postal code of the town `ort` than `plz`.
    QString otherCodeOfTown(const QString& ort, const QString& plz);
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
