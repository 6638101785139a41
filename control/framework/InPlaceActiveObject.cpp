#include "InPlaceActiveObject.h"

#include <ocidl.h>

namespace framework {

STDMETHODIMP InPlaceActiveObject::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = Control().Window();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP InPlaceActiveObject::TranslateAccelerator(LPMSG message)
{
    const Held<IOleClientSite>& client = Control().ClientSite();
    if (!client || !message)
        return S_FALSE;
    Held<IOleControlSite> site;
    if (FAILED(client->QueryInterface(IID_IOleControlSite, site.outVoid())))
        return S_FALSE;
    DWORD modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= 2;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= 4;
    return site->TranslateAccelerator(message, modifiers);
}

}  // namespace framework
