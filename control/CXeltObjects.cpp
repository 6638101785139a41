#include "CXeltObjects.h"

std::span<const framework::InterfaceEntry> CXeltObjects::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CXeltObjects, IXeltObjects>(IID_IXeltObjects),
        framework::Interface<CXeltObjects, IDispatch>(IID_IDispatch),
    };
    return table;
}

STDMETHODIMP CXeltObjects::Get(ObjectTypeEnum)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltObjects::get_Count(LONG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltObjects::get_Item(LONG, IXeltObject**)
{
    return E_NOTIMPL;
}
