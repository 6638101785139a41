#pragma once

#include "jet/Transaction.h"

#include <QString>

#include <exception>
#include <optional>

namespace forms::detail {

// One event handler's run as one action on the databases: what it writes is
// written together when it returns, or not at all when a database error
// leaves it. The error is then shown once, in Spanish, and the program goes
// on with the form as the error left it, what the user typed included. A
// handler raised by another one (a Change raised by setting a text) is part
// of the outer one's action; its database error spoils that action, which
// reports it when it ends. The action is written so far and set aside while
// the program waits for the user (message box, modal form, file dialog).
class UserAction {
public:
    UserAction();
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;

    void Finish();
    void Fail(const std::exception_ptr& error);

private:
    std::optional<jet::Transaction> transaction_;
    bool outermost_;
};

}  // namespace forms::detail
