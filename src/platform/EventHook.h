// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QObject>
#include <functional>

class QEvent;

namespace belegadressen {

// The one kind of event filter in the library. Its handler may reach host
// code (events, messages, the database); whatever it throws stays here,
// since nothing may escape into Qt's event loop, and the event then goes on
// as if it had not been watched. A structure test refuses any other event
// filter in the library's and the sample host's sources.
//
// A hook whose handler uses its owner is a member of that owner, so that it
// stops watching before the owner's members are gone.
class EventHook final : public QObject {
public:
    // Answers true to eat the event.
    using Handler = std::function<bool(QObject* watched, QEvent* event)>;
    explicit EventHook(Handler handler, QObject* parent = nullptr);
    // Shows the events of `target` to the handler before `target` gets them.
    void watch(QObject* target);
    void unwatch(QObject* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler mHandler;
};

// Shows the events of `target` to `handler` for as long as `target` lives.
EventHook* hookEvents(QObject* target, EventHook::Handler handler);

} // namespace belegadressen
