// Which items of a folder the view shows under each IncludeObjectType, and the
// container's say through the IncludeObject event.
#include "HostFixture.h"

namespace {

using Names = std::vector<std::wstring>;

const Names allItems = {L"Año señal é.txt", L"Carpeta Ñandú", L"Name with spaces.txt", L"Plain.txt", L"Sub Folder"};
const Names folders = {L"Carpeta Ñandú", L"Sub Folder"};

struct FilterCase
{
    const char* what;
    IncludeObjectEnum mode;
    const wchar_t* pattern;
    // The container hides the items it names; null leaves every flag alone.
    const wchar_t* hiddenByHandler;
    Names shown;
    Names asked;  // items that raised IncludeObject
};

void PrintTo(const FilterCase& c, std::ostream* out)
{
    *out << c.what;
}

class ItemFiltering : public HostTest, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(ItemFiltering, ShowsTheItemsTheModeAndTheContainerLetThrough)
{
    const FilterCase& c = GetParam();
    control.SetPattern(c.pattern);
    if (c.hiddenByHandler)
    {
        const std::wstring hidden = c.hiddenByHandler;
        control.includeHandler = [hidden](const std::wstring& name, VARIANT_BOOL* include) {
            if (name == hidden)
                *include = VARIANT_FALSE;
        };
    }
    browser->SetIncludeObjectType(c.mode);
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    EXPECT_EQ(Sorted(ShownNames()), Sorted(c.shown));
    EXPECT_EQ(Sorted(control.askedToInclude), Sorted(c.asked));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ItemFiltering,
    ::testing::Values(
        FilterCase{"AllObjectsAsksNobody", AllObjects, L"*.*", L"Plain.txt", allItems, {}},
        FilterCase{"UserObjectsAsksForEveryItem",
                   UserObjects,
                   L"*.*",
                   L"Plain.txt",
                   {L"Año señal é.txt", L"Carpeta Ñandú", L"Name with spaces.txt", L"Sub Folder"},
                   allItems},
        FilterCase{"UserObjectsHandlerLeavingTheFlagShowsAll", UserObjects, L"*.*", nullptr, allItems, allItems},
        FilterCase{"FoldersOnlyAsksForFoldersAlone", FoldersOnly, L"*.*", L"Sub Folder", {L"Carpeta Ñandú"}, folders},
        FilterCase{"PatternShowsFoldersAndMatchingFiles",
                   PatternObjects,
                   L"PLAIN* *spaces.txt",
                   L"Plain.txt",
                   {L"Carpeta Ñandú", L"Name with spaces.txt", L"Plain.txt", L"Sub Folder"},
                   {}},
        FilterCase{"PatternMatchesNamesOutsideAscii",
                   PatternObjects,
                   L"año*",
                   nullptr,
                   {L"Año señal é.txt", L"Carpeta Ñandú", L"Sub Folder"},
                   {}},
        FilterCase{"EmptyPatternShowsFoldersOnly", PatternObjects, L"", nullptr, folders, {}},
        FilterCase{"NullPatternShowsFoldersOnly", PatternObjects, nullptr, nullptr, folders, {}},
        FilterCase{"UnknownModeShowsAll", static_cast<IncludeObjectEnum>(7), L"", nullptr, allItems, {}}),
    [](const ::testing::TestParamInfo<FilterCase>& test) { return test.param.what; });

// A folder of names that the ANSI code page cannot hold, and a look-alike of one ("ā" for "a").
const Names foreignFiles = {L"日.txt", L"本.txt", L"日本.txt", L"ābc.txt", L"abc.txt", L"\U0001F600.txt"};
const wchar_t* const foreignFolder = L"本 Carpeta";

struct ForeignPatternCase
{
    const char* what;
    const wchar_t* pattern;
    Names shown;
};

void PrintTo(const ForeignPatternCase& c, std::ostream* out)
{
    *out << c.what;
}

class ForeignNameFiltering : public HostTest, public ::testing::WithParamInterface<ForeignPatternCase>
{
protected:
    void SetUp() override
    {
        folder = tree.PathOf(L"Ajeno");
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW((folder + L"\\" + foreignFolder).c_str(), nullptr));
        for (const std::wstring& name : foreignFiles)
        {
            HANDLE file =
                CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
    }

    std::wstring folder;
};

TEST_P(ForeignNameFiltering, ShowsOnlyTheFilesWhoseOwnCharactersMatch)
{
    control.SetPattern(GetParam().pattern);
    browser->SetIncludeObjectType(PatternObjects);
    ASSERT_TRUE(BrowseToPath(folder));
    Names shown = GetParam().shown;
    shown.push_back(foreignFolder);  // folders are always shown
    EXPECT_EQ(Sorted(ShownNames()), Sorted(shown));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ForeignNameFiltering,
    ::testing::Values(ForeignPatternCase{"AForeignPrefixIsNoWildcard", L"日*", {L"日.txt", L"日本.txt"}},
                      ForeignPatternCase{"AForeignNameMatchesItselfAlone", L"本.txt", {L"本.txt"}},
                      ForeignPatternCase{"AForeignCharacterInsideTheName", L"*本*", {L"本.txt", L"日本.txt"}},
                      ForeignPatternCase{"AQuestionMarkStandsForOneForeignCharacter",
                                         L"?.txt",
                                         {L"日.txt", L"本.txt", L"\U0001F600.txt"}},
                      ForeignPatternCase{"ALetterDoesNotMatchItsLookAlike", L"a*", {L"abc.txt"}},
                      ForeignPatternCase{"ALookAlikeMatchesItselfAlone", L"ā*", {L"ābc.txt"}},
                      ForeignPatternCase{"AStarStillMatchesEveryName", L"*", foreignFiles}),
    [](const ::testing::TestParamInfo<ForeignPatternCase>& test) { return test.param.what; });

using FilterMode = HostTest;

TEST_F(FilterMode, ChangingTheModeTellsWhetherItChangedAndAppliesAtTheNextView)
{
    EXPECT_EQ(browser->GetIncludeObjectType(), AllObjects);
    EXPECT_FALSE(browser->SetIncludeObjectType(AllObjects));
    ASSERT_TRUE(BrowseToPath(tree.Root()));

    EXPECT_TRUE(browser->SetIncludeObjectType(FoldersOnly));
    EXPECT_EQ(browser->GetIncludeObjectType(), FoldersOnly);
    EXPECT_EQ(ShownNames().size(), allItems.size());
    ASSERT_TRUE(BrowseToPath(tree.Root()));
    EXPECT_EQ(Sorted(ShownNames()), folders);
}

TEST_F(FilterMode, AnItemObjectOfTheEventNamesTheFolderBeingOpened)
{
    browser->SetIncludeObjectType(UserObjects);
    ASSERT_TRUE(BrowseToPath(tree.PathOf(L"Sub Folder")));
    EXPECT_EQ(control.askedToInclude, Names({L"Inner.txt"}));
}

}  // namespace
