// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "contracts/MasterDataCombo.h"
#include "platform/Logging.h"
#include <QObject>
#include <functional>
#include <source_location>
#include <type_traits>
#include <utility>

namespace belegadressen {
/// \cond internal
namespace detail {

enum class Failures { StayHere, GoToSender };

template <Failures failures, class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectHandler(const Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler, Qt::ConnectionType type,
                                       std::source_location where) {
    static_assert(std::is_base_of_v<QObject, Receiver>, "the receiver is a QObject");
    auto call = [receiver, handler = std::move(handler), where](auto&&... args) mutable -> void {
        try {
            if constexpr (std::is_member_function_pointer_v<Handler>) {
                if constexpr (std::is_invocable_v<Handler&, Receiver*, decltype(args)...>)
                    std::invoke(handler, receiver, std::forward<decltype(args)>(args)...);
                else
                    std::invoke(handler, receiver);
            } else {
                if constexpr (std::is_invocable_v<Handler&, decltype(args)...>)
                    std::invoke(handler, std::forward<decltype(args)>(args)...);
                else
                    std::invoke(handler);
            }
        } catch (...) {
            if constexpr (failures == Failures::GoToSender)
                throw;
            else
                logging::swallowed(where, "a signal handler failed");
        }
    };
    return QObject::connect(sender, signal, receiver, std::move(call), type);
}

} // namespace detail
/// \endcond
/// The one way the library and its sample host connect a signal: the handler
/// may reach host code (events, messages, the database), and whatever it throws
/// stays here, since nothing may escape into Qt's event loop: report failures
/// inside it; the log (`belegadressen.*` warnings) names the place of the
/// connect and the error. It takes all of the signal's arguments or none; a member function
/// is called on `receiver`. A structure test refuses any other connect.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection
connectGuarded(const Sender* sender, Signal signal, Receiver* receiver, Handler handler,
               Qt::ConnectionType type = Qt::AutoConnection,
               std::source_location where = std::source_location::current()) {
    return detail::connectHandler<detail::Failures::StayHere>(sender, signal, receiver,
                                                              std::move(handler), type, where);
}

/// A master-data field reports what the handlers of its events throw, naming
/// itself and the event; its handlers hand their failures back to it.
template <class Signal, class Receiver, class Handler>
QMetaObject::Connection connectReportedByField(const MasterDataCombo* field, Signal signal,
                                               Receiver* receiver, Handler handler) {
    return detail::connectHandler<detail::Failures::GoToSender>(
        field, signal, receiver, std::move(handler), Qt::DirectConnection,
        std::source_location::current());
}

} // namespace belegadressen
