#pragma once
#include <QString>

namespace belegadressen {

struct Context;

// The customer info window: holds what a load hands it and opens when the
// control's timer fires, after the load has finished.
class CustomerInfo {
public:
    explicit CustomerInfo(Context& c) : c(c) {}
    void connectSignals();
    void prepare(const QString& mode, const QString& kundennummer, const QString& text);
    void Anzeige_Kundeninfo(const QString& nummer);

    QString mode() const { return mMode; }
    QString kundennummer() const { return mKundennummer; }
    QString text() const { return mText; }

private:
    void timerFired();
    Context& c;
    QString mMode, mKundennummer, mText;
};

} // namespace belegadressen
