// The FolderFlags property page over one or two controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "ControlHost.h"

namespace {

class PageSite final : public IPropertyPageSite
{
public:
    virtual ~PageSite() = default;
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IPropertyPageSite)
        {
            *out = static_cast<IPropertyPageSite*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(OnStatusChange)(DWORD flags) override
    {
        statusChanges.push_back(flags);
        return S_OK;
    }
    STDMETHOD(GetLocaleID)(LCID* locale) override
    {
        *locale = 0x409;
        return S_OK;
    }
    STDMETHOD(GetPageContainer)(IUnknown** out) override
    {
        *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHOD(TranslateAccelerator)(MSG*) override { return S_FALSE; }

    std::vector<DWORD> statusChanges;
};

const wchar_t* const rowNames[] = {L"AutoArrange",  L"DesktopStyle", L"SingleSel", L"NoSubFolders", L"Transparent",
                                   L"NoClientEdge", L"NoScroll",     L"AlignLeft", L"NoIcons"};

class FolderFlagsPage : public ControlTest
{
protected:
    FolderFlagsPage()
    {
        Held<IClassFactory> factory;
        library.DllGetClassObject(CLSID_FolderFlags, IID_IClassFactory, factory.outVoid());
        factory->CreateInstance(nullptr, IID_IPropertyPage, page.outVoid());
        page->SetPageSite(&pageSite);
    }
    ~FolderFlagsPage() override
    {
        if (List())
            page->Deactivate();
        page->SetObjects(0, nullptr);
        page->SetPageSite(nullptr);
    }

    void Open(std::vector<IUnknown*> objects)
    {
        ASSERT_EQ(S_OK, page->SetObjects(static_cast<ULONG>(objects.size()), objects.data()));
        const RECT area = {0, 0, 380, 180};
        ASSERT_EQ(S_OK, page->Activate(container, &area, TRUE));
        ASSERT_NE(nullptr, List());
    }

    HWND List()
    {
        HWND pageWindow = FindWindowExW(container, nullptr, nullptr, nullptr);
        while (pageWindow && !GetDlgItem(pageWindow, 201))
            pageWindow = FindWindowExW(container, pageWindow, nullptr, nullptr);
        return pageWindow ? GetDlgItem(pageWindow, 201) : nullptr;
    }

    std::wstring Cell(int row, int column)
    {
        wchar_t text[128] = {};
        ListView_GetItemText(List(), row, column, text, 128);
        return text;
    }

    bool Checked(int row) { return ListView_GetCheckState(List(), row) != 0; }
    void Check(int row, bool on) { ListView_SetCheckState(List(), row, on); }

    // Lets the page's timer run a few times.
    void WaitForTimer()
    {
        const DWORD end = GetTickCount() + 100;
        while (GetTickCount() < end)
            PumpMessages();
    }

    PageSite pageSite;
    Held<IPropertyPage> page;
};

TEST_F(FolderFlagsPage, DescribesItselfFromTheModuleStrings)
{
    PROPPAGEINFO info = {};
    ASSERT_EQ(S_OK, page->GetPageInfo(&info));
    EXPECT_STREQ(L"FolderFlags", info.pszTitle);
    EXPECT_STREQ(L"Help File Name", info.pszHelpFile);
    EXPECT_STREQ(L"FolderFlags Dialog", info.pszDocString);
    EXPECT_EQ(0u, info.dwHelpContext);
    EXPECT_GT(info.size.cx, 271);  // dialog units are wider than pixels
    EXPECT_GT(info.size.cy, 105);
    CoTaskMemFree(info.pszTitle);
    CoTaskMemFree(info.pszHelpFile);
    CoTaskMemFree(info.pszDocString);
}

TEST_F(FolderFlagsPage, DefaultFlagsShowOnlySingleSelChecked)
{
    Open({control.get()});
    ASSERT_EQ(9, ListView_GetItemCount(List()));
    for (int row = 0; row < 9; ++row)
    {
        EXPECT_EQ(rowNames[row], Cell(row, 0));
        EXPECT_EQ(row == 2, Checked(row)) << row;
    }
    EXPECT_EQ(L"Do not allow more than a single item to be selected", Cell(2, 1));
    wchar_t header[32] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = header;
    column.cchTextMax = 32;
    ListView_GetColumn(List(), 0, &column);
    EXPECT_STREQ(L"Flag Name", header);
    EXPECT_EQ(128, column.cx);
    ListView_GetColumn(List(), 1, &column);
    EXPECT_STREQ(L"Description", header);
    EXPECT_EQ(S_FALSE, page->IsPageDirty());
}

TEST_F(FolderFlagsPage, CheckingARowMarksThePageDirtyForGood)
{
    Open({control.get()});
    WaitForTimer();
    EXPECT_EQ(S_FALSE, page->IsPageDirty());
    Check(0, true);
    WaitForTimer();
    EXPECT_EQ(S_OK, page->IsPageDirty());
    EXPECT_FALSE(pageSite.statusChanges.empty());
    Check(0, false);
    WaitForTimer();
    EXPECT_EQ(S_OK, page->IsPageDirty());
}

TEST_F(FolderFlagsPage, ApplyWritesTheRowsAndLeavesOtherBits)
{
    control->ModifyFolderFlags(static_cast<FolderFlagsEnum>(0x2), NoFlag);
    Open({control.get()});
    Check(0, true);
    Check(2, false);
    ASSERT_EQ(S_OK, page->Apply());
    LONG flags = 0;
    control->get_ViewFolderFlags(&flags);
    EXPECT_EQ(0x1 | 0x2, flags);
    EXPECT_EQ(S_FALSE, page->IsPageDirty());
}

TEST_F(FolderFlagsPage, ApplyWritesEveryControlAndSkipsOtherObjects)
{
    Held<ISorvane> second(NewControl(library));
    second->ModifyFolderFlags(NoIcons, NoFlag);
    Held<IUnknown> stranger;
    CreateStreamOnHGlobal(nullptr, TRUE, reinterpret_cast<IStream**>(stranger.out()));
    Open({control.get(), stranger.get(), second.get()});
    Check(8, true);  // NoIcons
    Check(7, true);  // AlignLeft
    ASSERT_EQ(S_OK, page->Apply());
    for (ISorvane* edited : {control.get(), second.get()})
    {
        LONG flags = 0;
        edited->get_ViewFolderFlags(&flags);
        EXPECT_EQ(0x40 | 0x800 | 0x1000, flags);
    }
}

TEST_F(FolderFlagsPage, PageWithoutControlsShowsNothingChecked)
{
    Open({});
    ASSERT_EQ(9, ListView_GetItemCount(List()));
    for (int row = 0; row < 9; ++row)
        EXPECT_FALSE(Checked(row));
    WaitForTimer();
    EXPECT_EQ(S_FALSE, page->IsPageDirty());
    EXPECT_EQ(S_OK, page->Apply());
}

}  // namespace
