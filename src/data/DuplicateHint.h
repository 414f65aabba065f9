// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "data/DuplicateLookup.h"
#include "platform/EventHook.h"
#include <QFrame>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace belegadressen {

// The small frame beside the number field that lists possible duplicates of a
// new address, surest first: one clickable entry per match with its number,
// name, street, place and why it matches, reached with Tab from the number
// field, closed by Esc, by its close button or by its owner. It never
// takes the focus by itself, so typing goes on where it was.
class DuplicateHint : public QFrame {
public:
    using Choose = std::function<void(const DuplicateCandidate&)>;
    // `anchor` is the number field; the hint sits to the right of `rowEnd`,
    // the last widget of the number's row, on the anchor's panel.
    DuplicateHint(QWidget* anchor, QWidget* rowEnd, Choose choose);
    ~DuplicateHint() override;

    void showFor(const std::vector<DuplicateCandidate>& candidates);
    void dismiss();

    // At most this many entries are listed; the caption counts the rest.
    static constexpr int kMaxEntries = 3;

private:
    // Esc anywhere in the control's window closes the hint while it is open.
    bool escape(QObject* watched, QEvent* event);
    void place();
    bool inControl(QObject* o) const;

    QWidget* mAnchor;
    QWidget* mRowEnd;
    Choose mChoose;
    QLabel* mCaption;
    QToolButton* mClose;
    std::vector<QPushButton*> mEntries;
    std::vector<DuplicateCandidate> mCandidates;
    bool mFiltering = false;
    EventHook mEscape{[this](QObject* watched, QEvent* event) { return escape(watched, event); }};
};

} // namespace belegadressen
