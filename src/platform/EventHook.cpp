// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/EventHook.h"

namespace belegadressen {

EventHook::EventHook(Handler handler, QObject* parent)
    : QObject(parent), mHandler(std::move(handler)) {}

void EventHook::watch(QObject* target) { target->installEventFilter(this); }

void EventHook::unwatch(QObject* target) { target->removeEventFilter(this); }

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
    try {
        return mHandler(watched, event);
    } catch (...) {
        return false;
    }
}

EventHook* hookEvents(QObject* target, EventHook::Handler handler) {
    auto* hook = new EventHook(std::move(handler), target);
    hook->watch(target);
    return hook;
}

} // namespace belegadressen
