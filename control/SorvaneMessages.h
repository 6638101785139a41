#pragma once
// Window messages that carry work from the shell view to the control window,
// registered by name when the module is loaded.
#include <windows.h>

extern UINT WM_UPONELEVEL;
extern UINT WM_BROWSEFOLDERCHANGE;
extern UINT WM_ONSELECT;
extern UINT WM_CLICK;
extern UINT WM_DBLCLICK;
extern UINT WM_INITREFRESH;

void RegisterSorvaneMessages();
