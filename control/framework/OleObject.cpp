#include "OleObject.h"

#include <olectl.h>

namespace framework {

STDMETHODIMP OleObject::SetClientSite(IOleClientSite* site)
{
    return Control().SetClientSite(site);
}

STDMETHODIMP OleObject::GetClientSite(IOleClientSite** site)
{
    if (!site)
        return E_POINTER;
    *site = Control().ClientSite().copy();
    return S_OK;
}

STDMETHODIMP OleObject::Close(DWORD saveOption)
{
    return Control().CloseControl(saveOption);
}

STDMETHODIMP OleObject::GetMoniker(DWORD, DWORD, IMoniker** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleObject::GetClipboardData(DWORD, IDataObject** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleObject::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT position)
{
    ControlBase& control = Control();
    switch (verb)
    {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return control.InPlaceActivate(verb, position);
    case OLEIVERB_HIDE:
        control.UIDeactivate();
        if (control.Window())
            ShowWindow(control.Window(), SW_HIDE);
        return S_OK;
    case OLEIVERB_PROPERTIES:
        return ShowPropertyPages(parent);
    case OLEIVERB_OPEN:
    case OLEIVERB_DISCARDUNDOSTATE:
        return S_OK;
    default:
        return verb > 0 ? OLEOBJ_S_INVALIDVERB : E_NOTIMPL;
    }
}

STDMETHODIMP OleObject::EnumVerbs(IEnumOLEVERB** out)
{
    return OleRegEnumVerbs(ControlClassId(), out);
}

STDMETHODIMP OleObject::GetUserClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = ControlClassId();
    return S_OK;
}

STDMETHODIMP OleObject::GetUserType(DWORD form, LPOLESTR* type)
{
    return OleRegGetUserType(ControlClassId(), form, type);
}

STDMETHODIMP OleObject::SetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!size)
        return E_POINTER;
    ControlBase& control = Control();
    if (control.extent.cx != size->cx || control.extent.cy != size->cy)
    {
        control.extent = *size;
        control.SetDirty(true);
        control.FireViewChange();
        control.SendOnDataChange();
    }
    return S_OK;
}

STDMETHODIMP OleObject::GetExtent(DWORD aspect, SIZEL* size)
{
    if (aspect != DVASPECT_CONTENT)
        return E_FAIL;
    if (!size)
        return E_POINTER;
    *size = Control().extent;
    return S_OK;
}

STDMETHODIMP OleObject::Advise(IAdviseSink* sink, DWORD* connection)
{
    IOleAdviseHolder* holder = Control().OleAdviseHolder();
    return holder ? holder->Advise(sink, connection) : E_OUTOFMEMORY;
}

STDMETHODIMP OleObject::Unadvise(DWORD connection)
{
    IOleAdviseHolder* holder = Control().OleAdviseHolder();
    return holder ? holder->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP OleObject::EnumAdvise(IEnumSTATDATA** out)
{
    IOleAdviseHolder* holder = Control().OleAdviseHolder();
    return holder ? holder->EnumAdvise(out) : E_FAIL;
}

STDMETHODIMP OleObject::GetMiscStatus(DWORD aspect, DWORD* status)
{
    return OleRegGetMiscStatus(ControlClassId(), aspect, status);
}

}  // namespace framework
