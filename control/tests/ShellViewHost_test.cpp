// The view host: the shell's real view of a folder tree inside the control window,
// changes of folder, the default command and the browser's answers to the view.
#include "HostFixture.h"

#include <algorithm>

#include "FolderIDList.h"
#include "ItemIDList.h"
#include "ShellSelection.h"
#include "SorvaneMessages.h"
#include "Uncounted.h"
#include "ViewHook.h"

namespace {

using Names = std::vector<std::wstring>;

bool HasPosted(const std::vector<Posted>& posted, UINT message)
{
    return std::any_of(posted.begin(), posted.end(), [message](const Posted& p) { return p.message == message; });
}

// A folder whose view cannot be made.
class FolderWithoutView final : public Uncounted<IShellFolder>
{
public:
    STDMETHOD(ParseDisplayName)(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override
    {
        return E_NOTIMPL;
    }
    STDMETHOD(EnumObjects)(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    STDMETHOD(BindToObject)(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    STDMETHOD(BindToStorage)(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    STDMETHOD(CompareIDs)(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_NOTIMPL; }
    STDMETHOD(CreateViewObject)(HWND, REFIID, void** out) override
    {
        *out = nullptr;
        return E_ACCESSDENIED;
    }
    STDMETHOD(GetAttributesOf)(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_NOTIMPL; }
    STDMETHOD(GetUIObjectOf)(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*, void**) override { return E_NOTIMPL; }
    STDMETHOD(GetDisplayNameOf)(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_NOTIMPL; }
    STDMETHOD(SetNameOf)(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override { return E_NOTIMPL; }
};

using ViewHost = HostTest;

TEST_F(ViewHost, BrowsingToAFolderShowsItsItemsInAViewInsideTheControlWindow)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));

    HWND viewWindow = browser->GetShellFolder().ViewWindow();
    ASSERT_TRUE(IsWindow(viewWindow));
    EXPECT_EQ(GetParent(viewWindow), control.window);
    EXPECT_TRUE(IsWindowVisible(ViewList()));
    EXPECT_EQ(Sorted(ShownNames()),
              Sorted({L"Año señal é.txt", L"Carpeta Ñandú", L"Name with spaces.txt", L"Plain.txt", L"Sub Folder"}));
    EXPECT_EQ(control.CurrentPath(), tree.Root());
    EXPECT_TRUE(HasPosted(TakePosted(), WM_BROWSEFOLDERCHANGE));
    EXPECT_TRUE(IsWindowVisible(control.window));

    Held<IShellView> active;
    ASSERT_EQ(browser->QueryActiveShellView(active.out()), S_OK);
    EXPECT_EQ(active.get(), browser->GetShellFolder().View());
}

TEST_F(ViewHost, BrowsingToAnotherFolderReplacesTheViewAndItsWindow)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    HWND oldWindow = browser->GetShellFolder().ViewWindow();
    TakePosted();

    ASSERT_TRUE(BrowseToPath(tree.PathOf(L"Sub Folder")));
    EXPECT_FALSE(IsWindow(oldWindow));
    EXPECT_EQ(ShownNames(), Names({L"Inner.txt"}));
    EXPECT_EQ(PathOfFolder(browser->GetShellFolder().ShownFolder()), tree.PathOf(L"Sub Folder"));
    EXPECT_EQ(control.CurrentPath(), tree.PathOf(L"Sub Folder"));
    EXPECT_TRUE(HasPosted(TakePosted(), WM_BROWSEFOLDERCHANGE));
}

TEST_F(ViewHost, AGivenListBecomesTheCurrentFolderAsItIs)
{
    Held<IShellFolder> folder(BindPath(tree.PathOf(L"Sub Folder")));
    OwnedList list(ParseAbsolute(tree.PathOf(L"Carpeta Ñandú")));
    ASSERT_TRUE(browser->BrowseTo(folder.get(), true, list.get()));
    EXPECT_EQ(control.CurrentPath(), tree.PathOf(L"Carpeta Ñandú"));
}

TEST_F(ViewHost, KeepingTakesTheOldViewsSettingsAndNotKeepingTheControls)
{
    control.settings.ViewMode = FVM_LIST;
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    control.settings.ViewMode = FVM_DETAILS;

    FOLDERSETTINGS shown = {};
    ASSERT_TRUE(BrowseToPath(tree.Root(), true));
    browser->GetShellFolder().View()->GetCurrentInfo(&shown);
    EXPECT_EQ(shown.ViewMode, static_cast<UINT>(FVM_LIST));

    ASSERT_TRUE(BrowseToPath(tree.Root(), false));
    browser->GetShellFolder().View()->GetCurrentInfo(&shown);
    EXPECT_EQ(shown.ViewMode, static_cast<UINT>(FVM_DETAILS));
}

TEST_F(ViewHost, AFolderWithoutAViewLeavesTheOldViewShownAndPostsNothing)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    IShellView* oldView = browser->GetShellFolder().View();
    TakePosted();

    FolderWithoutView broken;
    EXPECT_FALSE(browser->BrowseTo(&broken, true, nullptr));
    EXPECT_EQ(browser->GetShellFolder().View(), oldView);
    EXPECT_TRUE(IsWindow(browser->GetShellFolder().ViewWindow()));
    EXPECT_EQ(browser->GetShellFolder().GetFilterFolder(), browser->GetShellFolder().ShownFolder());
    EXPECT_EQ(control.CurrentPath(), tree.Root());
    EXPECT_TRUE(TakePosted().empty());
    EXPECT_TRUE(IsWindowVisible(control.window));
    EXPECT_TRUE(ViewHookInstalled());
}

TEST_F(ViewHost, WithoutTheControlWindowNoViewIsMade)
{
    TestControl windowless;
    DestroyWindow(windowless.window);
    windowless.window = nullptr;
    Held<CSorvaneBrowser> other = NewBrowser(windowless);
    ASSERT_TRUE(other);
    Held<IShellFolder> folder(BindPath(tree.Root()));
    EXPECT_FALSE(other->BrowseTo(folder.get(), true, nullptr));
    EXPECT_EQ(other->GetShellFolder().View(), nullptr);
}

TEST_F(ViewHost, GoingUpShowsTheParentWithTheFolderLeftSelected)
{
    ASSERT_TRUE(BrowseToPath(tree.PathOf(L"Sub Folder")));
    browser->GoUpOneLevel();
    EXPECT_EQ(PathOfFolder(browser->GetShellFolder().ShownFolder()), tree.Root());

    Held<IXeltObject> selected;
    ASSERT_EQ(CreateSelectionObject(browser->GetShellFolder().View(), selected.out()), S_OK);
    EXPECT_EQ(NameOf(selected.get()), L"Sub Folder");
}

TEST_F(ViewHost, GoingUpFromAFolderOnTheDesktopShowsTheDesktopWithThatFolderSelected)
{
    wchar_t desktopPath[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, desktopPath, CSIDL_DESKTOPDIRECTORY, TRUE));
    const std::wstring name = L"sorvane-up-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring path = std::wstring(desktopPath) + L"\\" + name;
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    {
        Held<IShellFolder> desktop;
        ASSERT_EQ(SHGetDesktopFolder(desktop.out()), S_OK);
        OwnedList item(ParseRelative(desktop.get(), name));
        ASSERT_TRUE(item);
        Held<IShellFolder> folder;
        ASSERT_EQ(desktop->BindToObject(item.get(), nullptr, IID_IShellFolder, folder.outVoid()), S_OK);
        ASSERT_TRUE(browser->BrowseTo(folder.get(), true, nullptr));

        browser->GoUpOneLevel();
        OwnedList shown(GetFolderIDList(browser->GetShellFolder().ShownFolder()));
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown.get()->mkid.cb, 0);
        Held<IXeltObject> selected;
        ASSERT_EQ(CreateSelectionObject(browser->GetShellFolder().View(), selected.out()), S_OK);
        EXPECT_EQ(NameOf(selected.get()), name);
        browser->CloseView();
    }
    RemoveDirectoryW(path.c_str());
}

TEST_F(ViewHost, GoingUpFromTheDesktopShowsTheDesktopAgain)
{
    Held<IShellFolder> desktop;
    ASSERT_EQ(SHGetDesktopFolder(desktop.out()), S_OK);
    ASSERT_TRUE(browser->BrowseTo(desktop.get(), true, nullptr));
    TakePosted();

    browser->GoUpOneLevel();
    OwnedList shown(GetFolderIDList(browser->GetShellFolder().ShownFolder()));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown.get()->mkid.cb, 0);
    EXPECT_TRUE(HasPosted(TakePosted(), WM_BROWSEFOLDERCHANGE));
}

TEST_F(ViewHost, ClosingTheViewDestroysItsWindowAndLetsTheHostGo)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    HWND viewWindow = browser->GetShellFolder().ViewWindow();
    EXPECT_EQ(browser->CloseView(), S_OK);
    EXPECT_FALSE(IsWindow(viewWindow));
    Held<IShellView> active;
    EXPECT_TRUE(FAILED(browser->QueryActiveShellView(active.out())));
    EXPECT_FALSE(active);
}

TEST_F(ViewHost, ResizingSizesTheViewWindow)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    browser->GetShellFolder().ResizeView(250, 120);
    RECT bounds = {};
    GetClientRect(browser->GetShellFolder().ViewWindow(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 250);
    EXPECT_EQ(bounds.bottom - bounds.top, 120);
}

TEST_F(ViewHost, TheFontGoesToTheViewsList)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    Held<IFont> font;
    ASSERT_EQ(browser->Font()->QueryInterface(IID_IFont, font.outVoid()), S_OK);
    HFONT handle = nullptr;
    ASSERT_EQ(font->get_hFont(&handle), S_OK);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(ViewList(), WM_GETFONT, 0, 0)), handle);
    SHORT weight = 0;
    font->get_Weight(&weight);
    EXPECT_EQ(weight, FW_NORMAL);
}

TEST_F(ViewHost, AnswersTheShellBrowserAndTheDialogBrowserAsOneObject)
{
    Held<ICommDlgBrowser> dialogBrowser;
    ASSERT_EQ(browser->QueryInterface(IID_ICommDlgBrowser, dialogBrowser.outVoid()), S_OK);
    Held<IShellBrowser> back;
    ASSERT_EQ(dialogBrowser->QueryInterface(IID_IShellBrowser, back.outVoid()), S_OK);
    EXPECT_EQ(back.get(), static_cast<IShellBrowser*>(browser.get()));
    Held<IUnknown> window;
    EXPECT_EQ(browser->QueryInterface(IID_IOleWindow, window.outVoid()), E_NOINTERFACE);

    HWND owner = nullptr;
    EXPECT_EQ(browser->GetWindow(&owner), S_OK);
    EXPECT_EQ(owner, control.window);
    EXPECT_EQ(browser->BrowseObject(nullptr, 0), E_NOTIMPL);
    IStream* stream = reinterpret_cast<IStream*>(1);
    EXPECT_EQ(browser->GetViewStateStream(STGM_READ, &stream), E_NOTIMPL);
    EXPECT_EQ(stream, nullptr);
}

}  // namespace
