#pragma once
#include <QVariant>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class AddressView;
class PageLayout;
class MasterDataSetupPort;

// The addresses of the document and their two display pages: creating and
// switching addresses, the page buttons and the page-level commands.
class AddressPages {
public:
    AddressPages(ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                 AddressView& view, PageLayout& layout, MasterDataSetupPort& masterData)
        : state(state), ui(ui), services(services), events(events), view(view), layout(layout),
          masterData(masterData) {}
    void connectSignals();

    void setAnzAdresse(qint16 n);
    void sizeAddresses(qint16 n); // the array only, as the stored value is read
    void setAktAdresse(qint16 n);
    void LeereAlleAdressen();
    QVariant SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten);
    void btnSeiteClick(int index);
    QVariant fktAnzeigeSeite1() const;
    void SetzeFocusNummer();
    void Refresh();
    void AddAnzeigeBreit(bool wide);

    // Runs a page switch that the control makes itself, not the user.
    void switchToPage1Quietly();

private:
    void watchPageMouse();
    ControlState& state;
    Ui& ui;
    ServiceHub& services;
    EventSink& events;
    AddressView& view;
    PageLayout& layout;
    MasterDataSetupPort& masterData;
};

} // namespace belegadressen
