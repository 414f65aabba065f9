// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
// A TCP relay on loopback between a PostgreSQL client and its server that
// delays each direction and counts the client's round trips: every simple
// query and every sync of the extended protocol waits for one answer.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace batest {

class RoundTripProxy {
public:
    // Listens on 127.0.0.1 (a free port) and relays to 127.0.0.1:serverPort.
    // Throws std::runtime_error when it cannot listen.
    RoundTripProxy(std::uint16_t serverPort, std::chrono::microseconds oneWayDelay);
    // Closes every relayed connection and waits for its threads.
    ~RoundTripProxy();
    RoundTripProxy(const RoundTripProxy&) = delete;
    RoundTripProxy& operator=(const RoundTripProxy&) = delete;

    std::uint16_t port() const { return mPort; }
    void setDelay(std::chrono::microseconds oneWayDelay) { mDelayUs = oneWayDelay.count(); }
    // Round trips since the last reset, over all relayed connections.
    int roundTrips() const { return mRoundTrips.load(); }
    // The statement texts sent since the last reset (simple queries and
    // parsed statements), in order.
    std::vector<std::string> statements() const;
    void reset();

private:
    struct Link;
    void acceptLoop();
    void pump(int from, int to, bool fromClient);
    void countClientBytes(std::string& pending, bool& typed, const char* data, std::size_t size);

    int mListen = -1;
    std::uint16_t mPort = 0;
    std::uint16_t mServerPort = 0;
    std::atomic<long long> mDelayUs;
    std::atomic<bool> mStop{false};
    std::atomic<int> mRoundTrips{0};
    mutable std::mutex mMutex;
    std::vector<std::string> mStatements;
    std::vector<int> mSockets;
    std::vector<std::thread> mThreads;
    std::thread mAcceptor;
};

// `connInfo` ("key=value ...") with host and port replaced by the proxy's.
std::string throughProxy(const std::string& connInfo, std::uint16_t proxyPort);
// The port a "key=value ..." connection string names (5432 when none).
std::uint16_t serverPortOf(const std::string& connInfo);

} // namespace batest
