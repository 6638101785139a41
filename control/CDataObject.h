#pragma once
// Reads the view's selection from a shell data object in its "Shell IDList Array" format:
// the absolute list of the parent folder and the items relative to it.
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include "framework/Held.h"

class CDataObject
{
public:
    // Holds a reference of its own to data (null is allowed: every read then fails).
    explicit CDataObject(IDataObject* data);
    virtual ~CDataObject() = default;
    CDataObject(const CDataObject&) = delete;
    CDataObject& operator=(const CDataObject&) = delete;

    // Binds the parent and then every item, each inside the one before, from the desktop;
    // with one item selected, *folder is that item opened as a folder. S_FALSE when the
    // data or the desktop is not to be had; a failed bind's result otherwise.
    virtual HRESULT BindSelection(IShellFolder** folder);
    // *folder: the parent bound from the desktop (the items before the last bound inside
    // it); *item: a copy of the last item. E_FAIL when the data, the desktop or an item
    // is not to be had.
    virtual HRESULT GetParentAndLastItem(IShellFolder** folder, LPITEMIDLIST* item);
    // A copy of the parent folder's absolute list.
    virtual bool GetParentIDList(LPITEMIDLIST* list);
    // For 0 <= index < count: the parent folder and a copy of that item's relative list;
    // false and both null otherwise.
    virtual bool GetItem(UINT index, IShellFolder** folder, LPITEMIDLIST* item);

private:
    framework::Held<IDataObject> data_;
};
