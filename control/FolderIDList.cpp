#include "FolderIDList.h"

#include "CDataObject.h"
#include "framework/Held.h"

LPITEMIDLIST GetFolderIDList(IShellFolder* folder)
{
    if (!folder)
        return nullptr;
    // A data object over the folder's own empty item: its parent is the folder itself.
    const USHORT empty = 0;
    LPCITEMIDLIST items[] = {reinterpret_cast<LPCITEMIDLIST>(&empty)};
    framework::Held<IDataObject> data;
    if (FAILED(folder->GetUIObjectOf(nullptr, 1, items, IID_IDataObject, nullptr, data.outVoid())) || !data)
        return nullptr;
    LPITEMIDLIST list = nullptr;
    CDataObject(data.get()).GetParentIDList(&list);
    return list;
}
