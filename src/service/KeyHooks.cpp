#include "service/KeyHooks.h"
#include "control/ErrorStyles.h"
#include <QKeyEvent>

namespace belegadressen {

namespace {
class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QWidget* field, std::function<bool(int, Qt::KeyboardModifiers)> onKey)
        : QObject(field), mOnKey(std::move(onKey)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        bool eat = false;
        guarded([&] { eat = mOnKey(k->key(), k->modifiers()); });
        return eat;
    }

private:
    std::function<bool(int, Qt::KeyboardModifiers)> mOnKey;
};
} // namespace

void onKeyPress(QWidget* field, std::function<bool(int, Qt::KeyboardModifiers)> onKey) {
    new KeyPressFilter(field, std::move(onKey));
}

} // namespace belegadressen
