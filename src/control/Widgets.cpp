#include "control/Widgets.h"
#include "control/ErrorStyles.h"
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

namespace belegadressen {

namespace {

class Filter : public QObject {
public:
    using Handler = std::function<bool(QEvent*)>;
    Filter(QObject* target, Handler h) : QObject(target), mHandler(std::move(h)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        bool eat = false;
        guarded([&] { eat = mHandler(e); });
        return eat;
    }

private:
    Handler mHandler;
};

} // namespace

void showEditable(QLineEdit* field, bool editable) {
    field->setReadOnly(!editable);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, editable ? QColor(Qt::white) : p.color(QPalette::Button));
    field->setPalette(p);
}

void onLeave(QWidget* field, QWidget* scope, std::function<void()> leave) {
    new Filter(field, [field, scope, leave](QEvent* e) {
        if (e->type() != QEvent::FocusOut) return false;
        QWidget* next = QApplication::focusWidget();
        // Another field of the control, or of the host's window around it;
        // a dialog or another window taking the focus is no leave.
        const bool sameWindow = next && next->window() == scope->window();
        if (next && next != field && (scope->isAncestorOf(next) || sameWindow) &&
            !field->isAncestorOf(next))
            leave();
        return false;
    });
}

void onKeyRelease(QWidget* field, std::function<bool(int, Qt::KeyboardModifiers)> onKey) {
    new Filter(field, [onKey](QEvent* e) {
        if (e->type() != QEvent::KeyRelease) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        return onKey(k->key(), k->modifiers());
    });
}

void onLeftMouseDown(QWidget* w, std::function<void()> onPress) {
    new Filter(w, [onPress](QEvent* e) {
        if (e->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            onPress();
        return false;
    });
}

void onFocusIn(QWidget* w, std::function<void()> onFocus) {
    new Filter(w, [onFocus](QEvent* e) {
        if (e->type() == QEvent::FocusIn) onFocus();
        return false;
    });
}

void onMouse(QWidget* w, std::function<void()> onMouse) {
    new Filter(w, [onMouse](QEvent* e) {
        const auto t = e->type();
        if (t == QEvent::MouseMove || t == QEvent::MouseButtonPress ||
            t == QEvent::MouseButtonRelease)
            onMouse();
        return false;
    });
}

} // namespace belegadressen
