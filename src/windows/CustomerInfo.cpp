#include "windows/CustomerInfo.h"
#include "control/ErrorStyles.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "windows/RichText.h"

namespace belegadressen {

void CustomerInfo::connectSignals() {
    QObject::connect(ui.Timer1, &QTimer::timeout, ui.Timer1,
                     [this] { guarded([&] { timerFired(); }); });
}

// The remark is shown as the box reads it; the window gets it as stored.
void CustomerInfo::showInternalRemark(const QString& kundennummer, const QString& remark) {
    ui.chkRtf->setPlainText(plainFromRichText(remark.trimmed()));
    if (ui.chkRtf->toPlainText().isEmpty()) return;
    prepare(QStringLiteral("1"), kundennummer, remark);
    ui.Timer1->start();
    if (shown(ui.ocxAnrede)) ui.ocxAnrede->setFocus(Qt::OtherFocusReason);
}

void CustomerInfo::prepare(const QString& mode, const QString& kundennummer, const QString& text) {
    mMode = mode;
    mKundennummer = kundennummer;
    mText = text;
}

// The window itself is not built yet; the timer only switches itself off so
// that it fires once per load.
void CustomerInfo::timerFired() { ui.Timer1->stop(); }

void CustomerInfo::Anzeige_Kundeninfo(const QString&) {}

} // namespace belegadressen
