#include "ShellFixture.h"

#include <cstring>

const std::vector<TreeEntry> treeEntries = {
    {L"Plain.txt", false}, {L"Name with spaces.txt", false}, {L"Año señal é.txt", false},
    {L"Sub Folder", true}, {L"Carpeta Ñandú", true},         {L"Sub Folder\\Inner.txt", false},
};

namespace {

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolderTree::TempFolderTree()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"sorvane-items-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount());
    CreateDirectoryW(root_.c_str(), nullptr);
    for (const TreeEntry& entry : treeEntries)
    {
        const std::wstring path = PathOf(entry.name);
        if (entry.folder)
            CreateDirectoryW(path.c_str(), nullptr);
        else
            CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
}

TempFolderTree::~TempFolderTree()
{
    RemoveTree(root_);
}

LPITEMIDLIST ParseAbsolute(const std::wstring& path)
{
    Held<IShellFolder> desktop;
    LPITEMIDLIST list = nullptr;
    if (SUCCEEDED(SHGetDesktopFolder(desktop.out())))
        desktop->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(path.c_str()), nullptr, &list, nullptr);
    return list;
}

LPITEMIDLIST ParseRelative(IShellFolder* folder, const std::wstring& name)
{
    LPITEMIDLIST list = nullptr;
    folder->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(name.c_str()), nullptr, &list, nullptr);
    return list;
}

IShellFolder* BindPath(const std::wstring& path)
{
    Held<IShellFolder> desktop;
    OwnedList list(ParseAbsolute(path));
    IShellFolder* folder = nullptr;
    if (list && SUCCEEDED(SHGetDesktopFolder(desktop.out())))
        desktop->BindToObject(list.get(), nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder));
    return folder;
}

IDataObject* DataObjectOf(IShellFolder* folder, const std::vector<std::wstring>& names)
{
    std::vector<LPITEMIDLIST> lists;
    for (const std::wstring& name : names)
        lists.push_back(ParseRelative(folder, name));
    IDataObject* data = nullptr;
    folder->GetUIObjectOf(nullptr, static_cast<UINT>(lists.size()), const_cast<LPCITEMIDLIST*>(lists.data()),
                          IID_IDataObject, nullptr, reinterpret_cast<void**>(&data));
    for (LPITEMIDLIST list : lists)
        CoTaskMemFree(list);
    return data;
}

std::vector<BYTE> BytesOf(LPCITEMIDLIST list)
{
    const auto* bytes = reinterpret_cast<const BYTE*>(list);
    return std::vector<BYTE>(bytes, bytes + ILGetSize(list));
}

bool FromShellAllocator(const void* block)
{
    Held<IMalloc> allocator;
    return SUCCEEDED(SHGetMalloc(allocator.out())) && allocator->DidAlloc(const_cast<void*>(block)) == 1;
}

std::string Ansi(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(size - 1));
    return ansi;
}

std::wstring PathOfList(LPCITEMIDLIST list)
{
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(list, path) ? path : L"";
}
