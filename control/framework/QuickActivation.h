#pragma once
// IQuickActivate: the container hands its site and sinks over in one call.
#include <windows.h>
#include <ocidl.h>

#include "ControlBase.h"

namespace framework {

class QuickActivation : public IQuickActivate
{
public:
    STDMETHOD(QuickActivate)(QACONTAINER* container, QACONTROL* control) override;
    STDMETHOD(SetContentExtent)(LPSIZEL size) override;
    STDMETHOD(GetContentExtent)(LPSIZEL size) override;

protected:
    QuickActivation() = default;
    virtual ~QuickActivation() = default;
    virtual ControlBase& Control() = 0;
    // The control's default event interface, where the container's event sink is advised.
    virtual const IID& DefaultEventInterface() = 0;

private:
    // Advises sink on the connection point of iid; the cookie, or 0.
    DWORD AdviseOn(REFIID iid, IUnknown* sink);
};

}  // namespace framework
