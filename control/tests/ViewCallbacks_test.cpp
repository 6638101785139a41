// What the shell view reports to its browser: selection changes, the default command,
// and the list's notifications that the process-wide hook turns into control messages.
#include "HostFixture.h"

#include <commctrl.h>

#include <algorithm>

#include "SorvaneMessages.h"
#include "ViewHook.h"

namespace {

using ViewCallbacks = HostTest;

void PressEnter(HWND list)
{
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(list, WM_KEYUP, VK_RETURN, 0);
}

TEST_F(ViewCallbacks, SelectingAnItemFiresTheSelectionChange)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    control.states.clear();
    ASSERT_TRUE(Select(L"Plain.txt"));
    EXPECT_NE(std::find(control.states.begin(), control.states.end(), SelChangeState), control.states.end());
}

TEST_F(ViewCallbacks, EnterOnAFileFiresObjectSelectAndOpensNothing)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    ASSERT_TRUE(Select(L"Plain.txt"));
    TakePosted();

    PressEnter(ViewList());
    EXPECT_EQ(control.selectedObjects, std::vector<std::wstring>({L"Plain.txt"}));
    const std::vector<Posted> posted = TakePosted();
    EXPECT_TRUE(std::none_of(posted.begin(), posted.end(), [](const Posted& p) { return p.message == WM_ONSELECT; }));
    EXPECT_EQ(PathOfFolder(browser->GetShellFolder().ShownFolder()), tree.Root());
}

TEST_F(ViewCallbacks, EnterOnAFolderFiresObjectSelectAndPostsTheFolderToOpen)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    ASSERT_TRUE(Select(L"Sub Folder"));
    TakePosted();

    PressEnter(ViewList());
    EXPECT_EQ(control.selectedObjects, std::vector<std::wstring>({L"Sub Folder"}));
    const std::vector<Posted> posted = TakePosted();
    auto open = std::find_if(posted.begin(), posted.end(), [](const Posted& p) { return p.message == WM_ONSELECT; });
    ASSERT_NE(open, posted.end());
    Held<IShellFolder> folder(reinterpret_cast<IShellFolder*>(open->lParam));  // the message's reference
    EXPECT_EQ(open->wParam, 0u);
    EXPECT_EQ(PathOfFolder(folder.get()), tree.PathOf(L"Sub Folder"));
}

TEST_F(ViewCallbacks, DoubleClickOnAFolderReachesTheDefaultCommand)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    ASSERT_TRUE(Select(L"Carpeta Ñandú"));
    HWND list = ViewList();
    const int index = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    ASSERT_GE(index, 0);
    RECT bounds = {};
    bounds.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&bounds));
    TakePosted();

    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bounds.left + 2, (bounds.top + bounds.bottom) / 2));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(bounds.left + 2, (bounds.top + bounds.bottom) / 2));
    EXPECT_EQ(control.selectedObjects, std::vector<std::wstring>({L"Carpeta Ñandú"}));
    for (const Posted& p : TakePosted())
        if (p.message == WM_ONSELECT)
            reinterpret_cast<IShellFolder*>(p.lParam)->Release();  // the message's reference
}

TEST_F(ViewCallbacks, ADefaultCommandWithoutSelectionFiresNothing)
{
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    TakePosted();
    EXPECT_TRUE(FAILED(browser->DefaultCommand(browser->GetShellFolder().View())));
    EXPECT_TRUE(control.selectedObjects.empty());
    EXPECT_TRUE(TakePosted().empty());
}

struct Notification
{
    const char* what;
    UINT_PTR sender;
    UINT code;
    WORD key;
    std::vector<Posted> posted;
};

void PrintTo(const Notification& n, std::ostream* out)
{
    *out << n.what;
}

class ListNotifications : public HostTest, public ::testing::WithParamInterface<Notification>
{
};

TEST_P(ListNotifications, BecomeMessagesToTheControlWindow)
{
    const Notification& n = GetParam();
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    TakePosted();

    NMLVKEYDOWN notification = {};
    notification.hdr.hwndFrom = ViewList();
    notification.hdr.idFrom = n.sender;
    notification.hdr.code = n.code;
    notification.wVKey = n.key;
    SendMessageW(browser->GetShellFolder().ViewWindow(), WM_NOTIFY, n.sender, reinterpret_cast<LPARAM>(&notification));

    std::vector<Posted> posted = TakePosted();
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                                [](const Posted& p) { return p.message == WM_BROWSEFOLDERCHANGE; }),
                 posted.end());
    ASSERT_EQ(posted.size(), n.posted.size());
    for (size_t i = 0; i < posted.size(); ++i)
    {
        EXPECT_EQ(posted[i].message, n.posted[i].message) << i;
        EXPECT_EQ(posted[i].wParam, n.posted[i].wParam) << i;
        EXPECT_EQ(posted[i].lParam, 0) << i;
    }
}

// The registered numbers are known only once the module is loaded.
std::vector<Notification> NotificationCases()
{
    RegisterSorvaneMessages();
    return {
        {"KeyA", 1, static_cast<UINT>(LVN_KEYDOWN), 'A', {{WM_KEYDOWN, 'A', 0}}},
        {"Backspace", 1, static_cast<UINT>(LVN_KEYDOWN), VK_BACK, {{WM_KEYDOWN, VK_BACK, 0}, {WM_UPONELEVEL, 0, 0}}},
        {"Click", 1, static_cast<UINT>(NM_CLICK), 0, {{WM_CLICK, 0, 0}}},
        {"DoubleClick", 1, static_cast<UINT>(NM_DBLCLK), 0, {{WM_DBLCLICK, 0, 0}}},
        {"OtherCode", 1, static_cast<UINT>(NM_RCLICK), 0, {}},
        {"OtherSender", 2, static_cast<UINT>(NM_CLICK), 0, {}},
    };
}

INSTANTIATE_TEST_SUITE_P(Notifications, ListNotifications, ::testing::ValuesIn(NotificationCases()),
                         [](const ::testing::TestParamInfo<Notification>& test) { return test.param.what; });

TEST_F(ViewCallbacks, TheHookStaysWhileAnyViewOfTheProcessIsShown)
{
    TestControl second;
    Held<CSorvaneBrowser> other = NewBrowser(second);
    ASSERT_TRUE(other);
    Held<IShellFolder> folder(BindPath(tree.Root()));
    ASSERT_TRUE(browser->BrowseTo(folder.get(), true, nullptr));
    ASSERT_TRUE(other->BrowseTo(folder.get(), true, nullptr));
    EXPECT_TRUE(ViewHookInstalled());

    other->CloseView();
    EXPECT_TRUE(ViewHookInstalled());
    browser->CloseView();
    EXPECT_FALSE(ViewHookInstalled());
}

}  // namespace
