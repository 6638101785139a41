// The absolute list of a folder, for file-system and virtual folders.
#include <gtest/gtest.h>

#include "FolderIDList.h"
#include "ItemIDList.h"
#include "ShellFixture.h"
#include "SorvaneLibrary.h"

namespace {

class FolderIDListTest : public ::testing::Test
{
protected:
    ComApartment apartment;
    TempFolderTree tree;
};

TEST_F(FolderIDListTest, FolderTellsItsOwnAbsoluteList)
{
    Held<IShellFolder> folder(BindPath(tree.PathOf(L"Carpeta Ñandú")));
    ASSERT_TRUE(folder);
    OwnedList list(GetFolderIDList(folder.get()));
    ASSERT_TRUE(list);
    EXPECT_TRUE(FromShellAllocator(list.get()));
    EXPECT_EQ(PathOfList(list.get()), tree.PathOf(L"Carpeta Ñandú"));

    Held<IShellFolder> desktop;
    ASSERT_EQ(SHGetDesktopFolder(desktop.out()), S_OK);
    OwnedList desktopList(GetFolderIDList(desktop.get()));
    ASSERT_TRUE(desktopList);
    EXPECT_EQ(GetIDListSize(desktopList.get()), 2u);

    EXPECT_EQ(GetFolderIDList(nullptr), nullptr);
}

TEST_F(FolderIDListTest, VirtualFolderTellsItsSpecialFolderList)
{
    OwnedList drives;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drives.out()), S_OK);
    Held<IShellFolder> desktop;
    ASSERT_EQ(SHGetDesktopFolder(desktop.out()), S_OK);
    Held<IShellFolder> folder;
    ASSERT_EQ(desktop->BindToObject(drives.get(), nullptr, IID_IShellFolder, folder.outVoid()), S_OK);
    OwnedList list(GetFolderIDList(folder.get()));
    ASSERT_TRUE(list);
    EXPECT_EQ(BytesOf(list.get()), BytesOf(drives.get()));
    EXPECT_EQ(PathOfList(list.get()), L"");
}

}  // namespace
