#pragma once

#include <QString>

#include <exception>
#include <type_traits>
#include <utility>

namespace forms::detail {

// An error no handler trapped: recorded by the stand-in when one is
// installed, otherwise shown in a message box and the program ends with
// status 1.
void Untrapped(const QString& text);
QString ErrorText(const std::exception_ptr& error);

// Runs an event handler; no exception leaves it into Qt's event loop.
template <class Handler, class... Args>
void Raise(const Handler& handler, Args&&... args)
{
    if constexpr (std::is_constructible_v<bool, const Handler&>)
        if (!handler)
            return;
    try {
        handler(std::forward<Args>(args)...);
    } catch (...) {
        Untrapped(ErrorText(std::current_exception()));
    }
}

}  // namespace forms::detail
