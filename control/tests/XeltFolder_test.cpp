// The folder object: opened from path texts, folder objects and special-folder numbers.
#include "AutomationFixture.h"

#include <shlobj.h>

#include "CXeltFolder.h"
#include "ItemIDList.h"

namespace {

constexpr HRESULT specialFolderNotFound = 0x80040200;

class XeltFolder : public AutomationTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(framework::CreateInstance<CXeltFolder>(nullptr, IID_IXeltFolder, folder.outVoid()), S_OK);
    }

    HRESULT OpenText(const std::wstring& text)
    {
        Variant path;
        V_VT(&path.value) = VT_BSTR;
        V_BSTR(&path.value) = SysAllocString(text.c_str());
        return folder->_Open(path.value);
    }

    HRESULT OpenNumber(LONG number)
    {
        VARIANT value;
        V_VT(&value) = VT_I4;
        V_I4(&value) = number;
        return folder->_Open(value);
    }

    std::wstring Path(IXeltFolder* of = nullptr)
    {
        BSTR path = nullptr;
        EXPECT_EQ((of ? of : folder.get())->get_Path(&path), S_OK);
        return TakeText(path);
    }

    std::vector<BYTE> IdBytes()
    {
        Variant id;
        EXPECT_EQ(folder->get_ID(&id.value), S_OK);
        EXPECT_EQ(V_VT(&id.value), VT_ARRAY | VT_UI1);
        const BYTE* bytes = nullptr;
        SafeArrayAccessData(V_ARRAY(&id.value), reinterpret_cast<void**>(const_cast<BYTE**>(&bytes)));
        std::vector<BYTE> copy(bytes, bytes + V_ARRAY(&id.value)->rgsabound[0].cElements);
        SafeArrayUnaccessData(V_ARRAY(&id.value));
        return copy;
    }

    void ExpectNoList()
    {
        BSTR path = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(folder->get_Path(&path), S_FALSE);
        EXPECT_EQ(path, reinterpret_cast<BSTR>(1));  // left untouched
        EXPECT_EQ(IdBytes(), (std::vector<BYTE>{0, 0}));  // the desktop's empty list
        LONG* list = nullptr;
        EXPECT_EQ(folder->_GetItemIDList(&list), S_FALSE);
        BSTR name = reinterpret_cast<BSTR>(1);
        EXPECT_EQ(folder->get_Name(&name), S_OK);
        EXPECT_EQ(name, nullptr);
    }

    Held<IXeltFolder> folder;
};

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

TEST_F(XeltFolder, OpensAnExistingDirectoryByItsPath)
{
    ASSERT_EQ(OpenText(tree.PathOf(L"Sub Folder")), S_OK);
    EXPECT_TRUE(SamePath(Path(), tree.PathOf(L"Sub Folder"))) << Path();
    BSTR name = nullptr;
    ASSERT_EQ(folder->get_Name(&name), S_OK);
    EXPECT_EQ(TakeText(name), L"Sub Folder");

    Variant id;
    ASSERT_EQ(folder->get_ID(&id.value), S_OK);
    OwnedList list(VariantToIDList(&id.value));
    ASSERT_TRUE(list);
    EXPECT_TRUE(SamePath(PathOfList(list.get()), tree.PathOf(L"Sub Folder")));
}

TEST_F(XeltFolder, TextThatDoesNotParseLeavesNoList)
{
    ASSERT_EQ(OpenText(tree.PathOf(L"Sub Folder")), S_OK);
    EXPECT_EQ(OpenText(tree.PathOf(L"Missing\\Nowhere")), S_OK);
    ExpectNoList();
}

struct SpecialFolderCase
{
    const char* name;
    LONG number;
    bool hasPath;
};

class SpecialFolder : public XeltFolder, public ::testing::WithParamInterface<SpecialFolderCase>
{
};

TEST_P(SpecialFolder, OpensWithNameAndPathWhenItHasOne)
{
    ASSERT_EQ(OpenNumber(GetParam().number), S_OK);
    LONG* list = nullptr;
    EXPECT_EQ(folder->_GetItemIDList(&list), S_OK);
    BSTR path = nullptr;
    EXPECT_EQ(folder->get_Path(&path), GetParam().hasPath ? S_OK : S_FALSE);
    EXPECT_EQ(TakeText(path).empty(), !GetParam().hasPath);
    BSTR name = nullptr;
    EXPECT_EQ(folder->get_Name(&name), S_OK);
    EXPECT_FALSE(TakeText(name).empty());
}

INSTANTIATE_TEST_SUITE_P(Numbers, SpecialFolder,
                         ::testing::Values(SpecialFolderCase{"Desktop", 0, true},
                                           SpecialFolderCase{"Personal", 5, true},
                                           SpecialFolderCase{"MyComputer", 17, false},
                                           SpecialFolderCase{"AppData", 26, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(XeltFolder, NumberThatNamesNoFolderReportsTheError)
{
    ASSERT_EQ(OpenText(tree.Root()), S_OK);
    EXPECT_EQ(OpenNumber(200), specialFolderNotFound);
    ExpectNoList();

    Held<IErrorInfo> error;
    ASSERT_EQ(GetErrorInfo(0, error.out()), S_OK);
    BSTR description = nullptr, source = nullptr;
    GUID guid = IID_IDispatch;
    error->GetDescription(&description);
    error->GetSource(&source);
    error->GetGUID(&guid);
    EXPECT_EQ(TakeText(description), L"The special folder contant not found.");
    EXPECT_EQ(TakeText(source), L"Marrowin.XeltFolder");
    EXPECT_EQ(guid, GUID_NULL);

    Held<ISupportErrorInfo> support;
    ASSERT_EQ(folder->QueryInterface(IID_ISupportErrorInfo, support.outVoid()), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IXeltFolder), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
}

TEST_F(XeltFolder, NumbersOfOtherTypesAndByReferenceAreConverted)
{
    VARIANT shortNumber;
    V_VT(&shortNumber) = VT_I2;
    V_I2(&shortNumber) = 5;
    ASSERT_EQ(folder->_Open(shortNumber), S_OK);
    const std::wstring personal = Path();
    EXPECT_FALSE(personal.empty());

    LONG number = 5;
    VARIANT byReference;
    V_VT(&byReference) = VT_I4 | VT_BYREF;
    V_I4REF(&byReference) = &number;
    ASSERT_EQ(OpenText(tree.Root()), S_OK);
    ASSERT_EQ(folder->_Open(byReference), S_OK);
    EXPECT_EQ(Path(), personal);
}

TEST_F(XeltFolder, ReadsThroughAVariantThatRefersToAReference)
{
    LONG number = 5;
    VARIANT inner;
    V_VT(&inner) = VT_I4 | VT_BYREF;
    V_I4REF(&inner) = &number;
    VARIANT outer;
    V_VT(&outer) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&outer) = &inner;
    ASSERT_EQ(OpenNumber(5), S_OK);
    const std::wstring personal = Path();
    ASSERT_EQ(OpenText(tree.Root()), S_OK);
    ASSERT_EQ(folder->_Open(outer), S_OK);
    EXPECT_EQ(Path(), personal);
}

TEST_F(XeltFolder, MalformedValuesAreRefusedAndKeepTheList)
{
    VARIANT unknownType;
    V_VT(&unknownType) = 0x7FF;
    VARIANT nothing;
    V_VT(&nothing) = VT_EMPTY;
    VARIANT innerReference;
    V_VT(&innerReference) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&innerReference) = &nothing;
    VARIANT referenceToReference;  // a VARIANT reference inside another one
    V_VT(&referenceToReference) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&referenceToReference) = &innerReference;
    const std::pair<VARIANT*, HRESULT> cases[] = {{&unknownType, DISP_E_BADVARTYPE},
                                                  {&referenceToReference, E_INVALIDARG}};
    ASSERT_EQ(OpenText(tree.Root()), S_OK);
    for (const auto& [value, refusal] : cases)
    {
        EXPECT_EQ(folder->_Open(*value), refusal) << V_VT(value);
        EXPECT_TRUE(SamePath(Path(), tree.Root())) << V_VT(value);
    }
}

TEST_F(XeltFolder, CopiesTheListOfAnotherFolderObject)
{
    Held<IXeltFolder> other;
    ASSERT_EQ(framework::CreateInstance<CXeltFolder>(nullptr, IID_IXeltFolder, other.outVoid()), S_OK);
    ASSERT_EQ(OpenText(tree.PathOf(L"Sub Folder")), S_OK);
    VARIANT object;
    V_VT(&object) = VT_DISPATCH;
    V_DISPATCH(&object) = folder.get();
    ASSERT_EQ(other->_Open(object), S_OK);
    EXPECT_TRUE(SamePath(Path(other.get()), tree.PathOf(L"Sub Folder")));

    ASSERT_EQ(OpenText(tree.Root()), S_OK);  // the copy does not follow
    EXPECT_TRUE(SamePath(Path(other.get()), tree.PathOf(L"Sub Folder")));
}

TEST_F(XeltFolder, TakesTheListOfAShellFolder)
{
    Held<IShellFolder> shellFolder(BindPath(tree.PathOf(L"Sub Folder")));
    ASSERT_TRUE(shellFolder);
    VARIANT object;
    V_VT(&object) = VT_UNKNOWN;
    V_UNKNOWN(&object) = shellFolder.get();
    ASSERT_EQ(folder->_Open(object), S_OK);
    EXPECT_TRUE(SamePath(Path(), tree.PathOf(L"Sub Folder")));
}

TEST_F(XeltFolder, ValuesNamingNoFolderLeaveNoList)
{
    Held<IUnknown> stranger;
    ASSERT_EQ(framework::CreateInstance<CXeltFolder>(nullptr, IID_IUnknown, stranger.outVoid()), S_OK);
    Held<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.out()), S_OK);  // no folder of any kind

    VARIANT values[4];
    V_VT(&values[0]) = VT_NULL;
    V_VT(&values[1]) = VT_DISPATCH;
    V_DISPATCH(&values[1]) = nullptr;
    V_VT(&values[2]) = VT_UNKNOWN;
    V_UNKNOWN(&values[2]) = stream.get();
    V_VT(&values[3]) = VT_UNKNOWN;
    V_UNKNOWN(&values[3]) = stranger.get();  // a folder object without a list
    for (const VARIANT& value : values)
    {
        ASSERT_EQ(OpenText(tree.Root()), S_OK);
        EXPECT_EQ(folder->_Open(value), S_OK) << V_VT(&value);
        ExpectNoList();
    }
}

TEST_F(XeltFolder, SetItemIDListTakesTheListOver)
{
    LPITEMIDLIST list = ParseAbsolute(tree.Root());
    ASSERT_EQ(folder->_SetItemIDList(reinterpret_cast<LONG*>(list)), S_OK);
    LONG* held = nullptr;
    ASSERT_EQ(folder->_GetItemIDList(&held), S_OK);
    EXPECT_EQ(held, reinterpret_cast<LONG*>(list));
    EXPECT_TRUE(SamePath(Path(), tree.Root()));
}

TEST_F(XeltFolder, NullOutPointersAreRefused)
{
    ASSERT_EQ(OpenText(tree.Root()), S_OK);
    EXPECT_EQ(folder->get_Path(nullptr), E_POINTER);
    EXPECT_EQ(folder->get_Name(nullptr), E_POINTER);
    EXPECT_EQ(folder->get_ID(nullptr), E_POINTER);
    EXPECT_EQ(folder->_GetItemIDList(nullptr), E_POINTER);
}

TEST_F(XeltFolder, AnswersByNameLikeAScript)
{
    VARIANT path;
    V_VT(&path) = VT_BSTR;
    V_BSTR(&path) = SysAllocString(tree.PathOf(L"Sub Folder").c_str());
    ASSERT_EQ(InvokeByName(folder.get(), L"_Open", DISPATCH_METHOD, {path}, nullptr), S_OK);
    VariantClear(&path);

    Variant result;
    ASSERT_EQ(InvokeByName(folder.get(), L"Path", DISPATCH_PROPERTYGET, {}, &result.value), S_OK);
    ASSERT_EQ(V_VT(&result.value), VT_BSTR);
    EXPECT_TRUE(SamePath(V_BSTR(&result.value), tree.PathOf(L"Sub Folder")));
    Variant name;
    ASSERT_EQ(InvokeByName(folder.get(), L"Name", DISPATCH_PROPERTYGET, {}, &name.value), S_OK);
    EXPECT_STREQ(V_BSTR(&name.value), L"Sub Folder");
    Variant id;
    ASSERT_EQ(InvokeByName(folder.get(), L"ID", DISPATCH_PROPERTYGET, {}, &id.value), S_OK);
    EXPECT_EQ(V_VT(&id.value), VT_ARRAY | VT_UI1);
}

}  // namespace
