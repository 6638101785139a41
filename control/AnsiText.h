#pragma once
// Automation texts (BSTR) and the ANSI texts of the shell and of pattern matching.
#include <windows.h>
#include <oleauto.h>

#include <string>

// A new BSTR of an ANSI text; null when memory runs out.
BSTR AnsiToBSTR(const char* text);
// The text in the ANSI code page; a null BSTR is the empty text.
std::string BSTRToAnsi(BSTR text);
