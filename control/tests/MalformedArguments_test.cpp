// Arguments that would crash a careless callee: VARIANTs by reference that point nowhere,
// and dispatch calls with missing arrays. Each gets an error and leaves the object as it was.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <tuple>

#include "AutomationFixture.h"
#include "ControlHost.h"

namespace {

// A by-reference VARIANT with a null pointer, directly or inside the VARIANT it refers to.
struct NullReference
{
    const char* what;
    VARTYPE type;
    bool insideVariant;
};

// A VARIANT argument built from a NullReference; the referred VARIANT lives as long as it.
class NullArgument
{
public:
    explicit NullArgument(const NullReference& kind)
    {
        VARIANT& first = kind.insideVariant ? inner_ : value;
        V_VT(&first) = VT_BYREF | kind.type;
        V_BYREF(&first) = nullptr;
        if (kind.insideVariant)
        {
            V_VT(&value) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(&value) = &inner_;
        }
    }
    NullArgument(const NullArgument&) = delete;
    NullArgument& operator=(const NullArgument&) = delete;

    VARIANT value;

private:
    VARIANT inner_;
};

const NullReference nullReferences[] = {
    {"Variant", VT_VARIANT, false},
    {"Text", VT_BSTR, false},
    {"Number", VT_I4, false},
    {"Object", VT_DISPATCH, false},
    {"ByteArray", VT_ARRAY | VT_UI1, false},
    {"NumberInsideAVariant", VT_I4, true},
    {"TextInsideAVariant", VT_BSTR, true},
};

class ArgumentTest : public ControlTest
{
protected:
    void SetUp() override
    {
        VARIANT path;
        V_VT(&path) = VT_BSTR;
        V_BSTR(&path) = SysAllocString(tree.Root().c_str());
        ASSERT_EQ(S_OK, control->get_ShellFolder(path, folder.out()));
        VariantClear(&path);
        ASSERT_EQ(tree.Root(), FolderPath());
    }

    std::wstring FolderPath()
    {
        BSTR path = nullptr;
        folder->get_Path(&path);
        return TakeText(path);
    }

    Held<IXeltFolder> folder;
};

// Every member that takes a VARIANT, called through its interface and by name like a script.
struct VariantMember
{
    const char* what;
    bool onFolder;
    const wchar_t* name;
    WORD kind;
    HRESULT (*call)(ISorvane* control, IXeltFolder* folder, const VARIANT& argument);
};

const VariantMember variantMembers[] = {
    {"XeltFolderOpen", true, L"_Open", DISPATCH_METHOD,
     [](ISorvane*, IXeltFolder* folder, const VARIANT& argument) { return folder->_Open(argument); }},
    {"SorvaneShellFolder", false, L"ShellFolder", DISPATCH_PROPERTYGET,
     [](ISorvane* control, IXeltFolder*, const VARIANT& argument) {
         IXeltFolder* made = reinterpret_cast<IXeltFolder*>(1);
         const HRESULT hr = control->get_ShellFolder(argument, &made);
         EXPECT_EQ(nullptr, made);
         return hr;
     }},
    {"SorvaneBrowseFolderPut", false, L"BrowseFolder", DISPATCH_PROPERTYPUT,
     [](ISorvane* control, IXeltFolder*, const VARIANT& argument) { return control->put_BrowseFolder(argument); }},
};

class NullReferenceArgument : public ArgumentTest,
                              public ::testing::WithParamInterface<std::tuple<VariantMember, NullReference>>
{
};

TEST_P(NullReferenceArgument, IsRefusedAsInvalidAndChangesNothing)
{
    const auto& [member, reference] = GetParam();
    NullArgument argument(reference);
    EXPECT_EQ(E_INVALIDARG, member.call(control.get(), folder.get(), argument.value));
    EXPECT_EQ(tree.Root(), FolderPath());
}

TEST_P(NullReferenceArgument, ReachesAScriptAsAnError)
{
    const auto& [member, reference] = GetParam();
    IDispatch* object = member.onFolder ? static_cast<IDispatch*>(folder.get()) : control.get();
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(member.name)};
    ASSERT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
    NullArgument argument(reference);
    DISPID put = DISPID_PROPERTYPUT;
    const bool isPut = member.kind == DISPATCH_PROPERTYPUT;
    DISPPARAMS parameters = {&argument.value, isPut ? &put : nullptr, 1, isPut ? 1u : 0u};
    Variant result;
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, member.kind, &parameters, &result.value,
                                      &exception, &argumentError);
    EXPECT_EQ(DISP_E_EXCEPTION, hr);
    EXPECT_EQ(E_INVALIDARG, exception.scode);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    EXPECT_EQ(tree.Root(), FolderPath());
}

INSTANTIATE_TEST_SUITE_P(Members, NullReferenceArgument,
                         ::testing::Combine(::testing::ValuesIn(variantMembers), ::testing::ValuesIn(nullReferences)),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).what) + "_" + std::get<1>(test.param).what;
                         });

using MalformedDispatch = ArgumentTest;

TEST_F(MalformedDispatch, MissingArraysAreRefused)
{
    for (IDispatch* object : {static_cast<IDispatch*>(control.get()), static_cast<IDispatch*>(folder.get())})
    {
        DISPID id = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(L"Path")};
        EXPECT_EQ(E_POINTER, object->GetIDsOfNames(IID_NULL, nullptr, 1, LOCALE_USER_DEFAULT, &id));
        EXPECT_EQ(E_POINTER, object->GetIDsOfNames(IID_NULL, nullptr, 0, LOCALE_USER_DEFAULT, &id));
        EXPECT_EQ(E_POINTER, object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, nullptr));

        Variant result;
        VARIANT number;
        V_VT(&number) = VT_I4;
        V_I4(&number) = 5;
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS noArguments = {nullptr, nullptr, 1, 0};
        DISPPARAMS noNames = {&number, nullptr, 1, 1};
        DISPPARAMS noArgumentsNamed = {nullptr, &put, 1, 1};
        EXPECT_EQ(E_INVALIDARG, object->Invoke(5, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, nullptr,
                                               &result.value, nullptr, nullptr));
        for (DISPPARAMS* parameters : {&noArguments, &noNames, &noArgumentsNamed})
            EXPECT_EQ(E_INVALIDARG, object->Invoke(5, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, parameters,
                                                   &result.value, nullptr, nullptr));
    }
    EXPECT_EQ(tree.Root(), FolderPath());
}

}  // namespace
