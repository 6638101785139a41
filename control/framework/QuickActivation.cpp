#include "QuickActivation.h"

namespace framework {

DWORD QuickActivation::AdviseOn(REFIID iid, IUnknown* sink)
{
    DWORD cookie = 0;
    Held<IConnectionPointContainer> container;
    if (!sink || FAILED(QueryInterface(IID_IConnectionPointContainer, container.outVoid())))
        return 0;
    Held<IConnectionPoint> point;
    if (SUCCEEDED(container->FindConnectionPoint(iid, point.out())))
        point->Advise(sink, &cookie);
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
        Held<IViewObjectEx> view;
        if (SUCCEEDED(QueryInterface(IID_IViewObjectEx, view.outVoid())))
            view->SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    }
    control->dwPropNotifyCookie = AdviseOn(IID_IPropertyNotifySink, container->pPropertyNotifySink);
    control->dwEventCookie = AdviseOn(DefaultEventInterface(), container->pUnkEventSink);

    Held<IOleObject> object;
    control->dwMiscStatus = 0;
    if (SUCCEEDED(QueryInterface(IID_IOleObject, object.outVoid())))
        object->GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
    Held<IViewObjectEx> view;
    control->dwViewStatus = 0;
    if (SUCCEEDED(QueryInterface(IID_IViewObjectEx, view.outVoid())))
        view->GetViewStatus(&control->dwViewStatus);
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
