// The control's properties without a window: defaults, stored values and null pointers.
#include <gtest/gtest.h>

#include <windows.h>
#include <olectl.h>

#include <string>

#include "AutomationFixture.h"
#include "ControlHost.h"

namespace {

// The font's size in points, as near as the system's fonts come; the face name may be replaced
// by one the system has.
double FontPoints(IFontDisp* font)
{
    Held<IFont> described;
    font->QueryInterface(IID_IFont, described.outVoid());
    CY size = {};
    described->get_Size(&size);
    return static_cast<double>(size.int64) / 10000;
}

IFontDisp* NewFont(double points)
{
    FONTDESC description = {
        sizeof description, const_cast<LPOLESTR>(L"Courier New"), {}, 400, DEFAULT_CHARSET, FALSE, FALSE, FALSE};
    description.cySize.int64 = static_cast<LONGLONG>(points * 10000);
    IFontDisp* font = nullptr;
    OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(&font));
    return font;
}

// A property-notify sink that counts the references held to it.
class CountedNotifySink final : public IPropertyNotifySink
{
public:
    virtual ~CountedNotifySink() = default;
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        *out = iid == IID_IUnknown || iid == IID_IPropertyNotifySink ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++references; }
    STDMETHOD_(ULONG, Release)() override { return --references; }
    STDMETHOD(OnChanged)(DISPID) override { return S_OK; }
    STDMETHOD(OnRequestEdit)(DISPID) override { return S_OK; }

    ULONG references = 1;
};

using ControlProperties = ControlTest;

TEST_F(ControlProperties, NewControlHasItsDefaults)
{
    ViewModeType mode{};
    EXPECT_EQ(S_OK, control->get_ViewMode(&mode));
    EXPECT_EQ(Details, mode);
    LONG flags = 0;
    EXPECT_EQ(S_OK, control->get_ViewFolderFlags(&flags));
    EXPECT_EQ(0x40, flags);
    IncludeObjectEnum include{};
    EXPECT_EQ(S_OK, control->get_IncludeObjectType(&include));
    EXPECT_EQ(AllObjects, include);
    BSTR pattern = nullptr;
    EXPECT_EQ(S_OK, control->get_FilePattern(&pattern));
    EXPECT_EQ(L"*.*", TakeText(pattern));
    VARIANT_BOOL enabled = 0;
    EXPECT_EQ(S_OK, control->get_Enabled(&enabled));
    EXPECT_EQ(VARIANT_TRUE, enabled);
    BSTR version = nullptr;
    EXPECT_EQ(S_OK, control->get_Version(&version));
    EXPECT_EQ(L"1.00.009", TakeText(version));
    LONG window = -1;
    EXPECT_EQ(S_OK, control->get_hWnd(&window));
    EXPECT_EQ(0, window);
    Held<IFontDisp> font;
    EXPECT_EQ(S_OK, control->get_Font(font.out()));
    ASSERT_TRUE(font);
    EXPECT_NEAR(8, FontPoints(font.get()), 0.5);
}

TEST_F(ControlProperties, NullOutPointersAreRefused)
{
    VARIANT path;
    V_VT(&path) = VT_I4;
    V_I4(&path) = 5;
    EXPECT_EQ(E_POINTER, control->get_Enabled(nullptr));
    EXPECT_EQ(E_POINTER, control->get_BrowseFolder(nullptr));
    EXPECT_EQ(E_POINTER, control->get_SpecialFolder(Personal, nullptr));
    EXPECT_EQ(E_POINTER, control->get_ShellFolder(path, nullptr));
    EXPECT_EQ(E_POINTER, control->get_Font(nullptr));
}

TEST_F(ControlProperties, StoredValuesReadBack)
{
    EXPECT_EQ(S_OK, control->put_ViewMode(static_cast<ViewModeType>(9)));  // no range test
    ViewModeType mode{};
    control->get_ViewMode(&mode);
    EXPECT_EQ(9, mode);

    EXPECT_EQ(S_OK, control->put_IncludeObjectType(PatternObjects));
    IncludeObjectEnum include{};
    control->get_IncludeObjectType(&include);
    EXPECT_EQ(PatternObjects, include);

    BSTR text = SysAllocString(L"*.txt *.doc");
    EXPECT_EQ(S_OK, control->put_FilePattern(text));
    SysFreeString(text);
    BSTR pattern = nullptr;
    control->get_FilePattern(&pattern);
    EXPECT_EQ(L"*.txt *.doc", TakeText(pattern));

    EXPECT_EQ(S_OK, control->put_FilePattern(nullptr));
    control->get_FilePattern(&pattern);
    ASSERT_NE(nullptr, pattern);  // an empty text, not null
    EXPECT_EQ(L"", TakeText(pattern));

    EXPECT_EQ(S_OK, control->put_Enabled(VARIANT_FALSE));
    VARIANT_BOOL enabled = VARIANT_TRUE;
    control->get_Enabled(&enabled);
    EXPECT_EQ(VARIANT_FALSE, enabled);

    BSTR other = SysAllocString(L"9.99");
    EXPECT_EQ(S_OK, control->put_Version(other));
    SysFreeString(other);
    BSTR version = nullptr;
    control->get_Version(&version);
    EXPECT_EQ(L"1.00.009", TakeText(version));
}

TEST_F(ControlProperties, ModifyFolderFlagsAddsThenRemoves)
{
    struct Case
    {
        LONG add, remove, expected;
    };
    const Case cases[] = {
        {0, 0, 0x40},  // nothing changes
        {0x1, 0x40, 0x1},  // SingleSel off, AutoArrange on
        {0x80, 0x80, 0x1},  // the same bit in both ends cleared
        {0x1000 | 0x2, 0, 0x1003},
    };
    for (const Case& step : cases)
    {
        EXPECT_EQ(S_OK, control->ModifyFolderFlags(static_cast<FolderFlagsEnum>(step.add),
                                                   static_cast<FolderFlagsEnum>(step.remove)));
        LONG flags = 0;
        control->get_ViewFolderFlags(&flags);
        EXPECT_EQ(step.expected, flags) << "add " << step.add << " remove " << step.remove;
    }
}

TEST_F(ControlProperties, MatchPatternFoldsCaseTriesEveryWordAndKeepsForeignCharacters)
{
    struct Case
    {
        const wchar_t* pattern;
        const wchar_t* word;
        VARIANT_BOOL expected;
    };
    const Case cases[] = {
        {L"*.txt *.doc", L"README.DOC", VARIANT_TRUE},
        {L"*", L"", VARIANT_FALSE},
        {nullptr, L"readme.txt", VARIANT_FALSE},
        {L"*", nullptr, VARIANT_FALSE},
        {L"a*", L"xabc", VARIANT_FALSE},
        // Characters outside the ANSI code page match only themselves.
        {L"日.txt", L"本.txt", VARIANT_FALSE},
        {L"日*", L"日本.txt", VARIANT_TRUE},
        {L"a*", L"ābc", VARIANT_FALSE},
    };
    for (const Case& check : cases)
    {
        BSTR pattern = check.pattern ? SysAllocString(check.pattern) : nullptr;
        BSTR word = check.word ? SysAllocString(check.word) : nullptr;
        VARIANT_BOOL matched = 1;
        EXPECT_EQ(S_OK, control->get_MatchPattern(pattern, word, &matched));
        EXPECT_EQ(check.expected, matched) << (check.pattern ? check.pattern : L"(null)");
        SysFreeString(pattern);
        SysFreeString(word);
    }
}

TEST_F(ControlProperties, SpecialFolderAlwaysGivesAFolderObject)
{
    Held<IXeltFolder> documents;
    ASSERT_EQ(S_OK, control->get_SpecialFolder(Personal, documents.out()));
    BSTR path = nullptr;
    EXPECT_EQ(S_OK, documents->get_Path(&path));
    EXPECT_FALSE(TakeText(path).empty());

    Held<IXeltFolder> nothing;
    ASSERT_EQ(S_OK, control->get_SpecialFolder(static_cast<SpecialFolderPathConstants>(200), nothing.out()));
    ASSERT_TRUE(nothing);
    BSTR none = nullptr;
    EXPECT_EQ(S_FALSE, nothing->get_Path(&none));
}

TEST_F(ControlProperties, ShellFolderOpensAPath)
{
    VARIANT path;
    V_VT(&path) = VT_BSTR;
    V_BSTR(&path) = SysAllocString(tree.Root().c_str());
    Held<IXeltFolder> folder;
    ASSERT_EQ(S_OK, control->get_ShellFolder(path, folder.out()));
    BSTR text = nullptr;
    EXPECT_EQ(S_OK, folder->get_Path(&text));
    EXPECT_EQ(tree.Root(), TakeText(text));
    VariantClear(&path);
}

TEST_F(ControlProperties, ObjectsIsOneCollectionAndEnumObjectWritesNothing)
{
    Held<IXeltObjects> first, second;
    ASSERT_EQ(S_OK, control->get_Objects(first.out()));
    ASSERT_EQ(S_OK, control->get_Objects(second.out()));
    EXPECT_EQ(first.get(), second.get());

    IXeltObject* untouched = reinterpret_cast<IXeltObject*>(0x1234);
    EXPECT_EQ(S_OK, control->get__EnumObject(&untouched));
    EXPECT_EQ(reinterpret_cast<IXeltObject*>(0x1234), untouched);
}

TEST_F(ControlProperties, BrowseFolderIsTheCurrentFolderObject)
{
    VARIANT first, second;
    VariantInit(&first);
    VariantInit(&second);
    ASSERT_EQ(S_OK, control->get_BrowseFolder(&first));
    ASSERT_EQ(S_OK, control->get_BrowseFolder(&second));
    EXPECT_EQ(VT_DISPATCH, V_VT(&first));
    EXPECT_EQ(V_DISPATCH(&first), V_DISPATCH(&second));
    VariantClear(&first);
    VariantClear(&second);
}

TEST_F(ControlProperties, FontPutKeepsACloneAndPutRefTheObject)
{
    Held<IFontDisp> courier(NewFont(14));
    ASSERT_EQ(S_OK, control->put_Font(courier.get()));
    Held<IFontDisp> held;
    control->get_Font(held.out());
    ASSERT_TRUE(held);
    EXPECT_NE(courier.get(), held.get());
    EXPECT_NEAR(14, FontPoints(held.get()), 0.5);

    ASSERT_EQ(S_OK, control->putref_Font(courier.get()));
    Held<IFontDisp> same;
    control->get_Font(same.out());
    EXPECT_EQ(courier.get(), same.get());

    ASSERT_EQ(S_OK, control->putref_Font(nullptr));
    IFontDisp* none = courier.get();
    EXPECT_EQ(S_OK, control->get_Font(&none));
    EXPECT_EQ(nullptr, none);
}

TEST_F(ControlProperties, FontAsksLeaveAndTellsItsChange)
{
    Held<IPersistStreamInit> persist(Query<IPersistStreamInit>(IID_IPersistStreamInit));
    Held<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.out());
    persist->Save(stream.get(), TRUE);
    ASSERT_EQ(S_FALSE, persist->IsDirty());

    Held<IFontDisp> courier(NewFont(14));
    notifications.refuse = true;
    EXPECT_EQ(S_FALSE, control->put_Font(courier.get()));
    EXPECT_EQ(std::vector<DISPID>{DISPID_FONT}, notifications.requested);
    EXPECT_TRUE(notifications.changed.empty());
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    Held<IFontDisp> kept;
    control->get_Font(kept.out());
    EXPECT_NEAR(8, FontPoints(kept.get()), 0.5);

    notifications.refuse = false;
    EXPECT_EQ(S_OK, control->put_Font(courier.get()));
    EXPECT_EQ(std::vector<DISPID>{DISPID_FONT}, notifications.changed);
    EXPECT_EQ(S_OK, persist->IsDirty());
}

TEST_F(ControlProperties, RefusedEditLeavesNoReferenceOnTheSinksAfterTheRefusingOne)
{
    CountedNotifySink later;
    Held<IConnectionPointContainer> points(Query<IConnectionPointContainer>(IID_IConnectionPointContainer));
    Held<IConnectionPoint> point;
    ASSERT_EQ(S_OK, points->FindConnectionPoint(IID_IPropertyNotifySink, point.out()));
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(&later, &cookie));

    notifications.refuse = true;  // advised first, so asked first
    Held<IFontDisp> courier(NewFont(14));
    EXPECT_EQ(S_FALSE, control->put_Font(courier.get()));

    ASSERT_EQ(S_OK, point->Unadvise(cookie));
    EXPECT_EQ(1u, later.references);
}

TEST_F(ControlProperties, OnlyFontMarksTheControlDirty)
{
    Held<IPersistStreamInit> persist(Query<IPersistStreamInit>(IID_IPersistStreamInit));
    EXPECT_EQ(S_OK, persist->IsDirty());  // a new control is to be saved
    Held<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.out());
    ASSERT_EQ(S_OK, persist->Save(stream.get(), TRUE));
    EXPECT_EQ(S_FALSE, persist->IsDirty());

    control->put_ViewMode(List);
    control->put_IncludeObjectType(FoldersOnly);
    control->put_Enabled(VARIANT_FALSE);
    control->ModifyFolderFlags(AutoArrange, NoFlag);
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    EXPECT_TRUE(notifications.changed.empty());
}

TEST_F(ControlProperties, ScriptsReachThePropertiesByName)
{
    Held<IDispatch> dispatch(Query<IDispatch>(IID_IDispatch));
    EXPECT_EQ(S_OK, InvokeByName(dispatch.get(), L"ModifyFolderFlags", DISPATCH_METHOD, {}, nullptr));
    LONG flags = 0;
    control->get_ViewFolderFlags(&flags);
    EXPECT_EQ(0x40, flags);  // the defaults add and remove nothing

    VARIANT mode;
    V_VT(&mode) = VT_I4;
    V_I4(&mode) = List;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put = {&mode, &named, 1, 1};
    EXPECT_EQ(S_OK, dispatch->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr,
                                     nullptr));
    Variant read;
    EXPECT_EQ(S_OK, InvokeByName(dispatch.get(), L"ViewMode", DISPATCH_PROPERTYGET, {}, &read.value));
    EXPECT_EQ(VT_I4, V_VT(&read.value));
    EXPECT_EQ(List, V_I4(&read.value));

    Variant version;
    EXPECT_EQ(S_OK, InvokeByName(dispatch.get(), L"Version", DISPATCH_PROPERTYGET, {}, &version.value));
    ASSERT_EQ(VT_BSTR, V_VT(&version.value));
    EXPECT_STREQ(L"1.00.009", V_BSTR(&version.value));
}

}  // namespace
