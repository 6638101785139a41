#include "ControlBase.h"

#include <olectl.h>

#include "Module.h"

namespace framework {

ControlBase::~ControlBase()
{
    // The derived control is gone already: its window must not reach it any more.
    if (window_)
    {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

HRESULT ControlBase::GetAmbientProperty(DISPID id, VARIANT* value)
{
    VariantInit(value);
    if (!clientSite_)
        return E_UNEXPECTED;
    Held<IDispatch> ambient;
    const HRESULT hr = clientSite_->QueryInterface(IID_IDispatch, ambient.outVoid());
    if (FAILED(hr))
        return hr;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr, nullptr);
}

HRESULT ControlBase::FireOnRequestEdit(DISPID id)
{
    for (const Held<IUnknown>& sink : PropertyNotifyPoint().Sinks())
        if (static_cast<IPropertyNotifySink*>(sink.get())->OnRequestEdit(id) == S_FALSE)
            return S_FALSE;
    return S_OK;
}

HRESULT ControlBase::FireOnChanged(DISPID id)
{
    for (const Held<IUnknown>& sink : PropertyNotifyPoint().Sinks())
        static_cast<IPropertyNotifySink*>(sink.get())->OnChanged(id);
    return S_OK;
}

HRESULT ControlBase::FireViewChange()
{
    if (inPlaceActive_ && window_)
    {
        InvalidateRect(window_, nullptr, TRUE);
        return S_OK;
    }
    if (viewSink)
        viewSink->OnViewChange(DVASPECT_CONTENT, -1);
    return S_OK;
}

HRESULT ControlBase::SendOnDataChange()
{
    if (!dataAdviseHolder_)
        return S_OK;
    Held<IDataObject> data;
    const HRESULT hr = ControlUnknown()->QueryInterface(IID_IDataObject, data.outVoid());
    if (FAILED(hr))
        return hr;
    return dataAdviseHolder_->SendOnDataChange(data.get(), 0, 0);
}

IOleAdviseHolder* ControlBase::OleAdviseHolder()
{
    if (!oleAdviseHolder_)
        CreateOleAdviseHolder(oleAdviseHolder_.out());
    return oleAdviseHolder_.get();
}

IDataAdviseHolder* ControlBase::DataAdviseHolder()
{
    if (!dataAdviseHolder_)
        CreateDataAdviseHolder(dataAdviseHolder_.out());
    return dataAdviseHolder_.get();
}

HRESULT ControlBase::SetClientSite(IOleClientSite* site)
{
    clientSite_.share(site);
    return S_OK;
}

HRESULT ControlBase::CreateControlWindow(HWND parent, const RECT& position)
{
    const ATOM windowClass = ControlWindowClass();
    if (!windowClass)
        return HRESULT_FROM_WIN32(GetLastError());
    HWND window =
        CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                        position.left, position.top, position.right - position.left, position.bottom - position.top,
                        parent, nullptr, Module::Instance().ResourceInstance(), this);
    return window ? S_OK : HRESULT_FROM_WIN32(GetLastError());
}

HRESULT ControlBase::InPlaceActivate(LONG verb, const RECT*)
{
    if (!clientSite_)
        return S_OK;
    if (!inPlaceActive_)
    {
        if (!inPlaceSite_ && FAILED(clientSite_->QueryInterface(IID_IOleInPlaceSite, inPlaceSite_.outVoid())))
            return E_FAIL;
        if (inPlaceSite_->CanInPlaceActivate() != S_OK)
            return E_FAIL;
        HRESULT hr = inPlaceSite_->OnInPlaceActivate();
        if (FAILED(hr))
            return hr;
        inPlaceActive_ = true;

        HWND parent = nullptr;
        inPlaceSite_->GetWindow(&parent);
        OLEINPLACEFRAMEINFO frameInfo = {sizeof frameInfo, FALSE, nullptr, nullptr, 0};
        RECT position{}, clip{};
        inPlaceSite_->GetWindowContext(frame_.out(), uiWindow_.out(), &position, &clip, &frameInfo);
        position_ = position;
        if (!window_)
        {
            hr = CreateControlWindow(parent, position);
            if (FAILED(hr))
            {
                inPlaceActive_ = false;
                inPlaceSite_->OnInPlaceDeactivate();
                return hr;
            }
        }
        SetObjectRects(&position, &clip);
    }
    if (window_)
        ShowWindow(window_, SW_SHOW);

    if (verb == OLEIVERB_UIACTIVATE || verb == OLEIVERB_PRIMARY)
    {
        if (!uiActive_)
        {
            uiActive_ = true;
            inPlaceSite_->OnUIActivate();
            SetActiveObject(true);
            if (frame_)
                frame_->SetBorderSpace(nullptr);
            if (uiWindow_)
                uiWindow_->SetBorderSpace(nullptr);
        }
        if (window_ && !IsChild(window_, GetFocus()))
            SetFocus(window_);
    }
    return S_OK;
}

void ControlBase::SetActiveObject(bool set)
{
    Held<IOleInPlaceActiveObject> active;
    if (set)
        ControlUnknown()->QueryInterface(IID_IOleInPlaceActiveObject, active.outVoid());
    if (frame_)
        frame_->SetActiveObject(active.get(), nullptr);
    if (uiWindow_)
        uiWindow_->SetActiveObject(active.get(), nullptr);
}

HRESULT ControlBase::UIDeactivate()
{
    if (!uiActive_)
        return S_OK;
    uiActive_ = false;
    SetActiveObject(false);
    if (inPlaceSite_)
        inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT ControlBase::InPlaceDeactivate()
{
    if (!inPlaceActive_)
        return S_OK;
    UIDeactivate();
    inPlaceActive_ = false;
    if (window_)
        DestroyWindow(window_);
    frame_.reset();
    uiWindow_.reset();
    if (inPlaceSite_)
        inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_.reset();
    return S_OK;
}

HRESULT ControlBase::CloseControl(DWORD saveOption)
{
    InPlaceDeactivate();
    if (requiresSave_ && clientSite_ && (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE))
    {
        clientSite_->SaveObject();
        if (oleAdviseHolder_)
            oleAdviseHolder_->SendOnSave();
    }
    if (oleAdviseHolder_)
        oleAdviseHolder_->SendOnClose();
    return S_OK;
}

HRESULT ControlBase::SetObjectRects(const RECT* position, const RECT*)
{
    if (!position)
        return E_POINTER;
    position_ = *position;
    if (window_)
        SetWindowPos(window_, nullptr, position->left, position->top, position->right - position->left,
                     position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

LRESULT ControlBase::HandleControlMessage(UINT message, WPARAM, LPARAM, bool& handled)
{
    handled = false;
    switch (message)
    {
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        RECT bounds;
        GetClientRect(window_, &bounds);
        OnDraw(dc, bounds);
        EndPaint(window_, &paint);
        handled = true;
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    {
        Held<IOleControlSite> site;
        if (clientSite_ && SUCCEEDED(clientSite_->QueryInterface(IID_IOleControlSite, site.outVoid())))
            site->OnFocus(message == WM_SETFOCUS);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        InPlaceActivate(OLEIVERB_UIACTIVATE);
        return 0;
    default:
        return 0;
    }
}

LRESULT CALLBACK ControlBase::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* control = static_cast<ControlBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    auto* control = reinterpret_cast<ControlBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control)
        return DefWindowProcW(window, message, wParam, lParam);

    bool handled = false;
    LRESULT result = control->HandleControlMessage(message, wParam, lParam, handled);
    if (!handled)
        result = control->ProcessWindowMessage(message, wParam, lParam, handled);
    if (!handled)
        result = DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        control->window_ = nullptr;
    }
    return result;
}

}  // namespace framework
