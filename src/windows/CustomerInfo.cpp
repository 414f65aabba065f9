#include "windows/CustomerInfo.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"

namespace belegadressen {

void CustomerInfo::connectSignals() {
    QObject::connect(c.ui.Timer1, &QTimer::timeout, c.ui.Timer1,
                     [this] { guarded([&] { timerFired(); }); });
}

void CustomerInfo::prepare(const QString& mode, const QString& kundennummer, const QString& text) {
    mMode = mode;
    mKundennummer = kundennummer;
    mText = text;
}

// The window itself is not built yet; the timer only switches itself off so
// that it fires once per load.
void CustomerInfo::timerFired() { c.ui.Timer1->stop(); }

void CustomerInfo::Anzeige_Kundeninfo(const QString&) {}

} // namespace belegadressen
