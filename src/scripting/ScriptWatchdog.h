// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class QJSEngine;

namespace belegadressen::scripting {

/// Interrupts a JavaScript engine whose script runs longer than a limit, so
/// that a loop without end cannot freeze the host's window. The engine runs
/// on the GUI thread and cannot look at a clock itself while it loops; the
/// watch keeps one thread of its own that waits for the deadline.
///
/// Every entry into the engine is bracketed by arm() and disarm(); entries
/// nest (a script's call raises an event whose handler runs), and only the
/// outermost one starts and ends the watch.
class ScriptWatchdog {
public:
    explicit ScriptWatchdog(QJSEngine& engine);
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

    /// Zero switches the watch off (the default).
    void setLimit(std::chrono::milliseconds limit);
    std::chrono::milliseconds limit() const { return mLimit; }

    void arm();
    /// Ends an entry; the outermost one re-enables the engine if the watch
    /// interrupted it, so that the next entry runs again.
    void disarm();
    /// Whether the watch interrupted the engine since the last call; clears it.
    bool takeExpired();

    /// arm() / disarm() for a scope.
    class Entry {
    public:
        explicit Entry(ScriptWatchdog& dog) : mDog(dog) { mDog.arm(); }
        ~Entry() { mDog.disarm(); }
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

    private:
        ScriptWatchdog& mDog;
    };

private:
    void watch();

    QJSEngine& mEngine;
    std::chrono::milliseconds mLimit{0};
    int mDepth = 0; // GUI thread only
    std::mutex mMutex;
    std::condition_variable mWake;
    bool mArmed = false;
    bool mStop = false;
    bool mExpired = false;     // for takeExpired()
    bool mInterrupted = false; // until the outermost entry ends
    quint64 mEntry = 0;        // numbers the outermost entries
    std::chrono::steady_clock::time_point mDeadline;
    std::thread mThread;
};

} // namespace belegadressen::scripting
