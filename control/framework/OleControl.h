#pragma once
// IOleControl: mnemonics, ambient changes and frozen events.
#include <windows.h>
#include <ocidl.h>

#include "ControlBase.h"

namespace framework {

class OleControl : public IOleControl
{
public:
    STDMETHOD(GetControlInfo)(CONTROLINFO*) override { return E_NOTIMPL; }
    STDMETHOD(OnMnemonic)(MSG*) override { return E_NOTIMPL; }
    STDMETHOD(OnAmbientPropertyChange)(DISPID) override { return S_OK; }
    STDMETHOD(FreezeEvents)(BOOL freeze) override
    {
        ControlBase& control = Control();
        control.freezeEvents += freeze ? 1 : (control.freezeEvents > 0 ? -1 : 0);
        return S_OK;
    }

protected:
    OleControl() = default;
    virtual ~OleControl() = default;
    virtual ControlBase& Control() = 0;
};

}  // namespace framework
