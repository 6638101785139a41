#pragma once
// One window hook for the whole process, shared by every control's view: it turns the
// view list's notifications into registered messages posted to the control window.
#include <windows.h>

// One more view uses the hook; the first installs it for the thread given.
void AcquireViewHook(DWORD thread);
// One view fewer; the last removes the hook.
void ReleaseViewHook();
// Whether the hook is installed now.
bool ViewHookInstalled();
