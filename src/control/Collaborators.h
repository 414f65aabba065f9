#pragma once
#include "commercial/AccountFields.h"
#include "commercial/Currency.h"
#include "commercial/CurrencyChange.h"
#include "commercial/MasterDataCombos.h"
#include "control/Accessors.h"
#include "control/AddressPages.h"
#include "control/AddressView.h"
#include "control/Context.h"
#include "control/DesignProperties.h"
#include "control/PageLayout.h"
#include "data/AddressLines.h"
#include "data/AddressLoad.h"
#include "data/CustomerLoad.h"
#include "service/SiteLoad.h"
#include "windows/CustomerInfo.h"

namespace belegadressen {

// The control's collaborators, one concern each, wired by the facade.
struct Collaborators {
    Collaborators(ControlState& st, Ui& ui, ServiceHub& svc, EventSink& ev)
        : ctx{st, ui, svc, ev, *this}, view(ctx), pages(ctx), layout(ctx), accessors(ctx),
          properties(ctx), currency(ctx), currencyChange(st, ui, ev, currency, numberCheck()),
          masterData(st, ui, svc, ev, currencyChange, numberCheck()),
          accountFields(st, ui, ev, numberCheck()), customers(ctx), addresses(ctx), lines(ctx),
          sites(ctx), info(ctx) {}
    Context ctx;
    AddressView view;
    AddressPages pages;
    PageLayout layout;
    Accessors accessors;
    DesignProperties properties;
    Currency currency;
    CurrencyChange currencyChange;
    MasterDataCombos masterData;
    AccountFields accountFields;
    CustomerLoad customers;
    AddressLoad addresses;
    AddressLines lines;
    SiteLoad sites;
    CustomerInfo info;

private:
    std::function<bool()> numberCheck() {
        return [this] { return addresses.PruefeAdressnummer(); };
    }
};

} // namespace belegadressen
