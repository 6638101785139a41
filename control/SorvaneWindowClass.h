#pragma once
// The window class "Sorvane" of the control window.
#include <windows.h>

// Registers the class with the given window procedure on the first call; later calls
// answer the class registered then. 0 when registration fails.
ATOM RegisterSorvaneWindowClass(HINSTANCE instance, WNDPROC procedure);
// Unregisters the class when the module goes: a module loaded again registers it anew with
// its own window procedure.
void UnregisterSorvaneWindowClass(HINSTANCE instance);
