#pragma once
// IOleObject of a control: its site, verbs, extent and advise sinks.
#include <windows.h>
#include <oleidl.h>

#include "ControlBase.h"

namespace framework {

class OleObject : public IOleObject
{
public:
    STDMETHOD(SetClientSite)(IOleClientSite* site) override;
    STDMETHOD(GetClientSite)(IOleClientSite** site) override;
    STDMETHOD(SetHostNames)(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHOD(Close)(DWORD saveOption) override;
    STDMETHOD(SetMoniker)(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker** out) override;
    STDMETHOD(InitFromData)(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetClipboardData)(DWORD, IDataObject** out) override;
    STDMETHOD(DoVerb)(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT position) override;
    STDMETHOD(EnumVerbs)(IEnumOLEVERB** out) override;
    STDMETHOD(Update)() override { return S_OK; }
    STDMETHOD(IsUpToDate)() override { return S_OK; }
    STDMETHOD(GetUserClassID)(CLSID* clsid) override;
    STDMETHOD(GetUserType)(DWORD form, LPOLESTR* type) override;
    STDMETHOD(SetExtent)(DWORD aspect, SIZEL* size) override;
    STDMETHOD(GetExtent)(DWORD aspect, SIZEL* size) override;
    STDMETHOD(Advise)(IAdviseSink* sink, DWORD* connection) override;
    STDMETHOD(Unadvise)(DWORD connection) override;
    STDMETHOD(EnumAdvise)(IEnumSTATDATA** out) override;
    STDMETHOD(GetMiscStatus)(DWORD aspect, DWORD* status) override;
    STDMETHOD(SetColorScheme)(LOGPALETTE*) override { return E_NOTIMPL; }

protected:
    OleObject() = default;
    virtual ~OleObject() = default;
    virtual ControlBase& Control() = 0;
    virtual const CLSID& ControlClassId() = 0;
    // The "Properties" verb: the container shows the control's property pages.
    virtual HRESULT ShowPropertyPages(HWND parent) = 0;
};

}  // namespace framework
