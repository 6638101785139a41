#include "HostFixture.h"

#include <commctrl.h>

#include <algorithm>

#include "CXeltFolder.h"
#include "FolderIDList.h"
#include "ItemIDList.h"
#include "SorvaneMessages.h"
#include "framework/ComObject.h"

namespace {

const wchar_t* const windowClass = L"SorvaneHostTest";

void RegisterWindowClass()
{
    WNDCLASSW description = {};
    description.lpfnWndProc = DefWindowProcW;
    description.hInstance = GetModuleHandleW(nullptr);
    description.lpszClassName = windowClass;
    RegisterClassW(&description);
}

}  // namespace

TestControl::TestControl()
{
    RegisterWindowClass();
    window = CreateWindowExW(0, windowClass, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    framework::ComObject<CXeltFolder>* folder = nullptr;
    if (SUCCEEDED(framework::ComObject<CXeltFolder>::Create(&folder)))
        currentFolder.share(folder);
    SetPattern(L"*.*");
}

TestControl::~TestControl()
{
    SysFreeString(pattern);
    DestroyWindow(window);
}

void TestControl::Fire_ObjectSelect(IXeltObject* newObject)
{
    selectedObjects.push_back(NameOf(newObject));
}

void TestControl::Fire_IncludeObject(IDispatch* anObject, VARIANT_BOOL* pbInclude)
{
    Held<IXeltObject> object;
    std::wstring name;
    if (SUCCEEDED(anObject->QueryInterface(IID_IXeltObject, object.outVoid())))
        name = NameOf(object.get());
    askedToInclude.push_back(name);
    if (includeHandler)
        includeHandler(name, pbInclude);
}

void TestControl::SetPattern(const wchar_t* text)
{
    SysFreeString(pattern);
    pattern = text ? SysAllocString(text) : nullptr;
}

std::wstring TestControl::CurrentPath() const
{
    LONG* list = nullptr;
    if (!currentFolder || FAILED(currentFolder->_GetItemIDList(&list)) || !list)
        return L"";
    return PathOfList(reinterpret_cast<LPCITEMIDLIST>(list));
}

HostTest::HostTest()
{
    UseResourcesOf(library);
    RegisterSorvaneMessages();
    browser = NewBrowser(control);
}

HostTest::~HostTest()
{
    if (browser)
        browser->CloseView();
}

Held<CSorvaneBrowser> HostTest::NewBrowser(SorvaneBrowserOwner& owner)
{
    framework::ComObject<CSorvaneBrowser>* made = nullptr;
    Held<CSorvaneBrowser> host;
    if (SUCCEEDED(framework::ComObject<CSorvaneBrowser>::Create(&made)))
    {
        host.share(made);
        host->SetOwner(&owner);
    }
    return host;
}

bool HostTest::BrowseToPath(const std::wstring& path, bool keep)
{
    Held<IShellFolder> folder(BindPath(path));
    return folder && browser->BrowseTo(folder.get(), keep, nullptr);
}

HWND HostTest::ViewList()
{
    return GetDlgItem(browser->GetShellFolder().ViewWindow(), 1);
}

std::vector<std::wstring> HostTest::ShownNames()
{
    std::vector<std::wstring> names;
    HWND list = ViewList();
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        wchar_t text[MAX_PATH] = {};
        LVITEMW item = {};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        names.push_back(text);
    }
    return names;
}

bool HostTest::Select(const std::wstring& name)
{
    IShellFolder* shown = browser->GetShellFolder().ShownFolder();
    OwnedList item(ParseRelative(shown, name));
    IShellView* view = browser->GetShellFolder().View();
    return item && view && SUCCEEDED(view->SelectItem(item.get(), SVSI_SELECT | SVSI_FOCUSED | SVSI_DESELECTOTHERS));
}

std::vector<Posted> HostTest::TakePosted()
{
    std::vector<Posted> posted;
    MSG message;
    // Only the keyboard message and the registered ones: the window's paints stay queued.
    while (PeekMessageW(&message, control.window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE) ||
           PeekMessageW(&message, control.window, 0xC000, 0xFFFF, PM_REMOVE))
        posted.push_back({message.message, message.wParam, message.lParam});
    return posted;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring NameOf(IXeltObject* object)
{
    BSTR name = nullptr;
    if (!object || FAILED(object->get_Name(&name)))
        return L"";
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

std::wstring PathOfFolder(IShellFolder* folder)
{
    OwnedList list(GetFolderIDList(folder));
    return list ? PathOfList(list.get()) : L"";
}
