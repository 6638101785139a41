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
        FilterCase{"UserObjectsAsksForEveryItem", UserObjects, L"*.*", L"Plain.txt",
                   {L"Año señal é.txt", L"Carpeta Ñandú", L"Name with spaces.txt", L"Sub Folder"}, allItems},
        FilterCase{"UserObjectsHandlerLeavingTheFlagShowsAll", UserObjects, L"*.*", nullptr, allItems, allItems},
        FilterCase{"FoldersOnlyAsksForFoldersAlone", FoldersOnly, L"*.*", L"Sub Folder", {L"Carpeta Ñandú"}, folders},
        FilterCase{"PatternShowsFoldersAndMatchingFiles", PatternObjects, L"PLAIN* *spaces.txt", L"Plain.txt",
                   {L"Carpeta Ñandú", L"Name with spaces.txt", L"Plain.txt", L"Sub Folder"}, {}},
        FilterCase{"PatternMatchesNamesOutsideAscii", PatternObjects, L"año*", nullptr,
                   {L"Año señal é.txt", L"Carpeta Ñandú", L"Sub Folder"}, {}},
        FilterCase{"EmptyPatternShowsFoldersOnly", PatternObjects, L"", nullptr, folders, {}},
        FilterCase{"NullPatternShowsFoldersOnly", PatternObjects, nullptr, nullptr, folders, {}},
        FilterCase{"UnknownModeShowsAll", static_cast<IncludeObjectEnum>(7), L"", nullptr, allItems, {}}),
    [](const ::testing::TestParamInfo<FilterCase>& test) { return test.param.what; });

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
