#pragma once

#include <QString>

namespace forms {

constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Style: buttons 0 (OK) or 4 (Yes/No) plus icon 16 (critical), 32 (question),
// 48 (exclamation) or 64 (information), e.g. 0, 64, 36, 68, 20.
// Returns vbOK, vbYes or vbNo. The box has the program's title, none of its own.
int MsgBox(const QString& Prompt, int Buttons = 0);

}  // namespace forms
