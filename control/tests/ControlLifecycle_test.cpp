// The control in a container: its window, the folder it shows, rebuilds of the view,
// keys and the end of its life.
#include <gtest/gtest.h>

#include <windows.h>
#include <olectl.h>

#include <algorithm>
#include <string>

#include "AutomationFixture.h"
#include "ControlHost.h"

namespace {

constexpr DISPID browseFolderChange = 3;

class ControlLifecycle : public ControlTest
{
protected:
    // The folder changes (rebuilds included) that action causes, once its messages ran.
    template <class Action>
    size_t FolderChangesOf(Action action)
    {
        PumpMessages();
        const size_t before = events.Count(browseFolderChange);
        action();
        PumpMessages();
        return events.Count(browseFolderChange) - before;
    }

    std::wstring ShownPath()
    {
        VARIANT current;
        VariantInit(&current);
        control->get_BrowseFolder(&current);
        Held<IXeltFolder> folder;
        V_DISPATCH(&current)->QueryInterface(IID_IXeltFolder, folder.outVoid());
        VariantClear(&current);
        BSTR path = nullptr;
        folder->get_Path(&path);
        return TakeText(path);
    }

    void BrowseTo(const std::wstring& path)
    {
        VARIANT text;
        V_VT(&text) = VT_BSTR;
        V_BSTR(&text) = SysAllocString(path.c_str());
        Held<IXeltFolder> folder;
        control->get_ShellFolder(text, folder.out());
        VariantClear(&text);
        VARIANT object;
        V_VT(&object) = VT_DISPATCH;
        V_DISPATCH(&object) = folder.get();
        EXPECT_EQ(S_OK, control->put_BrowseFolder(object));
    }

    HWND ViewWindow() { return GetWindow(ControlWindow(), GW_CHILD); }
};

TEST_F(ControlLifecycle, ActivationMakesTheWindowAndShowsTheDesktop)
{
    Activate();
    HWND window = ControlWindow();
    ASSERT_NE(nullptr, window);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    EXPECT_STREQ(L"Sorvane", className);
    EXPECT_EQ(container, GetParent(window));
    const LONG_PTR styles = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    EXPECT_EQ(styles, GetWindowLongPtrW(window, GWL_STYLE) & styles);
    EXPECT_NE(nullptr, ViewWindow());
    // The desktop at creation, and the refresh posted by it.
    EXPECT_EQ(2u, events.Count(browseFolderChange));

    VARIANT current;
    VariantInit(&current);
    ASSERT_EQ(S_OK, control->get_BrowseFolder(&current));
    Held<IXeltFolder> folder;
    V_DISPATCH(&current)->QueryInterface(IID_IXeltFolder, folder.outVoid());
    VARIANT id;
    VariantInit(&id);
    folder->get_ID(&id);
    ASSERT_EQ(VT_ARRAY | VT_UI1, V_VT(&id));
    EXPECT_EQ(1u, V_ARRAY(&id)->rgsabound[0].cElements - 1);  // the desktop's empty list
    VariantClear(&id);
    VariantClear(&current);
}

TEST_F(ControlLifecycle, BrowseFolderShowsTheFolderGiven)
{
    Activate();
    EXPECT_EQ(1u, FolderChangesOf([&] { BrowseTo(tree.Root()); }));
    EXPECT_EQ(tree.Root(), ShownPath());
}

TEST_F(ControlLifecycle, BrowseFolderWithoutAListDoesNothing)
{
    Activate();
    VARIANT number;
    V_VT(&number) = VT_I4;
    V_I4(&number) = 5;
    EXPECT_EQ(0u, FolderChangesOf([&] { EXPECT_EQ(S_OK, control->put_BrowseFolder(number)); }));
}

TEST_F(ControlLifecycle, WhichPutsRebuildTheView)
{
    Activate();
    BrowseTo(tree.Root());
    EXPECT_EQ(1u, FolderChangesOf([&] { control->put_ViewMode(Details); }));  // the same mode
    EXPECT_EQ(0u, FolderChangesOf([&] { control->ModifyFolderFlags(NoFlag, NoFlag); }));
    EXPECT_EQ(1u, FolderChangesOf([&] { control->ModifyFolderFlags(AutoArrange, NoFlag); }));
    BSTR pattern = SysAllocString(L"*.txt");
    EXPECT_EQ(0u, FolderChangesOf([&] { control->put_FilePattern(pattern); }));
    EXPECT_EQ(1u, FolderChangesOf([&] { control->put_IncludeObjectType(PatternObjects); }));
    EXPECT_EQ(0u, FolderChangesOf([&] { control->put_IncludeObjectType(PatternObjects); }));
    EXPECT_EQ(1u, FolderChangesOf([&] { control->put_FilePattern(pattern); }));
    EXPECT_EQ(1u, FolderChangesOf([&] { control->Refresh(); }));
    SysFreeString(pattern);
    // A rebuild stays in the folder shown.
    EXPECT_EQ(tree.Root(), ShownPath());
}

TEST_F(ControlLifecycle, UpOneLevelShowsTheParent)
{
    Activate();
    BrowseTo(tree.PathOf(L"Sub Folder"));
    PumpMessages();
    ASSERT_EQ(tree.PathOf(L"Sub Folder"), ShownPath());
    EXPECT_EQ(1u, FolderChangesOf([&] { EXPECT_EQ(S_OK, control->UpOneLevel()); }));
    EXPECT_EQ(tree.Root(), ShownPath());
}

TEST_F(ControlLifecycle, EnabledSetsTheWindowStyleOnlyInRunMode)
{
    struct Case
    {
        TestSite::UserMode mode;
        bool disabled;
    };
    const Case cases[] = {
        {TestSite::UserMode::Run, true},
        {TestSite::UserMode::Design, false},
        {TestSite::UserMode::Unanswered, false},  // counts as design mode
    };
    for (const Case& check : cases)
    {
        Held<ISorvane> other(NewControl(library));
        Held<IOleObject> object;
        other->QueryInterface(IID_IOleObject, object.outVoid());
        site->userMode = check.mode;
        ASSERT_EQ(S_OK, object->SetClientSite(site.get()));
        ASSERT_EQ(S_OK, object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, container, &site->position));
        LONG handle = 0;
        other->get_hWnd(&handle);
        HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle));
        EXPECT_EQ(S_OK, other->put_Enabled(VARIANT_FALSE));
        EXPECT_EQ(check.disabled, (GetWindowLongPtrW(window, GWL_STYLE) & WS_DISABLED) != 0);
        other->put_Enabled(VARIANT_TRUE);
        EXPECT_EQ(0, GetWindowLongPtrW(window, GWL_STYLE) & WS_DISABLED);
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
        PumpMessages();
    }
}

TEST_F(ControlLifecycle, StoredDisabledStateAppliesAtWindowCreation)
{
    control->put_Enabled(VARIANT_FALSE);
    Activate();
    EXPECT_NE(0, GetWindowLongPtrW(ControlWindow(), GWL_STYLE) & WS_DISABLED);
}

TEST_F(ControlLifecycle, NewPositionSizesControlAndView)
{
    Activate();
    Held<IOleInPlaceObject> inPlace(Query<IOleInPlaceObject>(IID_IOleInPlaceObject));
    const RECT position = {20, 30, 220, 130};
    ASSERT_EQ(S_OK, inPlace->SetObjectRects(&position, &position));
    RECT window = {}, view = {};
    GetWindowRect(ControlWindow(), &window);
    GetWindowRect(ViewWindow(), &view);
    EXPECT_EQ(200, window.right - window.left);
    EXPECT_EQ(100, window.bottom - window.top);
    EXPECT_EQ(200, view.right - view.left);
    EXPECT_EQ(100, view.bottom - view.top);
}

TEST_F(ControlLifecycle, KeysFromCodeTwentySevenOnFireKeyPress)
{
    Activate();
    SendMessageW(ControlWindow(), WM_KEYDOWN, 'A', 0);
    SendMessageW(ControlWindow(), WM_KEYDOWN, VK_BACK, 0);
    SendMessageW(ControlWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ((std::vector<SHORT>{'A', VK_ESCAPE}), events.keys);
}

TEST_F(ControlLifecycle, ArrowKeysAreNotOfferedToTheContainer)
{
    Activate();
    Held<IOleInPlaceActiveObject> active(Query<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject));
    for (WPARAM key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
    {
        MSG message = {ControlWindow(), WM_KEYDOWN, key, 0, 0, {0, 0}};
        EXPECT_EQ(S_FALSE, active->TranslateAccelerator(&message));
    }
}

TEST_F(ControlLifecycle, TheViewAsksItsParentForTheBrowser)
{
    Activate();
    const LRESULT browser = SendMessageW(ControlWindow(), WM_USER + 7, 0, 0);
    ASSERT_NE(0, browser);
    Held<IShellView> active;
    EXPECT_EQ(S_OK, reinterpret_cast<IShellBrowser*>(browser)->QueryActiveShellView(active.out()));
}

TEST_F(ControlLifecycle, ListClicksFireClickAndDblClick)
{
    Activate();
    PostMessageW(ControlWindow(), RegisterWindowMessageA("WM_CLICK"), 0, 0);
    PostMessageW(ControlWindow(), RegisterWindowMessageA("WM_DBLCLICK"), 0, 0);
    PumpMessages();
    EXPECT_EQ(1u, events.Count(-600));
    EXPECT_EQ(1u, events.Count(-601));
}

TEST_F(ControlLifecycle, OpeningASelectedFolderBrowsesIntoIt)
{
    Activate();
    IShellFolder* folder = BindPath(tree.PathOf(L"Sub Folder"));
    ASSERT_NE(nullptr, folder);
    // The message carries the folder's reference to its handler.
    EXPECT_EQ(1u, FolderChangesOf([&] {
                  PostMessageW(ControlWindow(), RegisterWindowMessageA("WM_ONSELECT"), 0,
                               reinterpret_cast<LPARAM>(folder));
              }));
    EXPECT_EQ(tree.PathOf(L"Sub Folder"), ShownPath());
    wchar_t text[32] = {};
    GetWindowTextW(ControlWindow(), text, 32);
    EXPECT_STREQ(L"Exploring", text);
}

TEST_F(ControlLifecycle, NoFolderChangeIsFiredInsideAnother)
{
    Activate();
    const UINT folderChange = RegisterWindowMessageA("WM_BROWSEFOLDERCHANGE");
    int depth = 0;
    int deepest = 0;
    events.handler = [&](DISPID event) {
        if (event != browseFolderChange)
            return;
        deepest = std::max(deepest, ++depth);
        // A handler that pumps messages while another change is waiting.
        PostMessageW(ControlWindow(), folderChange, 0, 0);
        PumpMessages();
        --depth;
    };
    EXPECT_EQ(1u, FolderChangesOf([&] { PostMessageW(ControlWindow(), folderChange, 0, 0); }));
    EXPECT_EQ(1, deepest);
    events.handler = nullptr;
    EXPECT_EQ(1u, FolderChangesOf([&] { PostMessageW(ControlWindow(), folderChange, 0, 0); }));
}

TEST_F(ControlLifecycle, FontReachesTheViewListAndItsSuccessors)
{
    Activate();
    FONTDESC description = {
        sizeof description, const_cast<LPOLESTR>(L"Courier New"), {}, 700, DEFAULT_CHARSET, FALSE, FALSE, FALSE};
    description.cySize.int64 = 140000;
    Held<IFontDisp> given;
    OleCreateFontIndirect(&description, IID_IFontDisp, given.outVoid());
    ASSERT_EQ(S_OK, control->put_Font(given.get()));
    Held<IFontDisp> held;
    control->get_Font(held.out());
    Held<IFont> font;
    held->QueryInterface(IID_IFont, font.outVoid());
    HFONT handle = nullptr;
    font->get_hFont(&handle);
    auto listFont = [&] {
        return reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(ViewWindow(), 1), WM_GETFONT, 0, 0));
    };
    EXPECT_EQ(handle, listFont());
    control->put_ViewMode(List);  // a new view
    EXPECT_EQ(handle, listFont());
}

TEST_F(ControlLifecycle, UIActivationTakesTheFocusIntoTheControl)
{
    Activate();
    Held<IOleObject> object(Query<IOleObject>(IID_IOleObject));
    ASSERT_EQ(S_OK, object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site.get(), 0, container, &site->position));
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == ControlWindow() || IsChild(ControlWindow(), focus));
    Held<IOleInPlaceObject> inPlace(Query<IOleInPlaceObject>(IID_IOleInPlaceObject));
    EXPECT_EQ(S_OK, inPlace->UIDeactivate());
    EXPECT_EQ(S_OK, inPlace->InPlaceDeactivate());
    EXPECT_EQ(nullptr, ControlWindow());
}

TEST_F(ControlLifecycle, CloseDestroysViewAndWindow)
{
    Activate();
    HWND window = ControlWindow();
    HWND view = ViewWindow();
    Held<IOleObject> object(Query<IOleObject>(IID_IOleObject));
    EXPECT_EQ(S_OK, object->Close(OLECLOSE_NOSAVE));
    EXPECT_FALSE(IsWindow(view));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, ControlWindow());
    EXPECT_EQ(S_OK, control->Refresh());  // nothing to post to
}

TEST_F(ControlLifecycle, ReleasingAnActiveControlLeavesNoWindow)
{
    Held<ISorvane> other(NewControl(library));
    Held<IOleObject> object;
    other->QueryInterface(IID_IOleObject, object.outVoid());
    object->SetClientSite(site.get());
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, container, &site->position);
    LONG handle = 0;
    other->get_hWnd(&handle);
    ASSERT_NE(0, handle);
    object->SetClientSite(nullptr);
    object.reset();
    EXPECT_EQ(0u, other.detach()->Release());
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle))));
}

}  // namespace
