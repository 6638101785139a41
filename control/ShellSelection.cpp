#include "ShellSelection.h"

#include "CDataObject.h"
#include "CXeltObject.h"
#include "framework/Held.h"

namespace {

// Runs read on the data object over the view's selected items; the view's failure when
// it has none.
template <class Read>
HRESULT ReadSelection(IShellView* view, Read read)
{
    if (!view)
        return E_POINTER;
    framework::Held<IDataObject> data;
    HRESULT hr = view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, data.outVoid());
    if (FAILED(hr) || !data)
        return FAILED(hr) ? hr : E_FAIL;
    CDataObject selection(data.get());
    return read(selection);
}

}  // namespace

HRESULT BindSelectedFolder(IShellView* view, IShellFolder** folder)
{
    if (!folder)
        return E_POINTER;
    *folder = nullptr;
    return ReadSelection(view, [folder](CDataObject& selection) { return selection.BindSelection(folder); });
}

HRESULT CreateSelectionObject(IShellView* view, IXeltObject** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    return ReadSelection(view, [object](CDataObject& selection) {
        framework::Held<IShellFolder> folder;
        LPITEMIDLIST item = nullptr;
        const HRESULT hr = selection.GetParentAndLastItem(folder.out(), &item);
        if (FAILED(hr))
            return hr;
        return CXeltObject::Create(folder.get(), item, object);
    });
}
