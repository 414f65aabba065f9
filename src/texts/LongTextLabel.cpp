// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "texts/LongTextLabel.h"
#include "texts/PreviewText.h"
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace belegadressen {

namespace {

constexpr int kMinimumChars = 24;
constexpr int kMinimumLines = 2;

int gapOf(QWidget* rows) {
    auto* grid = qobject_cast<QGridLayout*>(rows->layout());
    const int gap = grid ? grid->horizontalSpacing() : -1;
    return gap >= 0 ? gap : 6;
}

} // namespace

LongTextLabel::LongTextLabel(QLabel* label, QWidget* rows)
    : QObject(label), mLabel(label), mRows(rows) {
    // The lines are broken here, so that the label never wraps them a second
    // time, and its text never asks the page for more room.
    mLabel->setWordWrap(false);
    mLabel->setTextFormat(Qt::PlainText);
    mLabel->setIndent(0);
    mSizes.watch(mLabel);
    if (QWidget* page = mLabel->parentWidget()) mSizes.watch(page);
}

void LongTextLabel::show(const QString& text) {
    mText = text;
    // The label moves with the rows from page to page.
    if (QWidget* page = mLabel->parentWidget()) mSizes.watch(page);
    mLabel->show();
    mLabel->raise();
    place();
}

void LongTextLabel::hide() { mLabel->hide(); }

bool LongTextLabel::relayout(QObject* watched, QEvent* event) {
    const auto type = event->type();
    const bool replace = watched == mLabel ? type == QEvent::FontChange : type == QEvent::Resize;
    if (replace && mLabel->isVisible()) place();
    return false;
}

// The free space of the page in the columns [left, right]: from the lowest
// control above the rows to the highest one below them.
QRect LongTextLabel::freeColumn(int left, int right) const {
    QWidget* page = mLabel->parentWidget();
    const QRect rows = mRows->geometry();
    const int gap = gapOf(mRows);
    int top = page->contentsRect().top(), bottom = page->contentsRect().bottom();
    for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == mLabel || w == mRows || !w->isVisibleTo(page)) continue;
        const QRect r = w->geometry();
        if (r.right() < left || r.left() > right) continue;
        if (r.bottom() < rows.top())
            top = std::max(top, r.bottom() + 1 + gap);
        else if (r.top() > rows.bottom())
            bottom = std::min(bottom, r.top() - 1 - gap);
        else if (r.left() > left)
            right = std::min(right, r.left() - 1 - gap);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect LongTextLabel::placement() const {
    const QRect rows = mRows->geometry();
    const int gap = gapOf(mRows);
    const QFontMetrics metrics = mLabel->fontMetrics();
    const int chrome = 2 * (mLabel->frameWidth() + mLabel->margin());
    const int minimumWidth = kMinimumChars * metrics.averageCharWidth() + chrome;
    const int minimumHeight = kMinimumLines * metrics.lineSpacing() + chrome;

    // Beside the rows, right of the last control they show, or below them, as
    // wide as the rows: the one that holds more text.
    int used = rows.left();
    for (QWidget* w : mRows->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(mRows)) used = std::max(used, rows.left() + w->geometry().right() + 1);
    const QRect beside = freeColumn(used + gap, rows.right());
    QRect below = freeColumn(rows.left(), rows.right());
    below.setTop(rows.bottom() + 1 + gap);
    const auto room = [&](const QRect& r) {
        return r.isValid() ? qint64(r.width()) * r.height() : qint64(0);
    };
    const auto enough = [&](const QRect& r) {
        return r.width() >= minimumWidth && r.height() >= minimumHeight;
    };
    if (enough(beside) != enough(below)) return enough(beside) ? beside : below;
    return room(beside) >= room(below) ? beside : below;
}

// The label takes the free space it is given, and of its height only what
// the laid-out text needs. Without any free space it shrinks to nothing
// rather than cover a control.
void LongTextLabel::place() {
    QRect where = placement();
    if (!where.isValid()) where.setSize(QSize(0, 0));
    const int chrome = mLabel->frameWidth() + mLabel->margin();
    const QSize area = where.size() - QSize(2 * chrome, 2 * chrome);
    const QString shown = fitPreviewText(mText, mLabel->font(), area);
    if (shown != mLabel->text()) mLabel->setText(shown);
    const QFontMetricsF metrics(mLabel->font());
    const int lines = static_cast<int>(shown.count(QLatin1Char('\n'))) + 1;
    const int needed =
        static_cast<int>(std::ceil(metrics.height() + (lines - 1) * metrics.lineSpacing())) +
        2 * chrome + 1;
    where.setHeight(std::min(where.height(), needed));
    mLabel->setGeometry(where);
}

} // namespace belegadressen
