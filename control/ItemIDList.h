#pragma once
// Item ID lists of the shell namespace: arithmetic, memory (always the shell's task
// allocator) and their automation form, a VARIANT holding a byte array.
#include <windows.h>
#include <oaidl.h>
#include <shlobj.h>

// The item that follows (item address + its size).
LPCITEMIDLIST NextItemID(LPCITEMIDLIST item);
// Size in bytes including the 2-byte terminator; 0 for a null list.
UINT GetIDListSize(LPCITEMIDLIST list);
// A zero-filled block from the shell allocator; null on failure.
LPITEMIDLIST AllocIDList(UINT bytes);
// A copy of the whole list; null for a null list or on failure.
LPITEMIDLIST CopyIDList(LPCITEMIDLIST list);
// Frees a list made by the shell allocator; null is ignored.
void FreeIDList(LPITEMIDLIST list);
// A new list of all items but the last; null when the list is null, empty or has one item.
LPITEMIDLIST CopyParentIDList(LPCITEMIDLIST list);
// A new list of the last item only; a new empty list for an empty list; null for a null list.
LPITEMIDLIST CopyLastItemID(LPCITEMIDLIST list);

// The list's bytes, terminator included, as VT_ARRAY | VT_UI1 (lower bound 0) in *out,
// which is cleared first. E_POINTER for a null list or out, E_OUTOFMEMORY when no array
// is made.
HRESULT IDListToVariant(LPCITEMIDLIST list, VARIANT* out);
// A new list from such a byte array, or from an object whose "ID" property holds one;
// null for anything else, and for an array that is no well-formed list.
LPITEMIDLIST VariantToIDList(const VARIANT* value);
