// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "platform/EventHook.h"
#include <QObject>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace belegadressen {

// The preview label of a module's long text (lblText). It stands in the free
// space beside the text-number rows, or below them where the rows leave too
// little room beside, and never covers another control. It keeps the whole
// text and shows as much of it as its size holds: the text's own line breaks,
// wrapped lines, an ellipsis where it is cut. It is laid out again when its
// page changes size.
class LongTextLabel : public QObject {
public:
    // `rows` is the area of the text-number rows, a sibling of the label.
    LongTextLabel(QLabel* label, QWidget* rows);

    void show(const QString& text);
    void hide();
    // The whole text last shown.
    const QString& text() const { return mText; }

    // Where the label goes on its page: free of every other visible control.
    QRect placement() const;

private:
    // Lays the label out again when its font or its page's size changes.
    bool relayout(QObject* watched, QEvent* event);
    QRect freeColumn(int left, int right) const;
    void place();

    QLabel* mLabel;
    QWidget* mRows;
    QString mText;
    EventHook mSizes{[this](QObject* watched, QEvent* event) { return relayout(watched, event); }};
};

} // namespace belegadressen
