// The selection read from the shell's own data objects ("Shell IDList Array"), and from
// data objects whose block is missing or damaged.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "CDataObject.h"
#include "DisplayName.h"
#include "FolderIDList.h"
#include "ItemIDList.h"
#include "ShellFixture.h"
#include "ShellSelection.h"
#include "ShellViewStub.h"
#include "SorvaneLibrary.h"

namespace {

class SelectionTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(root); }

    // The parsing path of item inside folder.
    static std::string PathIn(IShellFolder* folder, LPCITEMIDLIST item)
    {
        char text[1024] = {};
        return GetDisplayNameText(folder, item, SHGDN_FORPARSING, text, sizeof text) ? text : "";
    }
    // The file-system path of a folder object.
    static std::wstring PathOfFolder(IShellFolder* folder)
    {
        OwnedList list(GetFolderIDList(folder));
        return list ? PathOfList(list.get()) : L"";
    }

    ComApartment apartment;
    TempFolderTree tree;
    Held<IShellFolder> root{BindPath(tree.Root())};
};

TEST_F(SelectionTest, ShellDataObjectGivesTheParentAndEachItem)
{
    Held<IDataObject> data(DataObjectOf(root.get(), {L"Sub Folder", L"Año señal é.txt"}));
    ASSERT_TRUE(data);
    CDataObject selection(data.get());

    OwnedList parent;
    ASSERT_TRUE(selection.GetParentIDList(parent.out()));
    EXPECT_TRUE(FromShellAllocator(parent.get()));
    EXPECT_EQ(PathOfList(parent.get()), tree.Root());

    const wchar_t* names[] = {L"Sub Folder", L"Año señal é.txt"};
    for (UINT index = 0; index < 2; ++index)
    {
        Held<IShellFolder> folder;
        OwnedList item;
        ASSERT_TRUE(selection.GetItem(index, folder.out(), item.out()));
        EXPECT_TRUE(FromShellAllocator(item.get()));
        EXPECT_EQ(PathIn(folder.get(), item.get()), Ansi(tree.PathOf(names[index])));
    }

    Held<IShellFolder> folder;
    OwnedList item;
    EXPECT_FALSE(selection.GetItem(2, folder.out(), item.out()));
    EXPECT_FALSE(folder);
    EXPECT_FALSE(item);
}

TEST_F(SelectionTest, OneSelectedItemGivesItsParentFolderAndItself)
{
    Held<IDataObject> data(DataObjectOf(root.get(), {L"Name with spaces.txt"}));
    ASSERT_TRUE(data);
    Held<IShellFolder> folder;
    OwnedList item;
    ASSERT_EQ(CDataObject(data.get()).GetParentAndLastItem(folder.out(), item.out()), S_OK);
    EXPECT_EQ(PathOfFolder(folder.get()), tree.Root());
    EXPECT_EQ(PathIn(folder.get(), item.get()), Ansi(tree.PathOf(L"Name with spaces.txt")));
}

TEST_F(SelectionTest, SelectedFolderBindsAsThatFolder)
{
    Held<IDataObject> data(DataObjectOf(root.get(), {L"Sub Folder"}));
    ASSERT_TRUE(data);
    Held<IShellFolder> folder;
    ASSERT_EQ(CDataObject(data.get()).BindSelection(folder.out()), S_OK);
    EXPECT_EQ(PathOfFolder(folder.get()), tree.PathOf(L"Sub Folder"));
}

TEST_F(SelectionTest, SelectedFileDoesNotBindAsAFolder)
{
    Held<IDataObject> data(DataObjectOf(root.get(), {L"Plain.txt"}));
    ASSERT_TRUE(data);
    Held<IShellFolder> folder;
    EXPECT_TRUE(FAILED(CDataObject(data.get()).BindSelection(folder.out())));
    EXPECT_FALSE(folder);
}

TEST_F(SelectionTest, ItemOnTheDesktopHasTheDesktopAsItsFolder)
{
    OwnedList drives;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drives.out()), S_OK);
    Held<IShellFolder> desktop;
    ASSERT_EQ(SHGetDesktopFolder(desktop.out()), S_OK);
    LPCITEMIDLIST items[] = {drives.get()};
    Held<IDataObject> data;
    ASSERT_EQ(desktop->GetUIObjectOf(nullptr, 1, items, IID_IDataObject, nullptr, data.outVoid()), S_OK);
    CDataObject selection(data.get());

    Held<IShellFolder> folder;
    OwnedList item;
    ASSERT_TRUE(selection.GetItem(0, folder.out(), item.out()));
    EXPECT_EQ(BytesOf(item.get()), BytesOf(drives.get()));
    OwnedList folderList(GetFolderIDList(folder.get()));
    ASSERT_TRUE(folderList);
    EXPECT_EQ(GetIDListSize(folderList.get()), 2u);

    Held<IShellFolder> opened;
    ASSERT_EQ(selection.BindSelection(opened.out()), S_OK);
    OwnedList openedList(GetFolderIDList(opened.get()));
    ASSERT_TRUE(openedList);
    EXPECT_EQ(BytesOf(openedList.get()), BytesOf(drives.get()));
}

// A data object that offers "Shell IDList Array" as a given block of bytes (or nothing).
class BlockDataObject final : public IDataObject
{
public:
    explicit BlockDataObject(std::vector<BYTE> block, bool offered = true) : block_(std::move(block)), offered_(offered)
    {
    }

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        *out = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++references_; }
    STDMETHOD_(ULONG, Release)() override { return --references_; }
    STDMETHOD(GetData)(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, block_.size());
        std::memcpy(GlobalLock(global), block_.data(), block_.size());
        GlobalUnlock(global);
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = global;
        return S_OK;
    }
    STDMETHOD(GetDataHere)(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHOD(QueryGetData)(FORMATETC* format) override
    {
        const auto idListArray = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("Shell IDList Array"));
        return offered_ && format->cfFormat == idListArray && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHOD(GetCanonicalFormatEtc)(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHOD(SetData)(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(EnumFormatEtc)(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHOD(DAdvise)(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(DUnadvise)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EnumDAdvise)(IEnumSTATDATA**) override { return E_NOTIMPL; }

    ULONG references_ = 1;

private:
    std::vector<BYTE> block_;
    bool offered_;
};

// A block of 32-bit words followed by raw bytes.
std::vector<BYTE> Block(std::vector<UINT> words, std::vector<BYTE> bytes)
{
    std::vector<BYTE> block(words.size() * sizeof(UINT));
    std::memcpy(block.data(), words.data(), block.size());
    block.insert(block.end(), bytes.begin(), bytes.end());
    return block;
}

struct BadBlockCase
{
    const char* name;
    std::vector<BYTE> block;
    bool offered;
};

void PrintTo(const BadBlockCase& c, std::ostream* out)
{
    *out << c.name;
}

// A well-formed block: one item "ab" under the desktop, lists at offsets 12 and 14.
const BadBlockCase badBlocks[] = {
    {"FormatNotOffered", Block({1, 12, 14}, {0, 0, 4, 0, 'a', 'b', 0, 0}), false},
    {"Empty", {}, true},
    {"ShorterThanItsCount", {1, 0}, true},
    {"CountPastTheOffsets", Block({1000, 12, 14}, {0, 0, 4, 0, 'a', 'b', 0, 0}), true},
    {"OffsetPastTheBlock", Block({1, 12, 4000}, {0, 0, 4, 0, 'a', 'b', 0, 0}), true},
    {"ItemRunsPastTheBlock", Block({1, 12, 14}, {0, 0, 0x70, 0, 'a', 'b', 0, 0}), true},
    {"ListWithoutTerminator", Block({1, 12, 14}, {0, 0, 4, 0, 'a', 'b'}), true},
    {"ItemSmallerThanItsSizeField", Block({1, 12, 14}, {0, 0, 1, 0, 0, 0}), true},
    {"NoItems", Block({0, 8}, {0, 0}), true},
};

class BadSelectionBlock : public ::testing::TestWithParam<BadBlockCase>
{
protected:
    ComApartment apartment;
};

TEST_P(BadSelectionBlock, ReadsAsNoSelection)
{
    BlockDataObject data(GetParam().block, GetParam().offered);
    {
        CDataObject selection(&data);
        Held<IShellFolder> folder;
        OwnedList item;
        EXPECT_FALSE(selection.GetItem(0, folder.out(), item.out()));
        EXPECT_FALSE(folder);
        EXPECT_FALSE(item);
        EXPECT_EQ(selection.GetParentAndLastItem(folder.out(), item.out()), E_FAIL);
        EXPECT_FALSE(folder);
        EXPECT_FALSE(item);
        if (std::string(GetParam().name) != "NoItems")
        {
            OwnedList parent;
            EXPECT_FALSE(selection.GetParentIDList(parent.out()));
            EXPECT_FALSE(parent);
            EXPECT_EQ(selection.BindSelection(folder.out()), S_FALSE);
            EXPECT_FALSE(folder);
        }
    }
    EXPECT_EQ(data.references_, 1u);
}

INSTANTIATE_TEST_SUITE_P(Blocks, BadSelectionBlock, ::testing::ValuesIn(badBlocks),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(SelectionWithoutData, ReadsAsNoSelection)
{
    ComApartment apartment;
    CDataObject selection(nullptr);
    Held<IShellFolder> folder;
    OwnedList item;
    EXPECT_EQ(selection.BindSelection(folder.out()), S_FALSE);
    EXPECT_EQ(selection.GetParentAndLastItem(folder.out(), item.out()), E_FAIL);
    EXPECT_FALSE(selection.GetParentIDList(item.out()));
    EXPECT_FALSE(selection.GetItem(0, folder.out(), item.out()));
    EXPECT_EQ(selection.BindSelection(nullptr), E_POINTER);
    EXPECT_EQ(selection.GetParentAndLastItem(nullptr, item.out()), E_POINTER);
}

// A shell view that only hands out a data object for its selection (null: none).
class SelectionView final : public ShellViewStub
{
public:
    explicit SelectionView(IDataObject* selection) { selection_.share(selection); }

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        *out = iid == IID_IUnknown || iid == IID_IShellView ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(GetItemObject)(UINT item, REFIID iid, void** out) override
    {
        *out = nullptr;
        if (item != SVGIO_SELECTION || iid != IID_IDataObject || !selection_)
            return E_NOINTERFACE;
        *out = selection_.copy();
        return S_OK;
    }

private:
    Held<IDataObject> selection_;
};

// A view of the tree's root with the named item selected.
class ViewSelectionTest : public SelectionTest
{
protected:
    SelectionView* ViewSelecting(const wchar_t* name)
    {
        Held<IDataObject> data(DataObjectOf(root.get(), {name}));
        views_.push_back(std::make_unique<SelectionView>(data.get()));
        return views_.back().get();
    }

private:
    std::vector<std::unique_ptr<SelectionView>> views_;
};

TEST_F(ViewSelectionTest, SelectedFolderIsBoundAndAFileIsNot)
{
    Held<IShellFolder> folder;
    ASSERT_EQ(BindSelectedFolder(ViewSelecting(L"Carpeta Ñandú"), folder.out()), S_OK);
    EXPECT_EQ(PathOfFolder(folder.get()), tree.PathOf(L"Carpeta Ñandú"));

    Held<IShellFolder> none;
    EXPECT_TRUE(FAILED(BindSelectedFolder(ViewSelecting(L"Plain.txt"), none.out())));
    EXPECT_FALSE(none);
}

TEST_F(ViewSelectionTest, SelectionBecomesAnItemObjectOfItsParentFolder)
{
    Held<IXeltObject> object;
    ASSERT_EQ(CreateSelectionObject(ViewSelecting(L"Año señal é.txt"), object.out()), S_OK);
    ASSERT_TRUE(object);
    BSTR path = nullptr;
    ASSERT_EQ(object->get_Path(&path), S_OK);
    EXPECT_EQ(std::wstring(path ? path : L""), tree.PathOf(L"Año señal é.txt"));
    SysFreeString(path);
}

TEST(ViewWithoutSelection, GivesNeitherFolderNorItemObject)
{
    ComApartment apartment;
    SelectionView view(nullptr);
    Held<IShellFolder> folder;
    Held<IXeltObject> object;
    EXPECT_EQ(BindSelectedFolder(&view, folder.out()), E_NOINTERFACE);
    EXPECT_EQ(CreateSelectionObject(&view, object.out()), E_NOINTERFACE);
    EXPECT_FALSE(folder);
    EXPECT_FALSE(object);
    EXPECT_EQ(BindSelectedFolder(nullptr, folder.out()), E_POINTER);
    EXPECT_EQ(CreateSelectionObject(nullptr, object.out()), E_POINTER);
    EXPECT_EQ(BindSelectedFolder(&view, nullptr), E_POINTER);
    EXPECT_EQ(CreateSelectionObject(&view, nullptr), E_POINTER);

    BlockDataObject noItems(Block({0, 8}, {0, 0}));
    SelectionView emptySelection(&noItems);
    EXPECT_EQ(CreateSelectionObject(&emptySelection, object.out()), E_FAIL);
    EXPECT_FALSE(object);
}

}  // namespace
