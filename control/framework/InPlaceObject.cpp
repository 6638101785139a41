#include "InPlaceObject.h"

namespace framework {

STDMETHODIMP InPlaceObject::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = Control().Window();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP InPlaceObject::GetDropTarget(IDropTarget** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

}  // namespace framework
