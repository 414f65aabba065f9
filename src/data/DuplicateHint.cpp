// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "data/DuplicateHint.h"
#include "platform/GuardedConnect.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace belegadressen {

namespace {

// Two lines, so that the entry fits beside the number field: who and why,
// then name, street and place.
QString entryText(const DuplicateCandidate& c) {
    const PartyAddress& a = c.address;
    QStringList parts;
    const QString name = (a.vorname.trimmed() + QLatin1Char(' ') + a.bez1.trimmed()).trimmed();
    for (const QString& p : {name, a.strasse.trimmed(),
                             (a.plz.trimmed() + QLatin1Char(' ') + a.ort.trimmed()).trimmed()})
        if (!p.isEmpty()) parts << p;
    return (c.source == DuplicateSource::Kunde ? QStringLiteral("Kunde ")
                                               : QStringLiteral("Adresse ")) +
           c.nummer + QStringLiteral(" (") + c.reason + QStringLiteral(")\n") +
           parts.join(QStringLiteral(", "));
}

} // namespace

DuplicateHint::DuplicateHint(QWidget* anchor, QWidget* rowEnd, Choose choose)
    : QFrame(anchor->parentWidget()), mAnchor(anchor), mRowEnd(rowEnd), mChoose(std::move(choose)) {
    setObjectName(QStringLiteral("panDuplikat"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    setAccessibleName(QStringLiteral("Mögliche Dubletten"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 1, 1, 2);
    column->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    column->addLayout(row);
    mCaption = new QLabel(this);
    mCaption->setObjectName(QStringLiteral("lblDuplikat"));
    mCaption->setTextFormat(Qt::PlainText);
    row->addWidget(mCaption);
    mClose = new QToolButton(this);
    mClose->setObjectName(QStringLiteral("btnDuplikatSchliessen"));
    mClose->setText(QStringLiteral("×"));
    mClose->setAutoRaise(true);
    mClose->setToolTip(QStringLiteral("Hinweis schließen (Esc)"));
    mClose->setAccessibleName(QStringLiteral("Hinweis schließen"));
    mClose->setFocusPolicy(Qt::NoFocus);
    row->addStretch(1);
    row->addWidget(mClose);
    connectGuarded(mClose, &QToolButton::clicked, this, [this] { dismiss(); });
    hide();
}

DuplicateHint::~DuplicateHint() {
    if (mFiltering) mEscape.unwatch(qApp);
}

void DuplicateHint::showFor(const std::vector<DuplicateCandidate>& candidates) {
    for (QPushButton* b : mEntries)
        delete b;
    mEntries.clear();
    mCandidates = candidates;
    if (candidates.empty()) {
        dismiss();
        return;
    }
    const int listed = std::min<int>(static_cast<int>(candidates.size()), kMaxEntries);
    const int more = static_cast<int>(candidates.size()) - listed;
    mCaption->setText(more > 0      ? QStringLiteral("Mögliche Dubletten (%1 weitere):").arg(more)
                      : listed == 1 ? QStringLiteral("Mögliche Dublette:")
                                    : QStringLiteral("Mögliche Dubletten:"));
    auto* column = static_cast<QVBoxLayout*>(layout());
    QWidget* previous = mAnchor;
    for (int i = 0; i < listed; ++i) {
        const DuplicateCandidate& c = mCandidates[static_cast<size_t>(i)];
        auto* entry = new QPushButton(entryText(c), this);
        entry->setObjectName(QStringLiteral("btnDuplikat_%1").arg(i));
        entry->setFlat(true);
        entry->setCursor(Qt::PointingHandCursor);
        entry->setStyleSheet(QStringLiteral("text-align: left"));
        entry->setToolTip(QStringLiteral("Diese Adresse übernehmen"));
        entry->setAccessibleName(entryText(c).replace(QLatin1Char('\n'), QStringLiteral(": ")));
        entry->setFocusPolicy(Qt::StrongFocus);
        QFont f = entry->font();
        f.setUnderline(true);
        entry->setFont(f);
        column->addWidget(entry);
        // Copy: choosing reloads the address, which closes the hint.
        connectGuarded(entry, &QPushButton::clicked, this, [this, c] { mChoose(c); });
        // Reached with Tab straight from the number field.
        QWidget::setTabOrder(previous, entry);
        previous = entry;
        mEntries.push_back(entry);
    }
    place();
    show();
    raise();
    if (!mFiltering) {
        mEscape.watch(qApp);
        mFiltering = true;
    }
}

void DuplicateHint::dismiss() {
    if (mFiltering) {
        mEscape.unwatch(qApp);
        mFiltering = false;
    }
    const bool hadFocus = isAncestorOf(QApplication::focusWidget());
    hide();
    if (hadFocus && mAnchor->isVisible()) mAnchor->setFocus(Qt::OtherFocusReason);
}

void DuplicateHint::place() {
    adjustSize();
    QWidget* panel = parentWidget();
    const QRect end(mRowEnd->mapTo(panel, QPoint(0, 0)), mRowEnd->size());
    const QRect field(mAnchor->mapTo(panel, QPoint(0, 0)), mAnchor->size());
    const int x = (mRowEnd->isVisible() ? end.right() : field.right()) + 6;
    const int width = std::min(sizeHint().width(), std::max(0, panel->width() - x));
    // Its top at the number's row, going down over the right-hand fields;
    // kept inside the panel, whose top would cut off the caption.
    const int height = sizeHint().height();
    const int y = std::max(0, std::min(field.top() - 2, panel->height() - height));
    setGeometry(x, y, width, height);
}

bool DuplicateHint::inControl(QObject* o) const {
    auto* w = qobject_cast<QWidget*>(o);
    QWidget* control = parentWidget() ? parentWidget()->window() : nullptr;
    return w && control && w->window() == control;
}

bool DuplicateHint::escape(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !isVisible())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier || !inControl(watched))
        return false;
    // Esc belongs to the hint while it is open, not to a shortcut of the host.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    dismiss();
    return true;
}

} // namespace belegadressen
