#include "ViewObject.h"

namespace framework {

STDMETHODIMP ViewObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                              BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (aspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (!dc)
        return E_INVALIDARG;
    RECT area{};
    if (bounds)
        area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    else if (Control().Window())
        GetClientRect(Control().Window(), &area);
    return DrawView(dc, area);
}

STDMETHODIMP ViewObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors)
{
    if (colors)
        *colors = nullptr;
    return S_FALSE;
}

STDMETHODIMP ViewObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink)
{
    ControlBase& control = Control();
    control.viewSink.share(sink);
    control.viewAdviseAspects = aspects;
    control.viewAdviseFlags = flags;
    return S_OK;
}

STDMETHODIMP ViewObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink)
{
    ControlBase& control = Control();
    if (aspects)
        *aspects = control.viewAdviseAspects;
    if (flags)
        *flags = control.viewAdviseFlags;
    if (sink)
        *sink = control.viewSink.copy();
    return S_OK;
}

STDMETHODIMP ViewObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size)
{
    if (aspect != DVASPECT_CONTENT)
        return E_FAIL;
    if (!size)
        return E_POINTER;
    *size = Control().extent;
    return S_OK;
}

STDMETHODIMP ViewObject::GetViewStatus(DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = ViewStatus();
    return S_OK;
}

STDMETHODIMP ViewObject::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT point, LONG, DWORD* result)
{
    if (aspect != DVASPECT_CONTENT)
        return E_FAIL;
    if (!bounds || !result)
        return E_POINTER;
    *result = PtInRect(bounds, point) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP ViewObject::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT rect, LONG, DWORD* result)
{
    if (aspect != DVASPECT_CONTENT)
        return E_FAIL;
    if (!bounds || !rect || !result)
        return E_POINTER;
    RECT common;
    *result = IntersectRect(&common, bounds, rect) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP ViewObject::GetNaturalExtent(DWORD aspect, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO* info, LPSIZEL size)
{
    if (aspect != DVASPECT_CONTENT)
        return E_FAIL;
    if (!info || !size)
        return E_POINTER;
    if (info->dwExtentMode != DVEXTENT_CONTENT)
        return E_FAIL;
    *size = Control().naturalExtent;
    return S_OK;
}

}  // namespace framework
