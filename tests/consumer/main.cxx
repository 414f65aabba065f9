// Constructs the control from the installed package, headless.
#include "control/BelegAdressen.h"
#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rc = 0;
    {
        belegadressen::BelegAdressen control;
        control.show();
        QApplication::processEvents();
        if (!control.findChild<QWidget*>(QStringLiteral("txtDNummer"))) {
            std::fputs("consumer: the control has no txtDNummer\n", stderr);
            rc = 1;
        }
    }
    if (rc == 0) std::puts("consumer: BelegAdressen from the installed package works");
    return rc;
}
