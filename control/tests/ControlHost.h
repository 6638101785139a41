#pragma once
// A small OLE container for the control: a window, a client site that activates it in
// place, its ambient UserMode, and sinks that record its events and property changes.
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <vector>

#include "SORVANE.h"
#include "ShellFixture.h"
#include "SorvaneLibrary.h"

// The container's site for one control.
class TestSite final : public IOleClientSite, public IOleInPlaceSite, public IDispatch
{
public:
    explicit TestSite(HWND window) : window_(window) {}
    virtual ~TestSite() = default;

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override { return ++references_; }
    STDMETHOD_(ULONG, Release)() override;

    // IOleClientSite
    STDMETHOD(SaveObject)() override { return S_OK; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker** out) override;
    STDMETHOD(GetContainer)(IOleContainer** out) override;
    STDMETHOD(ShowObject)() override { return S_OK; }
    STDMETHOD(OnShowWindow)(BOOL) override { return S_OK; }
    STDMETHOD(RequestNewObjectLayout)() override { return E_NOTIMPL; }
    // IOleInPlaceSite
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(CanInPlaceActivate)() override { return S_OK; }
    STDMETHOD(OnInPlaceActivate)() override { return S_OK; }
    STDMETHOD(OnUIActivate)() override { return S_OK; }
    STDMETHOD(GetWindowContext)
    (IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position, LPRECT clip,
     LPOLEINPLACEFRAMEINFO info) override;
    STDMETHOD(Scroll)(SIZE) override { return E_NOTIMPL; }
    STDMETHOD(OnUIDeactivate)(BOOL) override { return S_OK; }
    STDMETHOD(OnInPlaceDeactivate)() override { return S_OK; }
    STDMETHOD(DiscardUndoState)() override { return S_OK; }
    STDMETHOD(DeactivateAndUndo)() override { return S_OK; }
    STDMETHOD(OnPosRectChange)(LPCRECT) override { return S_OK; }
    // IDispatch: the ambient properties; only UserMode is answered, when told to.
    STDMETHOD(GetTypeInfoCount)(UINT* count) override;
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;

    enum class UserMode
    {
        Run,
        Design,
        Unanswered
    };
    UserMode userMode = UserMode::Run;
    RECT position = {10, 10, 310, 210};

private:
    HWND window_;
    ULONG references_ = 1;
};

// Records the events of _ISorvaneEvents by DISPID, and the KeyPress codes.
class EventRecorder final : public IDispatch
{
public:
    virtual ~EventRecorder() = default;
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(GetTypeInfoCount)(UINT* count) override;
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) override;

    size_t Count(DISPID event) const;
    // The container's handler, run inside each event after it is recorded.
    std::function<void(DISPID event)> handler;
    std::vector<DISPID> events;
    std::vector<SHORT> keys;
};

// Records IPropertyNotifySink calls; refuses edits when told to.
class PropertyNotifyRecorder final : public IPropertyNotifySink
{
public:
    virtual ~PropertyNotifyRecorder() = default;
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(OnChanged)(DISPID id) override
    {
        changed.push_back(id);
        return S_OK;
    }
    STDMETHOD(OnRequestEdit)(DISPID id) override
    {
        requested.push_back(id);
        return refuse ? S_FALSE : S_OK;
    }

    bool refuse = false;
    std::vector<DISPID> changed;
    std::vector<DISPID> requested;
};

// A new control made by the OCX's class factory.
ISorvane* NewControl(const SorvaneLibrary& library);
// Advises sink on the control's connection point for iid.
void Connect(IUnknown* control, REFIID iid, IUnknown* sink);
// Dispatches the waiting messages of the thread, including those posted meanwhile.
void PumpMessages();

class ControlTest : public ::testing::Test
{
protected:
    ControlTest();
    ~ControlTest() override;

    // Sets the site and activates the control in place: its window is made.
    void Activate(TestSite::UserMode mode = TestSite::UserMode::Run);
    HWND ControlWindow();
    // The control's interface iid with a reference, or null.
    template <class I>
    I* Query(REFIID iid)
    {
        I* answer = nullptr;
        control->QueryInterface(iid, reinterpret_cast<void**>(&answer));
        return answer;
    }

    ComApartment apartment;
    SorvaneLibrary library;
    TempFolderTree tree;
    HWND container = nullptr;
    Held<TestSite> site;
    // The sinks outlive the control that holds them.
    EventRecorder events;
    PropertyNotifyRecorder notifications;
    Held<ISorvane> control;
};
