#pragma once
// IOleInPlaceActiveObject: keyboard and frame events of the UI-active control.
#include <windows.h>
#include <oleidl.h>

#include "ControlBase.h"

namespace framework {

class InPlaceActiveObject : public IOleInPlaceActiveObject
{
public:
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    // Offers the message to the site's IOleControlSite.
    STDMETHOD(TranslateAccelerator)(LPMSG message) override;
    STDMETHOD(OnFrameWindowActivate)(BOOL) override { return S_OK; }
    STDMETHOD(OnDocWindowActivate)(BOOL) override { return S_OK; }
    STDMETHOD(ResizeBorder)(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHOD(EnableModeless)(BOOL) override { return S_OK; }

protected:
    InPlaceActiveObject() = default;
    virtual ~InPlaceActiveObject() = default;
    virtual ControlBase& Control() = 0;
};

}  // namespace framework
