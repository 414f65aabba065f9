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
    while (!mStop) {
        mWake.wait(lock, [this] { return mStop || mArmed; });
        if (mStop) break;
        const auto deadline = mDeadline;
        // Woken early when the entry ends in time or a new one begins.
        if (mWake.wait_until(lock, deadline, [this, deadline] {
                return mStop || !mArmed || mDeadline != deadline;
            }))
            continue;
        // The engine may take the interruption in a handler that C++ called
        // and go on with the script around it: repeat it until the entry ends.
        const auto sameEntry = [this, deadline] {
            return !mStop && mArmed && mDeadline == deadline;
        };
        while (sameEntry()) {
            mExpired = mInterrupted = true;
            mEngine.setInterrupted(true);
            mWake.wait_for(lock, std::chrono::milliseconds(50), [&] { return !sameEntry(); });
        }
    }
}

} // namespace belegadressen::scripting
