// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "texts/TextKinds.h"
#include <QString>
#include <QVariant>

namespace belegadressen {

struct ControlState;
struct Ui;
class ServiceHub;
class EventSink;
class AddressPages;

// Choosing a header or footer text through the host: the text buttons ask the
// host for a module of a text kind, and the host hands the chosen number back
// into the field that is pending.
class TextChoice {
public:
    TextChoice(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
               AddressPages& pages)
        : mState(state), mUi(ui), mServices(services), mEvents(events), mPages(pages) {}
    void connectSignals();

    // A click on btnKopf (element 0) or btnFuß (element 1) with the button's index.
    void btnKopfClick(int index) { click(index, 0); }
    void btnFussClick(int index) { click(index, 1); }
    void click(int index, int element);

    // A field of kind `kind` and row `element` becomes the pending target.
    void aim(int kind, int element) { mTarget.aim(kind, element); }
    const TextTarget& target() const { return mTarget; }

    qint32 fktDragTextNummer(const QString& nummer);
    qint32 fktDragTextNummerAllgenmein(const QString& nummer, const QVariant& texttyp);
    qint32 PruefeTexttyp(const QVariant& texttyp);

    // The text kind code of a field: the kind's header code for element 0,
    // its footer code for element 1; asked from the catalogue every time.
    QString textart(int kind, int element);

private:
    void showTextPage();

    const ControlState& mState;
    Ui& mUi;
    ServiceHub& mServices;
    EventSink& mEvents;
    AddressPages& mPages;
    TextTarget mTarget;
};

} // namespace belegadressen
