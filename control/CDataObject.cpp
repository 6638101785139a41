#include "CDataObject.h"

#include <cstring>

#include "ItemIDList.h"

namespace {

// The "Shell IDList Array" block of a data object, locked for the reader's lifetime.
// Offsets and item sizes are checked against the block, so a short or damaged block
// reads as no data rather than past its end.
class IDListArray
{
public:
    explicit IDListArray(IDataObject* data)
    {
        if (!data)
            return;
        static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("Shell IDList Array"));
        FORMATETC request = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        if (data->QueryGetData(&request) != S_OK || FAILED(data->GetData(&request, &medium_)))
            return;
        held_ = true;
        if (medium_.tymed != TYMED_HGLOBAL || !medium_.hGlobal)
            return;
        block_ = static_cast<const BYTE*>(GlobalLock(medium_.hGlobal));
        if (!block_)
            return;
        size_ = GlobalSize(medium_.hGlobal);
        valid_ = CheckBlock();
    }
    ~IDListArray()
    {
        if (block_)
            GlobalUnlock(medium_.hGlobal);
        if (held_)
            ReleaseStgMedium(&medium_);
    }
    IDListArray(const IDListArray&) = delete;
    IDListArray& operator=(const IDListArray&) = delete;

    bool Valid() const { return valid_; }
    // Number of items, not counting the parent.
    UINT Count() const { return Offsets()[0]; }
    // Entry 0 is the parent's absolute list, entries 1 to Count() the items.
    LPCITEMIDLIST Entry(UINT index) const { return reinterpret_cast<LPCITEMIDLIST>(block_ + Offsets()[index + 1]); }

private:
    const UINT* Offsets() const { return reinterpret_cast<const UINT*>(block_); }

    bool CheckBlock() const
    {
        const SIZE_T slots = size_ / sizeof(UINT);
        if (slots < 2 || Offsets()[0] > slots - 2)
            return false;
        const SIZE_T count = Offsets()[0];
        for (SIZE_T entry = 0; entry <= count; ++entry)
            if (!ListFits(Offsets()[entry + 1]))
                return false;
        return true;
    }

    bool ListFits(SIZE_T offset) const
    {
        while (true)
        {
            if (offset > size_ - sizeof(USHORT))
                return false;
            USHORT itemSize;
            std::memcpy(&itemSize, block_ + offset, sizeof itemSize);
            if (itemSize == 0)
                return true;
            if (itemSize < sizeof(USHORT))
                return false;
            offset += itemSize;
        }
    }

    STGMEDIUM medium_ = {};
    bool held_ = false;
    const BYTE* block_ = nullptr;
    SIZE_T size_ = 0;
    bool valid_ = false;
};

bool IsEmpty(LPCITEMIDLIST list)
{
    return list->mkid.cb == 0;
}

// Binds list from current into current (the old folder given up, empty on failure).
HRESULT BindInto(framework::Held<IShellFolder>& current, LPCITEMIDLIST list)
{
    framework::Held<IShellFolder> next;
    const HRESULT hr = current->BindToObject(list, nullptr, IID_IShellFolder, next.outVoid());
    current = std::move(next);
    if (SUCCEEDED(hr) && current)
        return hr;
    current.reset();
    return FAILED(hr) ? hr : E_FAIL;
}

// Starting at the desktop, binds every non-empty entry of [first, last) inside the one
// before; folder holds the last folder bound, empty on failure.
HRESULT BindEntries(const IDListArray& array, UINT first, UINT last, framework::Held<IShellFolder>& folder)
{
    HRESULT hr = S_OK;
    for (UINT entry = first; entry < last && SUCCEEDED(hr); ++entry)
        if (!IsEmpty(array.Entry(entry)))
            hr = BindInto(folder, array.Entry(entry));
    return hr;
}

}  // namespace

CDataObject::CDataObject(IDataObject* data)
{
    data_.share(data);
}

HRESULT CDataObject::BindSelection(IShellFolder** folder)
{
    if (!folder)
        return E_POINTER;
    *folder = nullptr;
    IDListArray array(data_.get());
    framework::Held<IShellFolder> current;
    if (!array.Valid() || FAILED(SHGetDesktopFolder(current.out())) || !current)
        return S_FALSE;
    const HRESULT hr = BindEntries(array, 0, array.Count() + 1, current);
    *folder = current.detach();
    return hr;
}

HRESULT CDataObject::GetParentAndLastItem(IShellFolder** folder, LPITEMIDLIST* item)
{
    if (!folder || !item)
        return E_POINTER;
    *folder = nullptr;
    *item = nullptr;
    IDListArray array(data_.get());
    // Without an item there is no last item: the parent's own list is no selection.
    if (!array.Valid() || array.Count() == 0)
        return E_FAIL;
    framework::Held<IShellFolder> current;
    if (FAILED(SHGetDesktopFolder(current.out())) || !current)
        return E_FAIL;
    const HRESULT hr = BindEntries(array, 0, array.Count(), current);
    if (FAILED(hr))
        return hr;
    *item = CopyIDList(array.Entry(array.Count()));
    if (!*item)
        return E_OUTOFMEMORY;
    *folder = current.detach();
    return hr;
}

bool CDataObject::GetParentIDList(LPITEMIDLIST* list)
{
    if (!list)
        return false;
    *list = nullptr;
    IDListArray array(data_.get());
    if (!array.Valid())
        return false;
    *list = CopyIDList(array.Entry(0));
    return *list != nullptr;
}

bool CDataObject::GetItem(UINT index, IShellFolder** folder, LPITEMIDLIST* item)
{
    if (!folder || !item)
        return false;
    *folder = nullptr;
    *item = nullptr;
    IDListArray array(data_.get());
    if (!array.Valid() || index >= array.Count())
        return false;
    framework::Held<IShellFolder> parent;
    if (FAILED(SHGetDesktopFolder(parent.out())) || !parent || FAILED(BindEntries(array, 0, 1, parent)))
        return false;
    *item = CopyIDList(array.Entry(index + 1));
    if (!*item)
        return false;
    *folder = parent.detach();
    return true;
}
