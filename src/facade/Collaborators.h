// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// The one place that knows every collaborator: the facade's wiring. Each
// collaborator gets exactly the state, controls, services, event sink and
// siblings it uses; the control core reaches the subsystems only through the
// small interfaces of SubsystemPorts.h that the objects here implement. Every
// collaborator reads the state through a const reference; the groups of it
// that one writes are handed to it here by name.
#include "commercial/AccountFields.h"
#include "commercial/Currency.h"
#include "commercial/CurrencyChange.h"
#include "commercial/MasterDataCombos.h"
#include "control/Accessors.h"
#include "control/AddressGuard.h"
#include "control/AddressPages.h"
#include "control/AddressView.h"
#include "control/DesignProperties.h"
#include "control/PageLayout.h"
#include "data/AddressLines.h"
#include "data/AddressLoad.h"
#include "data/CustomerLoad.h"
#include "data/CustomerReader.h"
#include "data/DuplicateCheck.h"
#include "data/MasterUpdate.h"
#include "data/PostalCheck.h"
#include "service/Appointments.h"
#include "service/SiteLoad.h"
#include "service/TechnicianContacts.h"
#include "texts/LongTextLookup.h"
#include "texts/TextChoice.h"
#include "texts/TextNumberFields.h"
#include "windows/Clipboard.h"
#include "windows/CommandButtons.h"
#include "windows/CustomerInfo.h"
#include "windows/FieldRecall.h"
#include "windows/ImageButtons.h"

namespace belegadressen {

struct Collaborators {
    Collaborators(ControlState& state, Ui& ui, ServiceHub& svc, EventSink& ev)
        : st(state), page(state), flags(state), settings(state), appearance(state),
          assignment(state), entry(state), records(state), guard(st, ui, svc),
          currency(st, records, ui, svc, ev), currencyChange(st, ui, ev, currency, guard),
          masterData(st, ui, svc, ev, currencyChange, guard), accountFields(st, ui, ev, guard),
          info(st, ui, svc, ev, reader), recall(ui), clipboard(recall),
          commands(st, ui, svc, ev, reader), imageButtons(ui, svc),
          view(st, page, records, ui, svc, currency), layout(st, flags, ui, svc),
          pages(st, page, records, ui, svc, ev, view, layout, masterData),
          appointments(st, records, ui, svc, ev),
          technician(st, entry, records, ui, svc, ev, pages, guard),
          sites(st, records, ui, svc, ev, view, appointments), longTexts(svc),
          textChoice(st, ui, svc, ev, pages), textFields(st, ui, ev, textChoice, longTexts),
          accessors(st, settings, records, ui, svc, view, sites),
          properties(st, appearance, page, flags, ui, pages, layout), reader(assignment, svc),
          addresses(st, entry, records, ui, svc, ev, view), postal(st, ui, svc, ev, guard),
          masterUpdate(st, records, ui, svc), lines(st, ui, ev, guard, postal, duplicates),
          customers(st, entry, records, ui, svc, ev,
                    {reader, addresses, view, pages, layout, currency, sites, info}),
          duplicates(st, ui, svc, customers, addresses) {}

    // The state as every collaborator reads it, and the groups handed to their writers.
    const ControlState& st;
    PageState& page;
    LayoutFlags& flags;
    HostSettings& settings;
    Appearance& appearance;
    CustomerAssignment& assignment;
    EntryState& entry;
    AddressRecords records;

    AddressGuard guard;
    // Commercial settings.
    Currency currency;
    CurrencyChange currencyChange;
    MasterDataCombos masterData;
    AccountFields accountFields;
    // The customer info window, field recall, clipboard and command buttons.
    CustomerInfo info;
    FieldRecall recall;
    Clipboard clipboard;
    CommandButtons commands;
    ImageButtons imageButtons;
    // The control core.
    AddressView view;
    PageLayout layout;
    AddressPages pages;
    // Service orders.
    Appointments appointments;
    TechnicianContacts technician;
    SiteLoad sites;
    // Header and footer texts.
    LongTextLookup longTexts;
    TextChoice textChoice;
    TextNumberFields textFields;
    // The host interface's accessors and stored properties.
    Accessors accessors;
    DesignProperties properties;
    // The number entry and the address lines.
    CustomerReader reader;
    AddressLoad addresses;
    // Postal codes and the write-back into the master data.
    PostalCheck postal;
    MasterUpdate masterUpdate;
    AddressLines lines;
    CustomerLoad customers;
    // The host's opt-in warning about a new address that already exists.
    DuplicateCheck duplicates;
};

} // namespace belegadressen
