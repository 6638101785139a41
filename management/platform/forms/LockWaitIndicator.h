#pragma once

namespace forms::detail {

// While a statement waits for another program to release a database file
// the pointer is busy and, past a moment, a small window says which file is
// waited for; the windows keep painting, and no handler runs meanwhile.
// Installed once the application exists.
void WatchLockWaits();
bool WaitingForLock();

}  // namespace forms::detail
