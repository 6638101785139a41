// Display names and paths of the files and folders of a real tree, and the text records.
#include <gtest/gtest.h>

#include <cstring>

#include "DisplayName.h"
#include "ShellFixture.h"
#include "SorvaneLibrary.h"

namespace {

// Splits "folder\name" of the tree into the folder's path and the name inside it.
std::pair<std::wstring, std::wstring> Split(const TempFolderTree& tree, const std::wstring& relative)
{
    const size_t backslash = relative.rfind(L'\\');
    if (backslash == std::wstring::npos)
        return {tree.Root(), relative};
    return {tree.PathOf(relative.substr(0, backslash)), relative.substr(backslash + 1)};
}

class TreeItemName : public ::testing::TestWithParam<TreeEntry>
{
protected:
    ComApartment apartment;
    TempFolderTree tree;
};

TEST_P(TreeItemName, IsTheItemsPathAndNameInTheAnsiCodePageAndInFull)
{
    const auto [folderPath, name] = Split(tree, GetParam().name);
    const std::wstring path = tree.PathOf(GetParam().name);
    Held<IShellFolder> folder(BindPath(folderPath));
    ASSERT_TRUE(folder);
    OwnedList item(ParseRelative(folder.get(), name));
    ASSERT_TRUE(item);

    char text[1024];
    ASSERT_TRUE(GetDisplayNameText(folder.get(), item.get(), SHGDN_FORPARSING, text, sizeof text));
    EXPECT_EQ(std::string(text), Ansi(path));

    ASSERT_TRUE(GetDisplayNameText(folder.get(), item.get(), SHGDN_INFOLDER | SHGDN_FORPARSING, text, sizeof text));
    EXPECT_EQ(std::string(text), Ansi(name));

    std::wstring wide;
    ASSERT_TRUE(GetDisplayNameWide(folder.get(), item.get(), SHGDN_FORPARSING, wide));
    EXPECT_EQ(wide, path);
    EXPECT_STREQ(GetFileNamePart(wide.c_str()), name.c_str());

    OwnedList absolute(ParseAbsolute(path));
    ASSERT_TRUE(absolute);
    ASSERT_TRUE(SHGetPathFromIDListA(absolute.get(), text));
    EXPECT_EQ(std::string(text), Ansi(path));
}

INSTANTIATE_TEST_SUITE_P(Tree, TreeItemName, ::testing::ValuesIn(treeEntries), [](const auto& testCase) {
    std::string name;
    for (const wchar_t* c = testCase.param.name; *c; ++c)
        name += (*c < 128 && iswalnum(*c)) ? static_cast<char>(*c) : '_';
    return name;
});

TEST(DisplayNameText, IsCutToTheBufferAndNeedsFolderAndItem)
{
    ComApartment apartment;
    TempFolderTree tree;
    Held<IShellFolder> folder(BindPath(tree.Root()));
    ASSERT_TRUE(folder);
    OwnedList item(ParseRelative(folder.get(), L"Name with spaces.txt"));
    char text[6];
    std::memset(text, 'x', sizeof text);
    ASSERT_TRUE(GetDisplayNameText(folder.get(), item.get(), SHGDN_INFOLDER | SHGDN_FORPARSING, text, 5));
    EXPECT_STREQ(text, "Name");
    EXPECT_EQ(text[5], 'x');
    EXPECT_FALSE(GetDisplayNameText(nullptr, item.get(), SHGDN_NORMAL, text, sizeof text));
    EXPECT_FALSE(GetDisplayNameText(folder.get(), nullptr, SHGDN_NORMAL, text, sizeof text));
}

TEST(DisplayNameText, NamesAVirtualFolderThatHasNoPath)
{
    ComApartment apartment;
    OwnedList drives;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drives.out()), S_OK);
    Held<IShellFolder> desktop;
    ASSERT_EQ(SHGetDesktopFolder(desktop.out()), S_OK);
    char text[1024] = {};
    ASSERT_TRUE(GetDisplayNameText(desktop.get(), drives.get(), SHGDN_INFOLDER, text, sizeof text));
    EXPECT_GT(std::strlen(text), 0u);
    EXPECT_FALSE(SHGetPathFromIDListA(drives.get(), text));
}

struct StrRetCase
{
    const char* name;
    UINT type;
    UINT size;
    bool converted;
    const char* text;
};

void PrintTo(const StrRetCase& c, std::ostream* out)
{
    *out << c.name;
}

// An item whose data holds an ANSI text at offset 4, for STRRET_OFFSET.
const BYTE itemWithText[] = {12, 0, 'x', 'x', 'I', 't', 'e', 'm', ' ', 'a', 'b', 0, 0, 0};

const StrRetCase strRetCases[] = {
    {"Wide", STRRET_WSTR, 64, true, "Año señal é"},
    {"WideCut", STRRET_WSTR, 4, true, "Año"},
    {"Offset", STRRET_OFFSET, 64, true, "Item ab"},
    {"OffsetCut", STRRET_OFFSET, 3, true, "It"},
    {"Own", STRRET_CSTR, 64, true, "own text"},
    {"OwnCut", STRRET_CSTR, 2, true, "o"},
    {"UnknownType", 3, 64, false, ""},
    {"NoRoom", STRRET_CSTR, 0, false, ""},
};

class StrRetRecord : public ::testing::TestWithParam<StrRetCase>
{
protected:
    ComApartment apartment;
};

TEST_P(StrRetRecord, GivesItsTextCutToTheBuffer)
{
    const StrRetCase& c = GetParam();
    STRRET record = {};
    record.uType = c.type;
    if (c.type == STRRET_WSTR)
    {
        const std::wstring wide = L"Año señal é";
        record.pOleStr = static_cast<LPWSTR>(CoTaskMemAlloc((wide.size() + 1) * sizeof(wchar_t)));
        std::memcpy(record.pOleStr, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    }
    else if (c.type == STRRET_OFFSET)
        record.uOffset = 4;
    else if (c.type == STRRET_CSTR)
        std::strcpy(record.cStr, "own text");
    char text[64] = {};
    EXPECT_EQ(StrRetToText(&record, text, c.size, reinterpret_cast<LPCITEMIDLIST>(itemWithText)), c.converted);
    const std::string expected = c.type == STRRET_WSTR ? Ansi(L"Año señal é").substr(0, c.size - 1) : c.text;
    EXPECT_EQ(std::string(text), c.converted ? expected : "");
    if (c.type == STRRET_WSTR)
    {
        EXPECT_EQ(record.pOleStr, nullptr);  // the text was freed with the record
    }
}

INSTANTIATE_TEST_SUITE_P(Records, StrRetRecord, ::testing::ValuesIn(strRetCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(StrRetText, WithoutRecordOrBufferIsNotConverted)
{
    STRRET record = {};
    record.uType = STRRET_CSTR;
    char text[8];
    EXPECT_FALSE(StrRetToText(nullptr, text, sizeof text, nullptr));
    EXPECT_FALSE(StrRetToText(&record, nullptr, sizeof text, nullptr));
    record.uType = STRRET_OFFSET;
    EXPECT_FALSE(StrRetToText(&record, text, sizeof text, nullptr));
}

struct FileNameCase
{
    const wchar_t* text;
    const wchar_t* part;
};

TEST(FileNamePart, IsTheTextAfterTheLastBackslash)
{
    const FileNameCase cases[] = {
        {L"C:\\Music\\Song one.mp3", L"Song one.mp3"},
        {L"Song.mp3", L"Song.mp3"},
        {L"C:\\Music\\", L""},
        {L"\\\\server\\share", L"share"},
        {L"", L""},
    };
    for (const FileNameCase& c : cases)
        EXPECT_STREQ(GetFileNamePart(c.text), c.part) << c.text;
    EXPECT_EQ(GetFileNamePart(nullptr), nullptr);
}

}  // namespace
