#pragma once
// IViewObjectEx: drawing of the control for its container and the view-change sink.
#include <windows.h>
#include <ocidl.h>

#include "ControlBase.h"

namespace framework {

class ViewObject : public IViewObjectEx
{
public:
    STDMETHOD(Draw)
    (DWORD aspect, LONG index, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
     BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;
    STDMETHOD(GetColorSet)(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) override;
    STDMETHOD(Freeze)(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unfreeze)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetAdvise)(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHOD(GetAdvise)(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHOD(GetExtent)(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override;
    STDMETHOD(GetRect)(DWORD, LPRECTL) override { return E_NOTIMPL; }
    STDMETHOD(GetViewStatus)(DWORD* status) override;
    STDMETHOD(QueryHitPoint)(DWORD aspect, LPCRECT bounds, POINT point, LONG, DWORD* result) override;
    STDMETHOD(QueryHitRect)(DWORD aspect, LPCRECT bounds, LPCRECT rect, LONG, DWORD* result) override;
    STDMETHOD(GetNaturalExtent)(DWORD aspect, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO* info, LPSIZEL size) override;

protected:
    ViewObject() = default;
    virtual ~ViewObject() = default;
    virtual ControlBase& Control() = 0;
    // What the view looks like: VIEWSTATUS_ flags.
    virtual DWORD ViewStatus() = 0;
    virtual HRESULT DrawView(HDC dc, const RECT& bounds) = 0;
};

}  // namespace framework
