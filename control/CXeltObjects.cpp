#include "CXeltObjects.h"

#include "CDataObject.h"
#include "CXeltObject.h"
#include "framework/Held.h"

std::span<const framework::InterfaceEntry> CXeltObjects::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CXeltObjects, IXeltObjects>(IID_IXeltObjects),
        framework::Interface<CXeltObjects, IDispatch>(IID_IDispatch),
    };
    return table;
}

STDMETHODIMP CXeltObjects::Get(ObjectTypeEnum objectType)
{
    framework::Held<IShellView> view;
    if (!browser_ || FAILED(browser_->QueryActiveShellView(view.out())) || !view)
        return S_OK;
    Clear();
    framework::Held<IDataObject> data;
    // The object type is the view's item selector: 1 the selection, 2 all items in view order.
    if (objectType != NoItems &&
        SUCCEEDED(view->GetItemObject(static_cast<UINT>(objectType), IID_IDataObject, data.outVoid())))
    {
        CDataObject selection(data.get());
        framework::Held<IShellFolder> folder;
        LPITEMIDLIST item = nullptr;
        for (UINT index = 0; selection.GetItem(index, folder.out(), &item); ++index)
        {
            IXeltObject* object = nullptr;
            if (SUCCEEDED(CXeltObject::Create(folder.get(), item, &object)))
                Append(object);
        }
    }
    return S_OK;
}

STDMETHODIMP CXeltObjects::get_Count(LONG* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = Count();
    return S_OK;
}

STDMETHODIMP CXeltObjects::get_Item(LONG nIndex, IXeltObject** pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = nullptr;
    if (nIndex < 0 || nIndex >= Count())
        return S_OK;
    return At(nIndex)->QueryInterface(IID_IXeltObject, reinterpret_cast<void**>(pVal));
}
