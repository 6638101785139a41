#include "ItemIDList.h"

#include <cstring>

#include "framework/Held.h"

namespace {

// The shell's task allocator, fetched for one call and released after it.
class ShellAllocator
{
public:
    ShellAllocator()
    {
        IMalloc* malloc = nullptr;
        if (SUCCEEDED(SHGetMalloc(&malloc)))
            malloc_.reset(malloc);
    }

    void* Alloc(UINT bytes) { return malloc_ ? malloc_->Alloc(bytes) : nullptr; }
    void Free(void* block)
    {
        if (malloc_)
            malloc_->Free(block);
    }

private:
    framework::Held<IMalloc> malloc_;
};

USHORT ItemSize(const BYTE* item)
{
    USHORT size;
    std::memcpy(&size, item, sizeof size);
    return size;
}

// A new list holding bytes [begin, begin + length) followed by a terminator.
LPITEMIDLIST CopyItemsWithTerminator(LPCITEMIDLIST begin, UINT length)
{
    LPITEMIDLIST list = AllocIDList(length + sizeof(USHORT));
    if (list)
        std::memcpy(list, begin, length);  // the terminator is already zero
    return list;
}

// Bytes before the last item of a non-empty list; *last is set to that item.
UINT BytesBeforeLastItem(LPCITEMIDLIST list, LPCITEMIDLIST* last)
{
    LPCITEMIDLIST item = list;
    *last = item;
    while (item->mkid.cb != 0)
    {
        *last = item;
        item = NextItemID(item);
    }
    return static_cast<UINT>(reinterpret_cast<const BYTE*>(*last) - reinterpret_cast<const BYTE*>(list));
}

// True when bytes [0, count) hold item sizes that each stay inside the array and end in
// a zero size; the last two bytes must be that terminator.
bool IsWellFormedList(const BYTE* bytes, ULONG count)
{
    if (count < sizeof(USHORT) || bytes[count - 1] != 0 || bytes[count - 2] != 0)
        return false;
    ULONG offset = 0;
    while (true)
    {
        const USHORT size = ItemSize(bytes + offset);
        if (size == 0)
            return true;
        if (size < sizeof(USHORT) || size > count - sizeof(USHORT) - offset)
            return false;
        offset += size;
    }
}

// The value of the object's "ID" property; VT_EMPTY when it has none.
VARIANT ReadIdProperty(IDispatch* object)
{
    VARIANT id;
    VariantInit(&id);
    OLECHAR name[] = L"ID";
    LPOLESTR names[] = {name};
    DISPID dispid = 0;
    if (!object || FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &dispid)))
        return id;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (FAILED(object->Invoke(dispid, IID_NULL, LOCALE_SYSTEM_DEFAULT, DISPATCH_PROPERTYGET, &none, &id, nullptr,
                              nullptr)))
        VariantClear(&id);
    return id;
}

LPITEMIDLIST ByteArrayToIDList(const VARIANT& value)
{
    if (value.vt != (VT_ARRAY | VT_UI1))
        return nullptr;
    SAFEARRAY* array = value.parray;
    if (!array || SafeArrayGetDim(array) != 1 || SafeArrayGetElemsize(array) != 1 || array->rgsabound[0].lLbound != 0)
        return nullptr;
    const ULONG count = array->rgsabound[0].cElements;

    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data)))
        return nullptr;
    LPITEMIDLIST list = nullptr;
    if (IsWellFormedList(static_cast<const BYTE*>(data), count))
    {
        list = AllocIDList(count);
        if (list)
            std::memcpy(list, data, count);
    }
    SafeArrayUnaccessData(array);
    return list;
}

}  // namespace

LPCITEMIDLIST NextItemID(LPCITEMIDLIST item)
{
    return reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(item) + item->mkid.cb);
}

UINT GetIDListSize(LPCITEMIDLIST list)
{
    if (!list)
        return 0;
    UINT size = sizeof(USHORT);
    for (LPCITEMIDLIST item = list; item->mkid.cb != 0; item = NextItemID(item))
        size += item->mkid.cb;
    return size;
}

LPITEMIDLIST AllocIDList(UINT bytes)
{
    void* block = ShellAllocator().Alloc(bytes);
    if (block)
        std::memset(block, 0, bytes);
    return static_cast<LPITEMIDLIST>(block);
}

LPITEMIDLIST CopyIDList(LPCITEMIDLIST list)
{
    if (!list)
        return nullptr;
    const UINT size = GetIDListSize(list);
    LPITEMIDLIST copy = AllocIDList(size);
    if (copy)
        std::memcpy(copy, list, size);
    return copy;
}

void FreeIDList(LPITEMIDLIST list)
{
    if (list)
        ShellAllocator().Free(list);
}

LPITEMIDLIST CopyParentIDList(LPCITEMIDLIST list)
{
    if (!list || list->mkid.cb == 0 || NextItemID(list)->mkid.cb == 0)
        return nullptr;
    LPCITEMIDLIST last = nullptr;
    return CopyItemsWithTerminator(list, BytesBeforeLastItem(list, &last));
}

LPITEMIDLIST CopyLastItemID(LPCITEMIDLIST list)
{
    if (!list)
        return nullptr;
    if (list->mkid.cb == 0)
        return AllocIDList(sizeof(USHORT));
    LPCITEMIDLIST last = nullptr;
    BytesBeforeLastItem(list, &last);
    return CopyItemsWithTerminator(last, last->mkid.cb);
}

HRESULT IDListToVariant(LPCITEMIDLIST list, VARIANT* out)
{
    // No list would give a zero-length array, which no reader takes as a list.
    if (!out || !list)
        return E_POINTER;
    const UINT size = GetIDListSize(list);
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, size);
    if (!array)
        return E_OUTOFMEMORY;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data)))
    {
        SafeArrayDestroy(array);
        return E_OUTOFMEMORY;
    }
    std::memcpy(data, list, size);
    SafeArrayUnaccessData(array);
    VariantClear(out);
    out->vt = VT_ARRAY | VT_UI1;
    out->parray = array;
    return S_OK;
}

LPITEMIDLIST VariantToIDList(const VARIANT* value)
{
    if (!value)
        return nullptr;
    if (value->vt != VT_DISPATCH)
        return ByteArrayToIDList(*value);
    VARIANT id = ReadIdProperty(value->pdispVal);
    LPITEMIDLIST list = ByteArrayToIDList(id);
    VariantClear(&id);
    return list;
}
