// Waiting for another program to release a file: SQLite's busy handler of one
// connection, which waits up to the engine's LockWait() in short steps and
// tells the engine's lock-wait observer while it does.
//
//   LockWaiter waiter(path);
//   waiter.Install(handle);
//   sqlite3_step(statement);
//   waiter.Over();   // after every call that may have waited
#pragma once

#include <QString>
#include <chrono>

struct sqlite3;

namespace jet::detail {

class LockWaiter {
public:
    explicit LockWaiter(QString path) : path_(std::move(path)) {}
    LockWaiter(const LockWaiter&) = delete;
    LockWaiter& operator=(const LockWaiter&) = delete;

    void Install(sqlite3* handle);
    // The wait of the call just made, if any, is over.
    void Over();
    // How long the call just made waited.
    std::chrono::milliseconds LastWait() const { return lastWait_; }

private:
    using Clock = std::chrono::steady_clock;

    static int Busy(void* self, int count);
    bool Wait();
    std::chrono::milliseconds Waited() const;

    QString path_;
    bool waiting_ = false;
    Clock::time_point started_;
    std::chrono::milliseconds lastWait_{0};
};

}  // namespace jet::detail
