#pragma once
// IOleInPlaceObjectWindowless of an always windowed control.
#include <windows.h>
#include <ocidl.h>

#include "ControlBase.h"

namespace framework {

class InPlaceObject : public IOleInPlaceObjectWindowless
{
public:
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(InPlaceDeactivate)() override { return Control().InPlaceDeactivate(); }
    STDMETHOD(UIDeactivate)() override { return Control().UIDeactivate(); }
    STDMETHOD(SetObjectRects)(LPCRECT position, LPCRECT clip) override
    {
        return Control().SetObjectRects(position, clip);
    }
    STDMETHOD(ReactivateAndUndo)() override { return E_NOTIMPL; }
    // The control is never windowless: no window messages come this way.
    STDMETHOD(OnWindowMessage)(UINT, WPARAM, LPARAM, LRESULT*) override { return S_FALSE; }
    STDMETHOD(GetDropTarget)(IDropTarget** out) override;

protected:
    InPlaceObject() = default;
    virtual ~InPlaceObject() = default;
    virtual ControlBase& Control() = 0;
};

}  // namespace framework
