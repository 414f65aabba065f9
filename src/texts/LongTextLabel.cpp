#include "texts/LongTextLabel.h"
#include "control/ErrorStyles.h"
#include "texts/PreviewText.h"
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

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
    mLabel->installEventFilter(this);
    if (QWidget* page = mLabel->parentWidget()) page->installEventFilter(this);
}

void LongTextLabel::show(const QString& text) {
    mText = text;
    place();
    mLabel->show();
    mLabel->raise();
    fit();
}

void LongTextLabel::hide() { mLabel->hide(); }

bool LongTextLabel::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == mLabel && (type == QEvent::Resize || type == QEvent::FontChange))
        guarded([&] { fit(); });
    else if (watched != mLabel && type == QEvent::Resize && mLabel->isVisible())
        guarded([&] { place(); });
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

void LongTextLabel::place() {
    // Without any free space the label shrinks to nothing rather than cover a control.
    const QRect where = placement();
    mLabel->setGeometry(where.isValid() ? where : QRect(where.topLeft(), QSize(0, 0)));
}

void LongTextLabel::fit() {
    const int margin = mLabel->margin();
    const QRect area = mLabel->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QString shown = fitPreviewText(mText, mLabel->font(), area.size());
    if (shown != mLabel->text()) mLabel->setText(shown);
}

} // namespace belegadressen
