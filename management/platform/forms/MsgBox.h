#pragma once

#include <QString>

namespace forms {

// Style of a message box: its buttons plus its icon, e.g. vbYesNo + vbQuestion.
constexpr int vbOKOnly = 0;
constexpr int vbYesNo = 4;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;

// Answers.
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Returns vbOK, vbYes or vbNo. The box has the program's title, none of its own.
int MsgBox(const QString& Prompt, int Buttons = vbOKOnly);

}  // namespace forms
