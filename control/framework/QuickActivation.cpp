#include "QuickActivation.h"

namespace framework {

DWORD QuickActivation::AdviseOn(REFIID iid, IUnknown* sink)
{
    DWORD cookie = 0;
    IConnectionPointContainer* container = nullptr;
    if (!sink || FAILED(QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return 0;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(iid, &point)))
    {
        point->Advise(sink, &cookie);
        point->Release();
    }
    container->Release();
    return cookie;
}

STDMETHODIMP QuickActivation::QuickActivate(QACONTAINER* container, QACONTROL* control)
{
    if (!container || !control)
        return E_POINTER;
    if (container->cbSize < sizeof(QACONTAINER) || control->cbSize < sizeof(QACONTROL))
        return E_INVALIDARG;

    ControlBase& self = Control();
    self.SetClientSite(container->pClientSite);
    if (container->pAdviseSink)
    {
        IViewObjectEx* view = nullptr;
        if (SUCCEEDED(QueryInterface(IID_IViewObjectEx, reinterpret_cast<void**>(&view))))
        {
            view->SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
            view->Release();
        }
    }
    control->dwPropNotifyCookie = AdviseOn(IID_IPropertyNotifySink, container->pPropertyNotifySink);
    control->dwEventCookie = AdviseOn(DefaultEventInterface(), container->pUnkEventSink);

    IOleObject* object = nullptr;
    control->dwMiscStatus = 0;
    if (SUCCEEDED(QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object))))
    {
        object->GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
        object->Release();
    }
    IViewObjectEx* view = nullptr;
    control->dwViewStatus = 0;
    if (SUCCEEDED(QueryInterface(IID_IViewObjectEx, reinterpret_cast<void**>(&view))))
    {
        view->GetViewStatus(&control->dwViewStatus);
        view->Release();
    }
    control->dwPointerActivationPolicy = 0;
    return S_OK;
}

STDMETHODIMP QuickActivation::SetContentExtent(LPSIZEL size)
{
    if (!size)
        return E_POINTER;
    Control().extent = *size;
    return S_OK;
}

STDMETHODIMP QuickActivation::GetContentExtent(LPSIZEL size)
{
    if (!size)
        return E_POINTER;
    *size = Control().extent;
    return S_OK;
}

}  // namespace framework
