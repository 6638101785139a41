#include "CXeltFolder.h"

std::span<const framework::InterfaceEntry> CXeltFolder::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CXeltFolder, IXeltFolder>(IID_IXeltFolder),
        framework::Interface<CXeltFolder, IDispatch>(IID_IDispatch),
    };
    return table;
}

STDMETHODIMP CXeltFolder::_Open(VARIANT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltFolder::_SetItemIDList(LONG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltFolder::get_Path(BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltFolder::get_Name(BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltFolder::get_ID(VARIANT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXeltFolder::_GetItemIDList(LONG**)
{
    return E_NOTIMPL;
}
