#pragma once

#include "forms/LockWaitIndicator.h"
#include "forms/UserAction.h"

#include <QString>

#include <exception>
#include <type_traits>
#include <utility>

namespace forms::detail {

// An error no handler trapped, other than a database one: recorded by the
// stand-in when one is installed, otherwise shown in a message box and the
// program ends with status 1.
void Untrapped(const QString& text);
QString ErrorText(const std::exception_ptr& error);

// Runs an event handler as one action on the databases (UserAction); no
// exception leaves it into Qt's event loop. While the program waits for
// another program's lock no handler runs: the event is dropped.
template <class Handler, class... Args>
void Raise(const Handler& handler, Args&&... args)
{
    if constexpr (std::is_constructible_v<bool, const Handler&>)
        if (!handler)
            return;
    if (WaitingForLock())
        return;
    UserAction action;
    try {
        handler(std::forward<Args>(args)...);
        action.Finish();
    } catch (...) {
        action.Fail(std::current_exception());
    }
}

}  // namespace forms::detail
