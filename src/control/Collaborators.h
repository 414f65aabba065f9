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
#include "service/SiteLoad.h"
#include "texts/LongTextLookup.h"
#include "texts/TextChoice.h"
#include "texts/TextNumberFields.h"
#include "windows/CustomerInfo.h"

namespace belegadressen {

// The control's collaborators, one concern each, wired by the facade.
struct Collaborators {
    Collaborators(ControlState& st, Ui& ui, ServiceHub& svc, EventSink& ev)
        : ctx{st, ui, svc, ev, *this}, view(ctx), pages(ctx), layout(ctx), accessors(ctx),
          properties(ctx), currency(ctx), masterData(ctx), customers(ctx), addresses(ctx),
          lines(ctx), sites(ctx), info(ctx), longTexts(svc), textChoice(st, ui, svc, ev, pages),
          textFields(st, ui, ev, textChoice, longTexts) {}
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
    SiteLoad sites;
    CustomerInfo info;
    LongTextLookup longTexts;
    TextChoice textChoice;
    TextNumberFields textFields;
};

} // namespace belegadressen
