#include "ControlHost.h"

#include <stdexcept>

STDMETHODIMP TestSite::QueryInterface(REFIID iid, void** out)
{
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleInPlaceSite || iid == IID_IOleWindow)
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IDispatch)
        *out = static_cast<IDispatch*>(this);
    else
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TestSite::Release()
{
    const ULONG left = --references_;
    if (!left)
        delete this;
    return left;
}

STDMETHODIMP TestSite::GetMoniker(DWORD, DWORD, IMoniker** out)
{
    *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TestSite::GetContainer(IOleContainer** out)
{
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP TestSite::GetWindow(HWND* window)
{
    *window = window_;
    return S_OK;
}

STDMETHODIMP TestSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT rect,
                                        LPRECT clip, LPOLEINPLACEFRAMEINFO)
{
    *frame = nullptr;
    *document = nullptr;
    *rect = position;
    *clip = position;
    return S_OK;
}

STDMETHODIMP TestSite::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

STDMETHODIMP TestSite::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (member != DISPID_AMBIENT_USERMODE || userMode == UserMode::Unanswered)
        return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = userMode == UserMode::Run ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP EventRecorder::QueryInterface(REFIID iid, void** out)
{
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID__ISorvaneEvents)
    {
        *out = static_cast<IDispatch*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP EventRecorder::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventRecorder::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                   UINT*)
{
    events.push_back(member);
    if (member == -603 && parameters->cArgs == 1 && V_VT(&parameters->rgvarg[0]) == VT_I2)
        keys.push_back(V_I2(&parameters->rgvarg[0]));
    if (handler)
        handler(member);
    return S_OK;
}

size_t EventRecorder::Count(DISPID event) const
{
    size_t count = 0;
    for (DISPID seen : events)
        count += seen == event;
    return count;
}

STDMETHODIMP PropertyNotifyRecorder::QueryInterface(REFIID iid, void** out)
{
    if (iid == IID_IUnknown || iid == IID_IPropertyNotifySink)
    {
        *out = static_cast<IPropertyNotifySink*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ISorvane* NewControl(const SorvaneLibrary& library)
{
    Held<IClassFactory> factory;
    if (FAILED(library.DllGetClassObject(CLSID_Sorvane, IID_IClassFactory, factory.outVoid())))
        throw std::runtime_error("no class object of the control");
    ISorvane* made = nullptr;
    const HRESULT hr = factory->CreateInstance(nullptr, IID_ISorvane, reinterpret_cast<void**>(&made));
    if (FAILED(hr))
        throw std::runtime_error("the control cannot be made");
    return made;
}

void Connect(IUnknown* control, REFIID iid, IUnknown* sink)
{
    Held<IConnectionPointContainer> points;
    control->QueryInterface(IID_IConnectionPointContainer, points.outVoid());
    Held<IConnectionPoint> point;
    ASSERT_EQ(S_OK, points->FindConnectionPoint(iid, point.out()));
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(sink, &cookie));
}

void PumpMessages()
{
    MSG message;
    for (int round = 0; round < 3; ++round)
    {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
}

ControlTest::ControlTest()
{
    container = CreateWindowExW(0, L"STATIC", L"Container", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                400, 300, nullptr, nullptr, nullptr, nullptr);
    site.reset(new TestSite(container));
    *control.out() = NewControl(library);
    Connect(control.get(), DIID__ISorvaneEvents, &events);
    Connect(control.get(), IID_IPropertyNotifySink, &notifications);
}

ControlTest::~ControlTest()
{
    Held<IOleObject> object(Query<IOleObject>(IID_IOleObject));
    if (object)
    {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    PumpMessages();
    DestroyWindow(container);
}

void ControlTest::Activate(TestSite::UserMode mode)
{
    site->userMode = mode;
    Held<IOleObject> object(Query<IOleObject>(IID_IOleObject));
    ASSERT_EQ(S_OK, object->SetClientSite(site.get()));
    ASSERT_EQ(S_OK, object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, container, &site->position));
    PumpMessages();
}

HWND ControlTest::ControlWindow()
{
    LONG window = 0;
    control->get_hWnd(&window);
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(window));
}
