#pragma once
// What the OLE interfaces of a windowed control share: its site, window, extent and state
// flags, in-place activation, and the notifications it sends to its container.
#include <windows.h>
#include <ocidl.h>
#include <oleidl.h>

#include "ConnectionPoint.h"
#include "Held.h"

namespace framework {

class ControlBase
{
public:
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    HWND Window() const { return window_; }
    bool InPlaceActive() const { return inPlaceActive_; }
    bool UIActive() const { return uiActive_; }
    bool RequiresSave() const { return requiresSave_; }
    void SetDirty(bool dirty) { requiresSave_ = dirty; }

    // An ambient property of the container, read through the client site's IDispatch.
    HRESULT GetAmbientProperty(DISPID id, VARIANT* value);
    // Asks the property-notify sinks for leave to change a property: S_FALSE when one refuses.
    HRESULT FireOnRequestEdit(DISPID id);
    HRESULT FireOnChanged(DISPID id);
    // The view must be drawn again: the window while in place, else the view sink.
    virtual HRESULT FireViewChange();
    // The data changed: tells the data-advise sinks.
    HRESULT SendOnDataChange();

    HRESULT SetClientSite(IOleClientSite* site);
    const Held<IOleClientSite>& ClientSite() const { return clientSite_; }
    // Activation by verb: the window is made on the first activation inside the site.
    HRESULT InPlaceActivate(LONG verb, const RECT* position = nullptr);
    HRESULT UIDeactivate();
    HRESULT InPlaceDeactivate();
    // Deactivates, saves through the site when asked, and tells the advise sinks.
    HRESULT CloseControl(DWORD saveOption);
    HRESULT SetObjectRects(const RECT* position, const RECT* clip);

    IOleAdviseHolder* OleAdviseHolder();
    IDataAdviseHolder* DataAdviseHolder();

    SIZEL extent{5080, 5080};  // HIMETRIC
    SIZEL naturalExtent{5080, 5080};  // HIMETRIC
    Held<IAdviseSink> viewSink;
    DWORD viewAdviseFlags = 0;
    DWORD viewAdviseAspects = 0;
    LONG freezeEvents = 0;

protected:
    ControlBase() = default;
    virtual ~ControlBase();

    // The controlling IUnknown of the object (the outer one when aggregated).
    virtual IUnknown* ControlUnknown() = 0;
    virtual ConnectionPoint& PropertyNotifyPoint() = 0;
    virtual ATOM ControlWindowClass() = 0;
    // Messages of the control window after the control messages above; handled false sends
    // the message to the default window procedure.
    virtual LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
    // Drawing of the control into a device context.
    virtual HRESULT OnDraw(HDC dc, const RECT& bounds) = 0;

    // The window procedure of the control class: hand it to the class registration.
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    HRESULT CreateControlWindow(HWND parent, const RECT& position);
    void SetActiveObject(bool set);

    HWND window_ = nullptr;
    bool requiresSave_ = false;
    bool inPlaceActive_ = false;
    bool uiActive_ = false;
    RECT position_{};
    // Given up in the reverse order: the window context first, the advise holders last.
    Held<IDataAdviseHolder> dataAdviseHolder_;
    Held<IOleAdviseHolder> oleAdviseHolder_;
    Held<IOleClientSite> clientSite_;
    Held<IOleInPlaceSite> inPlaceSite_;
    Held<IOleInPlaceUIWindow> uiWindow_;
    Held<IOleInPlaceFrame> frame_;
};

}  // namespace framework
