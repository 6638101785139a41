#pragma once
// A temporary folder tree on disk and the shell's view of it, for the shell item tests.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "framework/Held.h"

using framework::Held;

// Files and folders of the tree, relative to its root.
struct TreeEntry
{
    const wchar_t* name;
    bool folder;
};
extern const std::vector<TreeEntry> treeEntries;

class TempFolderTree
{
public:
    TempFolderTree();
    ~TempFolderTree();
    TempFolderTree(const TempFolderTree&) = delete;
    TempFolderTree& operator=(const TempFolderTree&) = delete;

    const std::wstring& Root() const { return root_; }
    std::wstring PathOf(const std::wstring& relative) const { return root_ + L"\\" + relative; }

private:
    std::wstring root_;
};

// Owns an item ID list of the shell allocator.
class OwnedList
{
public:
    OwnedList() = default;
    explicit OwnedList(LPITEMIDLIST list) : list_(list) {}
    ~OwnedList() { CoTaskMemFree(list_); }
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;

    LPITEMIDLIST get() const { return list_; }
    LPITEMIDLIST* out() { return &list_; }
    explicit operator bool() const { return list_ != nullptr; }

private:
    LPITEMIDLIST list_ = nullptr;
};

// The absolute list of a path, parsed by the desktop folder.
LPITEMIDLIST ParseAbsolute(const std::wstring& path);
// The relative list of name inside folder.
LPITEMIDLIST ParseRelative(IShellFolder* folder, const std::wstring& name);
// The folder at path, bound from the desktop.
IShellFolder* BindPath(const std::wstring& path);
// The shell's data object over the named items of folder.
IDataObject* DataObjectOf(IShellFolder* folder, const std::vector<std::wstring>& names);
// The list's bytes, terminator included.
std::vector<BYTE> BytesOf(LPCITEMIDLIST list);
// True when the shell's task allocator made block.
bool FromShellAllocator(const void* block);
// A wide text in the ANSI code page, the form the utilities give names in.
std::string Ansi(const std::wstring& text);
// The file-system path of an absolute list ("" when it has none).
std::wstring PathOfList(LPCITEMIDLIST list);
