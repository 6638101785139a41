#include "CXeltFolder.h"

#include "AnsiText.h"
#include "DisplayName.h"
#include "FolderIDList.h"
#include "ItemIDList.h"
#include "framework/Held.h"
#include "framework/VariantArgument.h"

namespace {

constexpr HRESULT specialFolderNotFound = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 512);
constexpr UINT textSize = 1024;

// The list parsed from a path text by the desktop; null when it does not parse.
LPITEMIDLIST ParsePath(BSTR path)
{
    framework::Held<IShellFolder> desktop;
    if (!path || FAILED(SHGetDesktopFolder(desktop.out())))
        return nullptr;
    LPITEMIDLIST list = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, path, nullptr, &list, nullptr)))
        list = nullptr;
    return list;
}

// A copy of the list of a folder object: an XeltFolder's own, or an IShellFolder's.
LPITEMIDLIST ListOfFolderObject(IUnknown* object)
{
    if (!object)
        return nullptr;
    LPITEMIDLIST list = nullptr;
    framework::Held<IXeltFolder> folder;
    framework::Held<IShellFolder> shellFolder;
    if (SUCCEEDED(object->QueryInterface(IID_IXeltFolder, folder.outVoid())))
    {
        LONG* held = nullptr;
        if (folder->_GetItemIDList(&held) == S_OK)
            list = CopyIDList(reinterpret_cast<LPCITEMIDLIST>(held));
    }
    else if (SUCCEEDED(object->QueryInterface(IID_IShellFolder, shellFolder.outVoid())))
    {
        list = GetFolderIDList(shellFolder.get());
    }
    return list;
}

}  // namespace

std::span<const framework::InterfaceEntry> CXeltFolder::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CXeltFolder, IXeltFolder>(IID_IXeltFolder),
        framework::Interface<CXeltFolder, IDispatch>(IID_IDispatch),
        framework::Interface<CXeltFolder, ISupportErrorInfo>(IID_ISupportErrorInfo),
    };
    return table;
}

CXeltFolder::~CXeltFolder()
{
    FreeIDList(list_);
}

STDMETHODIMP CXeltFolder::_Open(VARIANT vPath)
{
    // A malformed argument is refused before the held list goes.
    if (framework::IsNullReference(vPath))
        return E_INVALIDARG;
    // Scripts hand their variables over by reference: read through to the value.
    VARIANT value;
    VariantInit(&value);
    HRESULT hr = VariantCopyInd(&value, &vPath);
    if (FAILED(hr))
        return hr;
    FreeIDList(list_);
    list_ = nullptr;
    switch (V_VT(&value))
    {
    case VT_BSTR:
        list_ = ParsePath(V_BSTR(&value));
        break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        list_ = ListOfFolderObject(V_UNKNOWN(&value));
        break;
    default:
        if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_UI4)) &&
            FAILED(SHGetSpecialFolderLocation(nullptr, static_cast<int>(V_UI4(&value)), &list_)))
        {
            list_ = nullptr;
            hr = framework::ReportError(specialFolderNotFound, L"Marrowin.XeltFolder", IDS_SPECIALFOLDERNOTFOUND);
        }
        break;
    }
    VariantClear(&value);
    return hr;
}

STDMETHODIMP CXeltFolder::_SetItemIDList(LONG* pItemIDList)
{
    FreeIDList(list_);
    list_ = reinterpret_cast<LPITEMIDLIST>(pItemIDList);
    return S_OK;
}

STDMETHODIMP CXeltFolder::get_Path(BSTR* pVal)
{
    if (!pVal)
        return E_POINTER;
    char path[textSize];
    if (!list_ || !SHGetPathFromIDListA(list_, path))
        return S_FALSE;
    *pVal = AnsiToBSTR(path);
    return S_OK;
}

STDMETHODIMP CXeltFolder::get_Name(BSTR* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = nullptr;
    if (!list_)
        return S_OK;
    framework::Held<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.out())))
        return S_OK;
    char name[textSize];
    bool named = false;
    if (LPITEMIDLIST parent = CopyParentIDList(list_))
    {
        // Two items or more: the parent folder names its last item.
        framework::Held<IShellFolder> folder;
        LPITEMIDLIST last = CopyLastItemID(list_);
        if (last && SUCCEEDED(desktop->BindToObject(parent, nullptr, IID_IShellFolder, folder.outVoid())))
            named = GetDisplayNameText(folder.get(), last, SHGDN_INFOLDER, name, textSize);
        FreeIDList(last);
        FreeIDList(parent);
    }
    else
    {
        named = GetDisplayNameText(desktop.get(), list_, SHGDN_INFOLDER, name, textSize);
    }
    if (named)
        *pVal = AnsiToBSTR(name);
    return S_OK;
}

STDMETHODIMP CXeltFolder::get_ID(VARIANT* pVal)
{
    static const USHORT desktop = 0;  // the empty list: only the terminator
    return IDListToVariant(list_ ? list_ : reinterpret_cast<LPCITEMIDLIST>(&desktop), pVal);
}

STDMETHODIMP CXeltFolder::_GetItemIDList(LONG** pItemIDList)
{
    if (!pItemIDList)
        return E_POINTER;
    *pItemIDList = reinterpret_cast<LONG*>(list_);
    return list_ ? S_OK : S_FALSE;
}
