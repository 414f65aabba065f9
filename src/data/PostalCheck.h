// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "platform/FieldMark.h"
#include <QSet>
#include <QString>
#include <QStringList>

class QLineEdit;

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class AddressGuard;
class PostalCodeManager;
class PostalCodeManagerExtension;

// Postal code, place and street against the postal-code manager: the search
// button, leaving the postal-code field and the place line, the change rule of
// the postal-code and PO-box fields, and the map button. A typed place is
// never emptied nor replaced by another town without the user: a postal code
// of other places marks both fields with them, a misspelt place is corrected
// visibly and can be undone.
class PostalCheck {
public:
    PostalCheck(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                AddressGuard& guard);
    void connectSignals();

    // Search with dialog; an error ends it and is reported as "btnPlz_Click".
    void btnPlzClick();
    // Place by postal code when the user has changed the postal code; a typed
    // place of another town stays, and both fields are marked.
    void postleitzahlValidate();
    // Leaving the place line with a changed place: offline the manager's
    // address is taken as it is, online only what it found, once per entry.
    void placeValidate();
    // Shared rule of the postal-code, PO-box and PO-box postal-code fields.
    void postalFieldChanged(QLineEdit* field);
    // The PO-box postal code is the last field of a one-page address block.
    void plzPostfachLeft();
    void btnAutoMapClick();
    // Leaving any address line: the place written by the online check is
    // checked again at the next leave of the place line.
    void forgetCheckedPlace() { mOrtGeprueft = false; }

    // Whether the manager may confirm a correct address with its message.
    void setBestaetigung(bool on) { mBestaetigung = on; }
    bool bestaetigung() const { return mBestaetigung; }

private:
    PostalCodeManager& manager();
    // Tells a manager that offers it the country and the typed place.
    PostalCodeManagerExtension* context(PostalCodeManager& m);
    // What a search leaves marked, shown once every field is written.
    struct Mark {
        QString typed, written; // a correction: the typed text and the one written
        QStringList places;     // a postal code of other places: its places
    };
    // Writes the place a search found: a correction of a misspelt place as
    // an edit of the field (Ctrl+Z brings the typed text back), anything
    // else as the search's text. `asked`: the user pressed the search, which
    // corrects again what the user took back.
    Mark writePlace(const QString& found, PostalCodeManagerExtension* x, bool asked);
    void showMark(const Mark& mark);
    // After a search that confirmed nothing: marks postal code and place when
    // the code belongs to other places than the typed one.
    void markUnconfirmed(PostalCodeManagerExtension* x);
    void markPair(const QStringList& places);
    // Postal code or place changed: the marks no longer hold. A correction
    // the user has just undone is not made again for the same text.
    void postalTextChanged(bool place);

    const ControlState& mState;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    AddressGuard& mGuard;
    // The online check has just written the place line itself.
    bool mOrtGeprueft = false;
    bool mBestaetigung = true;
    FieldMark mPlzMark;
    FieldMark mOrtMark;
    // The shown correction: the text typed before it.
    QString mCorrectedFrom;
    // Postal code and typed place of corrections the user took back.
    QSet<QString> mUndoneCorrections;
};

} // namespace belegadressen
