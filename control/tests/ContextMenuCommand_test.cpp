// Running an item's context-menu command by its menu text, on a real file: the copy
// command puts the file on the clipboard.
#include <gtest/gtest.h>

#include "ContextMenuCommand.h"
#include "ShellFixture.h"

namespace {

// OLE on the test's thread: the shell's copy command goes through the OLE clipboard.
struct OleApartment
{
    OleApartment() { OleInitialize(nullptr); }
    ~OleApartment() { OleUninitialize(); }
};

void EmptyTheClipboard()
{
    OleSetClipboard(nullptr);
    if (OpenClipboard(nullptr))
    {
        EmptyClipboard();
        CloseClipboard();
    }
}

// The first file on the clipboard; "" when it holds none.
std::wstring ClipboardFile()
{
    Held<IDataObject> data;
    if (FAILED(OleGetClipboard(data.out())))
        return L"";
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium)))
        return L"";
    wchar_t path[MAX_PATH] = {};
    auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
    DragQueryFileW(drop, 0, path, MAX_PATH);
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return path;
}

struct VerbCase
{
    const char* name;
    const char* text;
    bool runs;
};

void PrintTo(const VerbCase& c, std::ostream* out)
{
    *out << c.name;
}

const VerbCase verbCases[] = {
    {"AsShown", "&Copy", true},
    {"OtherCase", "&cOPY", true},
    {"WithoutItsAmpersand", "Copy", false},
    {"AmpersandElsewhere", "C&opy", false},
    {"NoSuchCommand", "&Fly away", false},
    {"EmptyText", "", false},
};

class MenuText : public ::testing::TestWithParam<VerbCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder);
        ASSERT_TRUE(item);
        EmptyTheClipboard();
    }
    void TearDown() override { EmptyTheClipboard(); }

    OleApartment apartment;
    TempFolderTree tree;
    Held<IShellFolder> folder{BindPath(tree.Root())};
    OwnedList item{ParseRelative(folder.get(), L"Año señal é.txt")};
};

TEST_P(MenuText, RunsTheCommandShownWithThatText)
{
    EXPECT_EQ(InvokeVerbByText(nullptr, folder.get(), item.get(), GetParam().text), GetParam().runs);
    EXPECT_EQ(ClipboardFile(), GetParam().runs ? tree.PathOf(L"Año señal é.txt") : L"");
}

INSTANTIATE_TEST_SUITE_P(Texts, MenuText, ::testing::ValuesIn(verbCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(MenuTextWithoutItem, RunsNothing)
{
    OleApartment apartment;
    TempFolderTree tree;
    Held<IShellFolder> folder(BindPath(tree.Root()));
    OwnedList item(ParseRelative(folder.get(), L"Plain.txt"));
    EXPECT_FALSE(InvokeVerbByText(nullptr, nullptr, item.get(), "&Copy"));
    EXPECT_FALSE(InvokeVerbByText(nullptr, folder.get(), nullptr, "&Copy"));
    EXPECT_FALSE(InvokeVerbByText(nullptr, folder.get(), item.get(), nullptr));
}

}  // namespace
