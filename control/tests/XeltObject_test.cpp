// The item object: names, paths, attributes and a context-menu command of a real item.
#include "AutomationFixture.h"

#include <shlobj.h>

#include "CXeltObject.h"
#include "ItemIDList.h"

namespace {

class XeltObject : public AutomationTest
{
protected:
    IXeltObject* ItemOf(const std::wstring& name)
    {
        Held<IShellFolder> root(BindPath(tree.Root()));
        IXeltObject* object = nullptr;
        EXPECT_EQ(CXeltObject::Create(root.get(), ParseRelative(root.get(), name), &object), S_OK);
        return object;
    }
};

struct ItemCase
{
    const char* name;
    const wchar_t* item;
    bool folder;
};

class Item : public XeltObject, public ::testing::WithParamInterface<ItemCase>
{
};

TEST_P(Item, NamePathAndAttributes)
{
    Held<IXeltObject> object(ItemOf(GetParam().item));
    ASSERT_TRUE(object);
    BSTR name = nullptr, path = nullptr;
    ASSERT_EQ(object->get_Name(&name), S_OK);
    EXPECT_EQ(TakeText(name), GetParam().item);
    ASSERT_EQ(object->get_Path(&path), S_OK);
    EXPECT_EQ(TakeText(path), tree.PathOf(GetParam().item));

    LONG all = 0, display = 0;
    ASSERT_EQ(object->get_Attributes(AllAttributes, &all), S_OK);
    EXPECT_EQ((all & IsFolder) != 0, GetParam().folder);
    EXPECT_NE(all & IsFileSystem, 0);
    ASSERT_EQ(object->get_Attributes(DisplayAttributes, &display), S_OK);
    EXPECT_EQ(display & ~0xF0000, 0);

    VARIANT_BOOL isFolder = 1, isFileSystem = 0;
    ASSERT_EQ(object->get_Attribute(IsFolder, &isFolder), S_OK);
    EXPECT_EQ(isFolder, GetParam().folder ? VARIANT_TRUE : VARIANT_FALSE);
    ASSERT_EQ(object->get_Attribute(IsFileSystem, &isFileSystem), S_OK);
    EXPECT_EQ(isFileSystem, VARIANT_TRUE);
}

INSTANTIATE_TEST_SUITE_P(Tree, Item,
                         ::testing::Values(ItemCase{"File", L"Plain.txt", false},
                                           ItemCase{"FileWithSpaces", L"Name with spaces.txt", false},
                                           ItemCase{"Folder", L"Sub Folder", true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(XeltObject, WithoutFolderEveryPropertyIsEmpty)
{
    Held<IXeltObject> object;
    ASSERT_EQ(framework::CreateInstance<CXeltObject>(nullptr, IID_IXeltObject, object.outVoid()), S_OK);
    BSTR name = reinterpret_cast<BSTR>(1), path = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(object->get_Name(&name), S_OK);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(object->get_Path(&path), S_OK);
    EXPECT_EQ(path, nullptr);
    LONG attributes = 7;
    EXPECT_EQ(object->get_Attributes(AllAttributes, &attributes), S_OK);
    EXPECT_EQ(attributes, 0);
    VARIANT_BOOL set = VARIANT_TRUE;
    EXPECT_EQ(object->get_Attribute(IsFolder, &set), S_OK);
    EXPECT_EQ(set, VARIANT_FALSE);
    EXPECT_EQ(object->Command(nullptr), S_OK);
}

TEST_F(XeltObject, NullOutPointersAreRefused)
{
    Held<IXeltObject> object(ItemOf(L"Plain.txt"));
    EXPECT_EQ(object->get_Name(nullptr), E_POINTER);
    EXPECT_EQ(object->get_Path(nullptr), E_POINTER);
    EXPECT_EQ(object->get_Attributes(AllAttributes, nullptr), E_POINTER);
    EXPECT_EQ(object->get_Attribute(IsFolder, nullptr), E_POINTER);
    EXPECT_EQ(CXeltObject::Create(nullptr, nullptr, nullptr), E_POINTER);
    Held<IXeltObject> none;
    EXPECT_EQ(CXeltObject::Create(nullptr, nullptr, none.out()), S_OK);
    EXPECT_TRUE(none);
}

TEST_F(XeltObject, CommandRunsTheMenuItemOfThatTextAndAlwaysSucceeds)
{
    OleInitialize(nullptr);  // the shell's copy command goes through the OLE clipboard
    OleSetClipboard(nullptr);
    Held<IXeltObject> object(ItemOf(L"Plain.txt"));
    BSTR unknown = SysAllocString(L"No such command");
    EXPECT_EQ(object->Command(unknown), S_OK);
    SysFreeString(unknown);
    EXPECT_EQ(object->Command(nullptr), S_OK);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_HDROP));

    BSTR copy = SysAllocString(L"&Copy");
    EXPECT_EQ(object->Command(copy), S_OK);
    SysFreeString(copy);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
    OleSetClipboard(nullptr);
    OleUninitialize();
}

TEST_F(XeltObject, AnswersByNameWithTheDefaultMask)
{
    Held<IXeltObject> object(ItemOf(L"Sub Folder"));
    Variant attributes;
    ASSERT_EQ(InvokeByName(object.get(), L"Attributes", DISPATCH_PROPERTYGET, {}, &attributes.value), S_OK);
    ASSERT_EQ(V_VT(&attributes.value), VT_I4);
    LONG all = 0;
    object->get_Attributes(AllAttributes, &all);
    EXPECT_EQ(V_I4(&attributes.value), all);

    VARIANT isFolder;
    V_VT(&isFolder) = VT_I4;
    V_I4(&isFolder) = IsFolder;
    Variant answer;
    ASSERT_EQ(InvokeByName(object.get(), L"Attribute", DISPATCH_PROPERTYGET, {isFolder}, &answer.value), S_OK);
    EXPECT_EQ(V_VT(&answer.value), VT_BOOL);
    EXPECT_EQ(V_BOOL(&answer.value), VARIANT_TRUE);
    Variant name;
    ASSERT_EQ(InvokeByName(object.get(), L"Name", DISPATCH_PROPERTYGET, {}, &name.value), S_OK);
    EXPECT_STREQ(V_BSTR(&name.value), L"Sub Folder");
}

}  // namespace
