// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QVariant>

namespace belegadressen {

struct ControlState;
struct PageState;
class AddressRecords;
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
    AddressPages(const ControlState& state, PageState& page, AddressRecords& records, Ui& ui,
                 ServiceHub& services, EventSink& events, AddressView& view, PageLayout& layout,
                 MasterDataSetupPort& masterData)
        : state(state), page(page), records(records), ui(ui), services(services), events(events),
          view(view), layout(layout), masterData(masterData) {}
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

    // Runs a page switch that the control makes itself, not the user: the
    // page button `buttonIndex` (0 turns to page 2, 1 to page 1).
    void turnPageQuietly(int buttonIndex);

private:
    void watchPageMouse();
    const ControlState& state;
    PageState& page;
    AddressRecords& records;
    Ui& ui;
    ServiceHub& services;
    EventSink& events;
    AddressView& view;
    PageLayout& layout;
    MasterDataSetupPort& masterData;
};

} // namespace belegadressen
