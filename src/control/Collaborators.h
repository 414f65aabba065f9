#pragma once
#include "commercial/Currency.h"
#include "commercial/MasterDataFields.h"
#include "control/Accessors.h"
#include "control/AddressPages.h"
#include "control/AddressView.h"
#include "control/Context.h"
#include "control/DesignProperties.h"
#include "control/PageLayout.h"
#include "data/AddressLines.h"
#include "data/AddressLoad.h"
#include "data/CustomerLoad.h"
#include "data/MasterUpdate.h"
#include "data/PostalCheck.h"
#include "service/SiteLoad.h"
#include "windows/CustomerInfo.h"

namespace belegadressen {

// The control's collaborators, one concern each, wired by the facade.
struct Collaborators {
    Collaborators(ControlState& st, Ui& ui, ServiceHub& svc, EventSink& ev)
        : ctx{st, ui, svc, ev, *this}, view(ctx), pages(ctx), layout(ctx), accessors(ctx),
          properties(ctx), currency(ctx), masterData(ctx), customers(ctx), addresses(ctx),
          lines(ctx), postal(st, ui, svc, ev, addresses), masterUpdate(st, ui, svc), sites(ctx),
          info(ctx) {}
    Context ctx;
    AddressView view;
    AddressPages pages;
    PageLayout layout;
    Accessors accessors;
    DesignProperties properties;
    Currency currency;
    MasterDataFields masterData;
    CustomerLoad customers;
    AddressLoad addresses;
    AddressLines lines;
    PostalCheck postal;
    MasterUpdate masterUpdate;
    SiteLoad sites;
    CustomerInfo info;
};

} // namespace belegadressen
