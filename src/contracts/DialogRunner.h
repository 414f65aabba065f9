#pragma once
#include <QString>

class QDialog;

namespace belegadressen {

// Every modal showing goes through here, so that tests and headless hosts can
// answer dialogs instead of blocking on them.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int exec(QDialog& dialog) = 0;
    virtual void information(const QString& title, const QString& text) = 0;
};

} // namespace belegadressen
