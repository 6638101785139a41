#pragma once

// What a test library installs in place of the person at the screen: it
// answers message boxes, file dialogs and modal forms and records the errors
// no handler trapped. The program installs none: the runtime then shows the
// real boxes and dialogs, runs modal forms in their own event loop and ends
// on an untrapped error.

#include <QString>

#include <optional>

namespace forms {
class Form;
}

namespace forms::detail {

class StandIn {
public:
    virtual ~StandIn() = default;

    virtual void RecordError(const QString& text) = 0;
    virtual int MsgBox(const QString& prompt, int buttons) = 0;
    // The chosen path, or nothing for a cancel.
    virtual std::optional<QString> FileDialog() = 0;
    // Plays the user's part while form is shown modally, then closes it.
    virtual void Modal(Form& form) = 0;
};

// The one installed, or null.
StandIn* InstalledStandIn();
// Null removes it.
void InstallStandIn(StandIn* standIn);

}  // namespace forms::detail
