// The item-list object: filled from the active view's data object, read by index.
#include "AutomationFixture.h"

#include <shlobj.h>

#include "CXeltObjects.h"
#include "ShellViewStub.h"
#include "Uncounted.h"
#include "framework/ComObject.h"

namespace {

// A shell view that hands out the shell's data object over chosen items of a folder.
class FakeView final : public ShellViewStub
{
public:
    virtual ~FakeView() = default;
    STDMETHOD(QueryInterface)(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++references; }
    STDMETHOD_(ULONG, Release)() override { return --references; }
    STDMETHOD(GetItemObject)(UINT selector, REFIID iid, void** out) override
    {
        selectors.push_back(selector);
        *out = nullptr;
        const std::vector<std::wstring>& names = selector == SVGIO_SELECTION ? selected : all;
        if (iid != IID_IDataObject || names.empty())
            return E_FAIL;
        *out = DataObjectOf(folder, names);
        return *out ? S_OK : E_FAIL;
    }

    ULONG references = 1;
    IShellFolder* folder = nullptr;
    std::vector<std::wstring> selected, all;
    std::vector<UINT> selectors;
};

// The control's view host as far as the collection uses it: the active view.
class FakeBrowser final : public Uncounted<IShellBrowser>
{
public:
    STDMETHOD(GetWindow)(HWND*) override { return E_NOTIMPL; }
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(InsertMenusSB)(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHOD(SetMenuSB)(HMENU, HOLEMENU, HWND) override { return E_NOTIMPL; }
    STDMETHOD(RemoveMenusSB)(HMENU) override { return E_NOTIMPL; }
    STDMETHOD(SetStatusTextSB)(LPCWSTR) override { return E_NOTIMPL; }
    STDMETHOD(EnableModelessSB)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(TranslateAcceleratorSB)(MSG*, WORD) override { return E_NOTIMPL; }
    STDMETHOD(BrowseObject)(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
    STDMETHOD(GetViewStateStream)(DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHOD(GetControlWindow)(UINT, HWND*) override { return E_NOTIMPL; }
    STDMETHOD(SendControlMsg)(UINT, UINT, WPARAM, LPARAM, LRESULT*) override { return E_NOTIMPL; }
    STDMETHOD(QueryActiveShellView)(IShellView** out) override
    {
        *out = view;
        if (!view)
            return E_FAIL;
        view->AddRef();
        return S_OK;
    }
    STDMETHOD(OnViewWindowActive)(IShellView*) override { return E_NOTIMPL; }
    STDMETHOD(SetToolbarItems)(LPTBBUTTONSB, UINT, UINT) override { return E_NOTIMPL; }

    IShellView* view = nullptr;
};

class XeltObjects : public AutomationTest
{
protected:
    void SetUp() override
    {
        framework::ComObject<CXeltObjects>* created = nullptr;
        ASSERT_EQ(framework::ComObject<CXeltObjects>::Create(&created), S_OK);
        collection.share(created);
        root.reset(BindPath(tree.Root()));
        view.folder = root.get();
        view.selected = {L"Plain.txt", L"Sub Folder"};
        view.all = {L"Plain.txt", L"Name with spaces.txt", L"Sub Folder"};
        browser.view = &view;
        collection->SetBrowser(&browser);
    }
    void TearDown() override
    {
        collection.reset();
        root.reset();
        EXPECT_EQ(view.references, 1u);
    }

    LONG Count()
    {
        LONG count = -1;
        EXPECT_EQ(collection->get_Count(&count), S_OK);
        return count;
    }

    std::vector<std::wstring> Paths()
    {
        std::vector<std::wstring> paths;
        for (LONG index = 0; index < Count(); ++index)
        {
            Held<IXeltObject> item;
            EXPECT_EQ(collection->get_Item(index, item.out()), S_OK);
            BSTR path = nullptr;
            item->get_Path(&path);
            paths.push_back(TakeText(path));
        }
        return paths;
    }

    Held<framework::ComObject<CXeltObjects>> collection;
    Held<IShellFolder> root;
    FakeView view;
    FakeBrowser browser;
};

TEST_F(XeltObjects, GetCollectsTheSelectionOrAllItemsInViewOrder)
{
    EXPECT_EQ(Count(), 0);
    ASSERT_EQ(collection->Get(SelectedItems), S_OK);
    EXPECT_EQ(Paths(), (std::vector<std::wstring>{tree.PathOf(L"Plain.txt"), tree.PathOf(L"Sub Folder")}));
    ASSERT_EQ(collection->Get(AllItems), S_OK);
    EXPECT_EQ(Paths(), (std::vector<std::wstring>{tree.PathOf(L"Plain.txt"), tree.PathOf(L"Name with spaces.txt"),
                                                  tree.PathOf(L"Sub Folder")}));
    EXPECT_EQ(view.selectors, (std::vector<UINT>{SVGIO_SELECTION, SVGIO_ALLVIEW}));
}

TEST_F(XeltObjects, NoItemsAndAnEmptySelectionLeaveItEmpty)
{
    ASSERT_EQ(collection->Get(AllItems), S_OK);
    ASSERT_EQ(Count(), 3);
    ASSERT_EQ(collection->Get(NoItems), S_OK);
    EXPECT_EQ(Count(), 0);
    EXPECT_TRUE(view.selectors.size() == 1);  // NoItems asks the view for nothing

    ASSERT_EQ(collection->Get(AllItems), S_OK);
    view.selected.clear();  // the view has no data object for an empty selection
    ASSERT_EQ(collection->Get(SelectedItems), S_OK);
    EXPECT_EQ(Count(), 0);
}

TEST_F(XeltObjects, WithoutAnActiveViewGetKeepsTheCollection)
{
    ASSERT_EQ(collection->Get(SelectedItems), S_OK);
    browser.view = nullptr;
    EXPECT_EQ(collection->Get(AllItems), S_OK);
    EXPECT_EQ(Count(), 2);
    collection->SetBrowser(nullptr);
    EXPECT_EQ(collection->Get(AllItems), S_OK);
    EXPECT_EQ(Count(), 2);
}

TEST_F(XeltObjects, IndexesOutOfRangeAnswerNothingAndNullOutPointersAreRefused)
{
    ASSERT_EQ(collection->Get(SelectedItems), S_OK);
    for (LONG index : {-1L, 2L, 1000L})
    {
        IXeltObject* item = reinterpret_cast<IXeltObject*>(1);
        EXPECT_EQ(collection->get_Item(index, &item), S_OK) << index;
        EXPECT_EQ(item, nullptr);
    }
    EXPECT_EQ(collection->get_Item(0, nullptr), E_POINTER);
    EXPECT_EQ(collection->get_Count(nullptr), E_POINTER);
}

TEST_F(XeltObjects, AnswersByNameWithItemAsDefaultMemberAndGetDefaultingToTheSelection)
{
    IDispatch* dispatch = static_cast<IXeltObjects*>(collection.get());
    ASSERT_EQ(InvokeByName(dispatch, L"Get", DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(view.selectors, std::vector<UINT>{SVGIO_SELECTION});
    Variant count;
    ASSERT_EQ(InvokeByName(dispatch, L"Count", DISPATCH_PROPERTYGET, {}, &count.value), S_OK);
    EXPECT_EQ(V_I4(&count.value), 2);

    VARIANT index;
    V_VT(&index) = VT_I4;
    V_I4(&index) = 1;
    DISPPARAMS parameters = {&index, nullptr, 1, 0};
    Variant item;
    ASSERT_EQ(dispatch->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &parameters,
                               &item.value, nullptr, nullptr),
              S_OK);
    ASSERT_EQ(V_VT(&item.value), VT_DISPATCH);

    VARIANT text;  // an index of a type that is no number
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"first");
    parameters.rgvarg = &text;
    Variant refused;
    EXPECT_EQ(dispatch->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &parameters,
                               &refused.value, nullptr, nullptr),
              DISP_E_TYPEMISMATCH);
    VariantClear(&text);

    Variant name;
    ASSERT_EQ(InvokeByName(V_DISPATCH(&item.value), L"Name", DISPATCH_PROPERTYGET, {}, &name.value), S_OK);
    EXPECT_STREQ(V_BSTR(&name.value), L"Sub Folder");
}

}  // namespace
