#pragma once
#include "control/SubsystemPorts.h"
#include <QString>

namespace belegadressen {

struct Ui;

// The customer info window: holds what a load hands it and opens when the
// control's timer fires, after the load has finished.
class CustomerInfo final : public RemarkPort {
public:
    explicit CustomerInfo(Ui& ui) : ui(ui) {}
    void connectSignals();
    void showInternalRemark(const QString& kundennummer, const QString& remark) override;
    void prepare(const QString& mode, const QString& kundennummer, const QString& text);
    void Anzeige_Kundeninfo(const QString& nummer);

    QString mode() const { return mMode; }
    QString kundennummer() const { return mKundennummer; }
    QString text() const { return mText; }

private:
    void timerFired();
    Ui& ui;
    QString mMode, mKundennummer, mText;
};

} // namespace belegadressen
