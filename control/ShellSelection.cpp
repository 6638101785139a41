#include "ShellSelection.h"

#include "CDataObject.h"

HRESULT BindSelectedFolder(IShellView* view, IShellFolder** folder)
{
    if (!folder)
        return E_POINTER;
    *folder = nullptr;
    if (!view)
        return E_POINTER;
    IDataObject* data = nullptr;
    HRESULT hr = view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, reinterpret_cast<void**>(&data));
    if (FAILED(hr) || !data)
        return FAILED(hr) ? hr : E_FAIL;
    hr = CDataObject(data).BindSelection(folder);
    data->Release();
    return hr;
}
