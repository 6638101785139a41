#include "CXeltObject.h"

std::span<const framework::InterfaceEntry> CXeltObject::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CXeltObject, IXeltObject>(IID_IXeltObject),
        framework::Interface<CXeltObject, IDispatch>(IID_IDispatch),
    };
    return table;
}

STDMETHODIMP CXeltObject::get_Name(BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltObject::get_Path(BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltObject::get_Attributes(AttributesMask, LONG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltObject::get_Attribute(AttributesEnum, VARIANT_BOOL*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltObject::Command(BSTR)
{
    return E_NOTIMPL;
}
