#pragma once
// Runs an item's context-menu command chosen by its menu text.
#include <windows.h>
#include <shlobj.h>

// verb is compared with the top-level menu texts as shown, ampersands included, ignoring
// case. True when a command ran.
bool InvokeVerbByText(HWND window, IShellFolder* folder, LPCITEMIDLIST item, const char* verb);
