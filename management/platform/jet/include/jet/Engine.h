// jet::DBEngine(): the one database engine of the process, created on first use.
//
//   jet::Database db = jet::DBEngine().OpenDatabase(folder + "/Dorna.MDB");
//
// OpenDatabase opens an existing file only (a missing file is a jet::Error
// naming the path); the file name is matched without regard to case and "\"
// is taken as a folder separator. A file that another program holds locked is
// waited for, up to LockWait() (10 s), before the statement fails; whoever
// watches lock waits is told meanwhile, so that the user sees that the
// program waits. CreateDatabase makes a new empty file and refuses one that
// exists.
#pragma once

#include "jet/Database.h"

#include <QString>
#include <chrono>

namespace jet {

// Told on the waiting thread while a statement waits for another program to
// release a file: once when the wait starts, every few hundredths of a second
// while it goes on, and once when it is over (the file released or given up).
class LockWaitObserver {
public:
    virtual void LockWaitStarted(const QString& path) = 0;
    virtual void LockWaitGoesOn(const QString& path, std::chrono::milliseconds waited) = 0;
    virtual void LockWaitEnded() = 0;

protected:
    ~LockWaitObserver() = default;
};

class Engine {
public:
    Database OpenDatabase(const QString& path);
    Database CreateDatabase(const QString& path);

    std::chrono::milliseconds LockWait() const { return lockWait_; }
    void LockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

    LockWaitObserver* LockWaitWatcher() const { return lockWaitWatcher_; }
    // nullptr: nobody is told.
    void WatchLockWaits(LockWaitObserver* observer) { lockWaitWatcher_ = observer; }

private:
    std::chrono::milliseconds lockWait_{10000};
    LockWaitObserver* lockWaitWatcher_ = nullptr;
};

Engine& DBEngine();

}  // namespace jet
