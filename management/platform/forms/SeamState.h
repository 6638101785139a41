#pragma once

// What the runtime asks the test seam while it is switched on.

#include <QString>

#include <optional>

namespace forms {
class Form;
}

namespace forms::detail {

bool SeamActive();
void SeamRecordError(const QString& text);
int SeamMsgBox(const QString& prompt, int buttons);
// The chosen path, or nothing for a cancel.
std::optional<QString> SeamFileDialog();
// Plays the user's part while form is shown modally, then closes it.
void SeamModal(Form& form);

}  // namespace forms::detail
