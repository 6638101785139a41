#include "SorvaneMessages.h"

UINT WM_UPONELEVEL = 0;
UINT WM_BROWSEFOLDERCHANGE = 0;
UINT WM_ONSELECT = 0;
UINT WM_CLICK = 0;
UINT WM_DBLCLICK = 0;
UINT WM_INITREFRESH = 0;

void RegisterSorvaneMessages()
{
    WM_UPONELEVEL = RegisterWindowMessageA("WM_UPONELEVEL");
    WM_BROWSEFOLDERCHANGE = RegisterWindowMessageA("WM_BROWSEFOLDERCHANGE");
    WM_ONSELECT = RegisterWindowMessageA("WM_ONSELECT");
    WM_CLICK = RegisterWindowMessageA("WM_CLICK");
    WM_DBLCLICK = RegisterWindowMessageA("WM_DBLCLICK");
    WM_INITREFRESH = RegisterWindowMessageA("WM_INITREFRESH");
}
