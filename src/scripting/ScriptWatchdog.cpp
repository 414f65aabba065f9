// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "scripting/ScriptWatchdog.h"

#include <QJSEngine>
#include <utility>

namespace belegadressen::scripting {

ScriptWatchdog::ScriptWatchdog(QJSEngine& engine) : mEngine(engine) {}

ScriptWatchdog::~ScriptWatchdog() {
    {
        std::lock_guard lock(mMutex);
        mStop = true;
    }
    mWake.notify_all();
    if (mThread.joinable()) mThread.join();
}

void ScriptWatchdog::setLimit(std::chrono::milliseconds limit) {
    mLimit = limit;
    // The thread is started on first need: a bridge without a limit costs none.
    if (mLimit.count() > 0 && !mThread.joinable()) mThread = std::thread([this] { watch(); });
}

void ScriptWatchdog::arm() {
    if (mDepth++ > 0 || mLimit.count() <= 0) return;
    {
        std::lock_guard lock(mMutex);
        mArmed = true;
        ++mEntry;
        mDeadline = std::chrono::steady_clock::now() + mLimit;
    }
    mWake.notify_all();
}

void ScriptWatchdog::disarm() {
    if (mDepth == 0 || --mDepth > 0) return;
    bool fired = false;
    {
        std::lock_guard lock(mMutex);
        mArmed = false;
        fired = std::exchange(mInterrupted, false);
    }
    mWake.notify_all();
    if (fired) mEngine.setInterrupted(false);
}

bool ScriptWatchdog::takeExpired() {
    std::lock_guard lock(mMutex);
    return std::exchange(mExpired, false);
}

void ScriptWatchdog::watch() {
    std::unique_lock lock(mMutex);
    for (;;) {
        mWake.wait(lock, [this] { return mStop || mArmed; });
        if (mStop) return;
        // One entry can end and the next begin before this thread wakes, so
        // it follows the entry by its number, not by the armed flag alone.
        const quint64 entry = mEntry;
        const auto ended = [this, entry] { return mStop || !mArmed || mEntry != entry; };
        if (mWake.wait_until(lock, mDeadline, ended)) continue;
        mExpired = mInterrupted = true;
        mEngine.setInterrupted(true);
        mWake.wait(lock, ended);
    }
}

} // namespace belegadressen::scripting
