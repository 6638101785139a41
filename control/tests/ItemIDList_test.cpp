// Item ID list arithmetic and memory on lists of a real folder tree.
#include <gtest/gtest.h>

#include <algorithm>

#include "ItemIDList.h"
#include "ShellFixture.h"
#include "SorvaneLibrary.h"

namespace {

class ItemIDListTest : public ::testing::Test
{
protected:
    ComApartment apartment;
    TempFolderTree tree;
};

UINT CountItems(LPCITEMIDLIST list)
{
    UINT count = 0;
    for (LPCITEMIDLIST item = list; item->mkid.cb != 0; item = NextItemID(item))
        ++count;
    return count;
}

TEST_F(ItemIDListTest, SizeCountsEveryItemAndTheTerminator)
{
    OwnedList list(ParseAbsolute(tree.PathOf(L"Sub Folder\\Inner.txt")));
    ASSERT_TRUE(list);
    EXPECT_EQ(GetIDListSize(list.get()), ILGetSize(list.get()));
    EXPECT_EQ(GetIDListSize(nullptr), 0u);
    const USHORT empty = 0;
    EXPECT_EQ(GetIDListSize(reinterpret_cast<LPCITEMIDLIST>(&empty)), 2u);
}

TEST_F(ItemIDListTest, CopyHasTheSameBytesInShellMemory)
{
    OwnedList list(ParseAbsolute(tree.PathOf(L"Name with spaces.txt")));
    ASSERT_TRUE(list);
    OwnedList copy(CopyIDList(list.get()));
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.get(), list.get());
    EXPECT_EQ(BytesOf(copy.get()), BytesOf(list.get()));
    EXPECT_TRUE(FromShellAllocator(copy.get()));
    EXPECT_EQ(CopyIDList(nullptr), nullptr);
}

TEST_F(ItemIDListTest, ParentAndLastItemSplitTheListAndJoinBackToIt)
{
    const std::wstring path = tree.PathOf(L"Sub Folder\\Inner.txt");
    OwnedList list(ParseAbsolute(path));
    ASSERT_TRUE(list);
    OwnedList parent(CopyParentIDList(list.get()));
    OwnedList last(CopyLastItemID(list.get()));
    ASSERT_TRUE(parent);
    ASSERT_TRUE(last);
    EXPECT_TRUE(FromShellAllocator(parent.get()));
    EXPECT_TRUE(FromShellAllocator(last.get()));

    EXPECT_EQ(PathOfList(parent.get()), tree.PathOf(L"Sub Folder"));
    EXPECT_EQ(CountItems(parent.get()), CountItems(list.get()) - 1);
    EXPECT_EQ(CountItems(last.get()), 1u);

    // The parent's items followed by the last item are the list again.
    std::vector<BYTE> joined = BytesOf(parent.get());
    joined.resize(joined.size() - 2);
    const std::vector<BYTE> lastBytes = BytesOf(last.get());
    joined.insert(joined.end(), lastBytes.begin(), lastBytes.end());
    EXPECT_EQ(joined, BytesOf(list.get()));

    // The last item is the file as its own folder names it.
    Held<IShellFolder> folder(BindPath(tree.PathOf(L"Sub Folder")));
    ASSERT_TRUE(folder);
    OwnedList relative(ParseRelative(folder.get(), L"Inner.txt"));
    EXPECT_EQ(HRESULT_CODE(folder->CompareIDs(0, last.get(), relative.get())), 0);
}

struct ShortListCase
{
    const char* name;
    std::vector<BYTE> bytes;
    bool hasParent;
    std::vector<BYTE> lastItem;
};

void PrintTo(const ShortListCase& c, std::ostream* out)
{
    *out << c.name;
}

const ShortListCase shortLists[] = {
    {"Empty", {0, 0}, false, {0, 0}},
    {"OneItem", {4, 0, 'a', 'b', 0, 0}, false, {4, 0, 'a', 'b', 0, 0}},
    {"TwoItems", {4, 0, 'a', 'b', 3, 0, 'c', 0, 0}, true, {3, 0, 'c', 0, 0}},
};

class ShortList : public ::testing::TestWithParam<ShortListCase>
{
protected:
    ComApartment apartment;
};

TEST_P(ShortList, HasTheParentAndLastItemOfItsItems)
{
    const ShortListCase& c = GetParam();
    const auto list = reinterpret_cast<LPCITEMIDLIST>(c.bytes.data());
    EXPECT_EQ(GetIDListSize(list), c.bytes.size());
    OwnedList parent(CopyParentIDList(list));
    EXPECT_EQ(static_cast<bool>(parent), c.hasParent);
    if (parent)
    {
        EXPECT_EQ(BytesOf(parent.get()), std::vector<BYTE>({4, 0, 'a', 'b', 0, 0}));
    }
    OwnedList last(CopyLastItemID(list));
    ASSERT_TRUE(last);
    EXPECT_EQ(BytesOf(last.get()), c.lastItem);
}

INSTANTIATE_TEST_SUITE_P(Lists, ShortList, ::testing::ValuesIn(shortLists),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(NullList, HasNoParentNoLastItemAndFreesAsNothing)
{
    ComApartment apartment;
    EXPECT_EQ(CopyParentIDList(nullptr), nullptr);
    EXPECT_EQ(CopyLastItemID(nullptr), nullptr);
    FreeIDList(nullptr);
}

TEST(AllocatedList, IsZeroFilledShellMemory)
{
    ComApartment apartment;
    LPITEMIDLIST block = AllocIDList(40);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(FromShellAllocator(block));
    const auto* bytes = reinterpret_cast<const BYTE*>(block);
    EXPECT_EQ(std::count(bytes, bytes + 40, 0), 40);
    FreeIDList(block);
}

TEST_F(ItemIDListTest, NextItemSkipsTheItemsSize)
{
    OwnedList list(ParseAbsolute(tree.Root()));
    ASSERT_TRUE(list);
    EXPECT_EQ(reinterpret_cast<const BYTE*>(NextItemID(list.get())),
              reinterpret_cast<const BYTE*>(list.get()) + list.get()->mkid.cb);
}

}  // namespace
