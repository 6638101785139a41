#include "LockWaiter.h"

#include "jet/Engine.h"

#include <algorithm>
#include <sqlite3.h>
#include <thread>

namespace jet::detail {

namespace {

// Short enough for a waiting window to paint smoothly.
constexpr std::chrono::milliseconds step{25};

}  // namespace

void LockWaiter::Install(sqlite3* handle)
{
    sqlite3_busy_handler(handle, &LockWaiter::Busy, this);
}

int LockWaiter::Busy(void* self, int)
{
    return static_cast<LockWaiter*>(self)->Wait() ? 1 : 0;
}

std::chrono::milliseconds LockWaiter::Waited() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_);
}

bool LockWaiter::Wait()
{
    LockWaitObserver* observer = DBEngine().LockWaitWatcher();
    // One call may wait for several locks in turn: one wait, one limit.
    if (!waiting_) {
        waiting_ = true;
        started_ = Clock::now();
        if (observer)
            observer->LockWaitStarted(path_);
    }
    const std::chrono::milliseconds limit = DBEngine().LockWait();
    const std::chrono::milliseconds waited = Waited();
    if (waited >= limit)
        return false;
    std::this_thread::sleep_for(std::min(step, limit - waited));
    if (observer)
        observer->LockWaitGoesOn(path_, Waited());
    return true;
}

void LockWaiter::Over()
{
    if (!waiting_) {
        lastWait_ = std::chrono::milliseconds(0);
        return;
    }
    waiting_ = false;
    lastWait_ = Waited();
    if (LockWaitObserver* observer = DBEngine().LockWaitWatcher())
        observer->LockWaitEnded();
}

}  // namespace jet::detail
