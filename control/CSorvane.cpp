#include "CSorvane.h"

std::span<const framework::InterfaceEntry> CSorvane::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CSorvane, ISorvane>(IID_ISorvane),
        framework::Interface<CSorvane, IDispatch>(IID_IDispatch),
    };
    return table;
}

STDMETHODIMP CSorvane::get_ViewMode(ViewModeType*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_ViewMode(ViewModeType)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::ModifyFolderFlags(FolderFlagsEnum, FolderFlagsEnum)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_ViewFolderFlags(LONG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_SpecialFolder(SpecialFolderPathConstants, IXeltFolder**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_BrowseFolder(VARIANT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_BrowseFolder(VARIANT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_IncludeObjectType(IncludeObjectEnum*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_IncludeObjectType(IncludeObjectEnum)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::UpOneLevel()
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_FilePattern(BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_FilePattern(BSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_MatchPattern(BSTR, BSTR, VARIANT_BOOL*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_ShellFolder(VARIANT, IXeltFolder**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get__EnumObject(IXeltObject**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_Enabled(VARIANT_BOOL*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_Enabled(VARIANT_BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_Version(BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_Version(BSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_Objects(IXeltObjects**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_hWnd(LONG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::Refresh()
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::put_Font(IFontDisp*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::get_Font(IFontDisp**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvane::putref_Font(IFontDisp*)
{
    return E_NOTIMPL;
}
