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
    IOleClientSite* client = Control().ClientSite();
    if (!client || !message)
        return S_FALSE;
    IOleControlSite* site = nullptr;
    if (FAILED(client->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&site))))
        return S_FALSE;
    DWORD modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= 2;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= 4;
    const HRESULT hr = site->TranslateAccelerator(message, modifiers);
    site->Release();
    return hr;
}

}  // namespace framework
