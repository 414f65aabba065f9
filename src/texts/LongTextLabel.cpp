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

QRect LongTextLabel::placement() const {
    QWidget* page = mLabel->parentWidget();
    const QRect rows = mRows->geometry();
    const int gap = gapOf(mRows);
    const QFontMetrics metrics = mLabel->fontMetrics();
    const int chrome = 2 * (mLabel->frameWidth() + mLabel->margin());

    // Beside the rows: right of the last control they show.
    int used = rows.left();
    for (QWidget* w : mRows->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(mRows)) used = std::max(used, rows.left() + w->geometry().right() + 1);
    const QRect beside(used + gap, rows.top(), rows.right() - used - gap + 1, rows.height());
    if (beside.width() >= kMinimumChars * metrics.averageCharWidth() + chrome) return beside;

    // Below the rows: down to the next control of the page under them.
    int bottom = page ? page->contentsRect().bottom() : rows.bottom();
    if (page)
        for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w == mLabel || w == mRows || !w->isVisibleTo(page)) continue;
            const QRect r = w->geometry();
            if (r.top() > rows.bottom() && r.left() <= rows.right() && r.right() >= rows.left())
                bottom = std::min(bottom, r.top() - gap);
        }
    const QRect below(rows.left(), rows.bottom() + 1 + gap, rows.width(),
                      bottom - rows.bottom() - gap);
    if (below.height() >= kMinimumLines * metrics.lineSpacing() + chrome) return below;
    return beside.width() >= below.height() ? beside : below;
}

void LongTextLabel::place() {
    const QRect where = placement();
    if (where.isValid()) mLabel->setGeometry(where);
}

void LongTextLabel::fit() {
    const int margin = mLabel->margin();
    const QRect area = mLabel->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QString shown = fitPreviewText(mText, mLabel->font(), area.size());
    if (shown != mLabel->text()) mLabel->setText(shown);
}

} // namespace belegadressen
