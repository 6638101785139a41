#include "CXeltObject.h"

#include <string>

#include "AnsiText.h"
#include "ContextMenuCommand.h"
#include "DisplayName.h"
#include "ItemIDList.h"

std::span<const framework::InterfaceEntry> CXeltObject::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CXeltObject, IXeltObject>(IID_IXeltObject),
        framework::Interface<CXeltObject, IDispatch>(IID_IDispatch),
    };
    return table;
}

HRESULT CXeltObject::Create(IShellFolder* folder, LPITEMIDLIST item, IXeltObject** out)
{
    if (!out)
    {
        FreeIDList(item);
        return E_POINTER;
    }
    *out = nullptr;
    framework::ComObject<CXeltObject>* object = nullptr;
    const HRESULT hr = framework::ComObject<CXeltObject>::Create(&object);
    if (FAILED(hr))
    {
        FreeIDList(item);
        return hr;
    }
    object->folder_.share(folder);
    object->item_ = item;
    object->AddRef();
    *out = object;
    return S_OK;
}

CXeltObject::~CXeltObject()
{
    FreeIDList(item_);
}

HRESULT CXeltObject::DisplayName(DWORD flags, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    char name[1024];
    if (folder_ && item_ && GetDisplayNameText(folder_.get(), item_, flags, name, sizeof name))
        *out = AnsiToBSTR(name);
    return S_OK;
}

STDMETHODIMP CXeltObject::get_Name(BSTR* pVal)
{
    return DisplayName(SHGDN_NORMAL, pVal);
}

STDMETHODIMP CXeltObject::get_Path(BSTR* pVal)
{
    return DisplayName(SHGDN_FORPARSING, pVal);
}

STDMETHODIMP CXeltObject::get_Attributes(AttributesMask dwMask, LONG* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = 0;
    if (!folder_ || !item_)
        return S_OK;
    SFGAOF attributes = static_cast<SFGAOF>(dwMask);
    LPCITEMIDLIST items[] = {item_};
    // The shell may answer more than was asked for: only the asked bits are given.
    if (SUCCEEDED(folder_->GetAttributesOf(1, items, &attributes)))
        *pVal = static_cast<LONG>(attributes & static_cast<SFGAOF>(dwMask));
    return S_OK;
}

STDMETHODIMP CXeltObject::get_Attribute(AttributesEnum anAttribute, VARIANT_BOOL* pVal)
{
    if (!pVal)
        return E_POINTER;
    LONG attributes = 0;
    get_Attributes(AllAttributes, &attributes);
    *pVal = (attributes & anAttribute) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP CXeltObject::Command(BSTR strCommandName)
{
    if (strCommandName && folder_ && item_)
        InvokeVerbByText(nullptr, folder_.get(), item_, BSTRToAnsi(strCommandName).c_str());
    return S_OK;
}
