// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "support/RoundTripProxy.h"
#include <arpa/inet.h>
#include <cstring>
#include <deque>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <regex>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace batest {

namespace {

using Clock = std::chrono::steady_clock;

std::uint32_t readBigEndian(const char* p) {
    return (std::uint32_t(std::uint8_t(p[0])) << 24) | (std::uint32_t(std::uint8_t(p[1])) << 16) |
           (std::uint32_t(std::uint8_t(p[2])) << 8) | std::uint32_t(std::uint8_t(p[3]));
}

bool writeAll(int socket, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(socket, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

void noDelay(int socket) {
    int one = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

} // namespace

RoundTripProxy::RoundTripProxy(std::uint16_t serverPort, std::chrono::microseconds oneWayDelay)
    : mServerPort(serverPort), mDelayUs(oneWayDelay.count()) {
    mListen = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (mListen < 0 ||
        ::bind(mListen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(mListen, 8) != 0 ||
        ::getsockname(mListen, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (mListen >= 0) ::close(mListen);
        throw std::runtime_error("the proxy cannot listen on loopback");
    }
    mPort = ntohs(address.sin_port);
    mAcceptor = std::thread([this] { acceptLoop(); });
}

RoundTripProxy::~RoundTripProxy() {
    mStop = true;
    mAcceptor.join();
    {
        std::lock_guard lock(mMutex);
        for (int socket : mSockets)
            ::shutdown(socket, SHUT_RDWR);
    }
    for (std::thread& thread : mThreads)
        thread.join();
    for (int socket : mSockets)
        ::close(socket);
    ::close(mListen);
}

void RoundTripProxy::acceptLoop() {
    while (!mStop) {
        pollfd waiting{mListen, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) continue;
        const int client = ::accept(mListen, nullptr, nullptr);
        if (client < 0) continue;
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(mServerPort);
        if (server < 0 ||
            ::connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(client);
            if (server >= 0) ::close(server);
            continue;
        }
        noDelay(client);
        noDelay(server);
        std::lock_guard lock(mMutex);
        mSockets.push_back(client);
        mSockets.push_back(server);
        mThreads.emplace_back([this, client, server] { pump(client, server, true); });
        mThreads.emplace_back([this, client, server] { pump(server, client, false); });
    }
}

// Reads what arrives and hands each piece on once it is `delay` old; the
// poll waits for whichever comes first. Ends when either side closes or the
// proxy stops.
void RoundTripProxy::pump(int from, int to, bool fromClient) {
    std::deque<std::pair<Clock::time_point, std::string>> queue;
    std::string pending;
    bool typed = false;
    char buffer[65536];
    bool open = true;
    while (!mStop && (open || !queue.empty())) {
        int timeoutMs = 50;
        if (!queue.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                queue.front().first - Clock::now());
            timeoutMs = int(std::max<long long>(0, std::min<long long>(wait.count() + 1, 50)));
        }
        pollfd waiting{from, short(open ? POLLIN : 0), 0};
        const int ready = ::poll(&waiting, 1, timeoutMs);
        if (ready > 0 && (waiting.revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = ::recv(from, buffer, sizeof buffer, 0);
            if (n <= 0) {
                open = false;
            } else {
                if (fromClient) countClientBytes(pending, typed, buffer, std::size_t(n));
                queue.emplace_back(Clock::now() + std::chrono::microseconds(mDelayUs.load()),
                                   std::string(buffer, std::size_t(n)));
            }
        }
        while (!queue.empty() && queue.front().first <= Clock::now()) {
            if (!writeAll(to, queue.front().second.data(), queue.front().second.size())) {
                queue.clear();
                open = false;
                break;
            }
            queue.pop_front();
        }
    }
    ::shutdown(to, SHUT_WR);
}

// Splits the client's stream into protocol messages. The first messages
// carry no type byte (startup, or an encryption request the server answers
// with one byte); from the startup on every message is type + length.
void RoundTripProxy::countClientBytes(std::string& pending, bool& typed, const char* data,
                                      std::size_t size) {
    pending.append(data, size);
    std::size_t at = 0;
    for (;;) {
        if (!typed) {
            if (pending.size() - at < 8) break;
            const std::uint32_t length = readBigEndian(pending.data() + at);
            if (pending.size() - at < length) break;
            const std::uint32_t code = readBigEndian(pending.data() + at + 4);
            // 80877103 asks for TLS, 80877104 for GSS encryption.
            if (code != 80877103u && code != 80877104u) typed = true;
            at += length;
            continue;
        }
        if (pending.size() - at < 5) break;
        const char type = pending[at];
        const std::uint32_t length = readBigEndian(pending.data() + at + 1);
        if (pending.size() - at < 1 + length) break;
        const char* body = pending.data() + at + 5;
        if (type == 'Q' || type == 'S') ++mRoundTrips;
        if (type == 'Q' || type == 'P') {
            // A parse message names the statement first, then its text.
            const char* text = type == 'Q' ? body : body + std::strlen(body) + 1;
            std::lock_guard lock(mMutex);
            mStatements.emplace_back(text);
        }
        at += 1 + length;
    }
    pending.erase(0, at);
}

std::vector<std::string> RoundTripProxy::statements() const {
    std::lock_guard lock(mMutex);
    return mStatements;
}

void RoundTripProxy::reset() {
    std::lock_guard lock(mMutex);
    mStatements.clear();
    mRoundTrips = 0;
}

std::uint16_t serverPortOf(const std::string& connInfo) {
    std::smatch match;
    static const std::regex port(R"((?:^|\s)port\s*=\s*(\d+))");
    return std::regex_search(connInfo, match, port) ? std::uint16_t(std::stoi(match[1])) : 5432;
}

std::string throughProxy(const std::string& connInfo, std::uint16_t proxyPort) {
    static const std::regex hostOrPort(R"((^|\s)(host|hostaddr|port|sslmode)\s*=\s*\S+)");
    return std::regex_replace(connInfo, hostOrPort, "$1") +
           " host=127.0.0.1 port=" + std::to_string(proxyPort) + " sslmode=disable";
}

} // namespace batest
