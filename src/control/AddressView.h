// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "control/AdressDaten.h"
#include <QWidget>
#include <variant>
#include <vector>

namespace belegadressen {

struct ControlState;
struct PageState;
class AddressRecords;
struct Ui;
class ServiceHub;
class CurrencyPort;

using TextField = QString AdressDaten::*;
using DoubleField = double AdressDaten::*;
using IntField = qint16 AdressDaten::*;
using BoolField = bool AdressDaten::*;
using FieldRef = std::variant<TextField, DoubleField, IntField, BoolField>;

// How a record field is shown in its child control and read back from it.
enum class Shown {
    Text,        // line edit text
    Caption,     // label text
    CaptionInt,  // label showing a whole number
    Check,       // check box, boolean field
    CheckText,   // check box, boolean kept as text
    Key,         // master-data field key, null read as empty
    ListText,    // editable drop-down text
    Number,      // numeric input
    Date,        // date input through the date text service
    DateOrEmpty, // the same, the empty mask read as empty text
    Time,        // time input
};

struct Binding {
    FieldRef field;
    Shown how;
    QWidget* widget;
    int maxLength = 0;
};

// Moves record values into the child controls (ZeigeAdresse) and back
// (SpeichereAdresse), driven by one table of bindings.
class AddressView {
public:
    AddressView(const ControlState& state, PageState& page, AddressRecords& records, Ui& ui,
                ServiceHub& services, CurrencyPort& currency)
        : state(state), page(page), records(records), ui(ui), services(services),
          currency(currency) {}
    void bind(); // after the child controls exist

    // Shows the current record; a field that cannot be written is skipped.
    void ZeigeAdresse();
    // Stores the shown fields into the record of the shown address.
    void SpeichereAdresse();
    // Shows one field of the current record (the accessors' step 3).
    void showField(const FieldRef& field);
    // Refuses (Error 5, naming the field and its limit) a text the field
    // showing `field` would hold only in part.
    void requireRoomFor(const FieldRef& field, const QString& text) const;
    // The shown address as SpeichereAdresse would store it; the record stays as it is.
    AdressDaten angezeigteAdresse();
    // Resets address `index` keeping its Kennzeichen, and shows the current address.
    void leereUndZeige(int index);

private:
    void show(const Binding& b, const AdressDaten& r);
    void store(const Binding& b, AdressDaten& r);
    const Binding* find(const FieldRef& field) const;

    const ControlState& state;
    PageState& page;
    AddressRecords& records;
    Ui& ui;
    ServiceHub& services;
    CurrencyPort& currency;
    std::vector<Binding> mBindings;
};

} // namespace belegadressen
