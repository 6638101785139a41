// The type library of SORVANE.OCX as a container reads it: registered, loaded through
// LoadRegTypeLib and walked through ITypeLib / ITypeInfo.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "SORVANE.h"
#include "SorvaneLibrary.h"
#include "framework/Held.h"

using framework::Held;

namespace {

constexpr USHORT in = PARAMFLAG_FIN, out = PARAMFLAG_FOUT, retval = PARAMFLAG_FRETVAL, opt = PARAMFLAG_FOPT,
                 hasDefault = PARAMFLAG_FHASDEFAULT, none = 0;
constexpr WORD hidden = FUNCFLAG_FHIDDEN, restricted = FUNCFLAG_FRESTRICTED;
constexpr INVOKEKIND method = INVOKE_FUNC, get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT,
                     putref = INVOKE_PROPERTYPUTREF;

struct Parameter
{
    const wchar_t* name;
    const wchar_t* type;
    USHORT flags;
    std::optional<LONG> defaultValue = std::nullopt;
};

struct Member
{
    const wchar_t* name;
    MEMBERID id;
    INVOKEKIND kind;
    WORD flags;
    std::vector<Parameter> parameters;
    const wchar_t* help;  // null: none
    DWORD context;
    const wchar_t* result = L"HRESULT";
};

struct InterfaceCase
{
    const wchar_t* name;
    const IID* iid;
    bool dual;
    const wchar_t* help;
    DWORD context;
    std::vector<Member> members;
};

const std::vector<InterfaceCase> interfaces = {
    {L"ISorvane",
     &IID_ISorvane,
     true,
     L"ISorvane Interface",
     0,
     {
         {L"ViewMode", 1, get, 0, {{L"pVal", L"ViewModeType*", out | retval}}, L"property ViewMode", 300},
         {L"ViewMode", 1, put, 0, {{L"value", L"ViewModeType", in}}, L"property ViewMode", 300},
         {L"ModifyFolderFlags",
          2,
          method,
          0,
          {{L"dwAdd", L"FolderFlagsEnum", in | opt | hasDefault, 0},
           {L"dwRemove", L"FolderFlagsEnum", in | opt | hasDefault, 0}},
          L"method ModifyFolderFlags",
          301},
         {L"ViewFolderFlags", 3, get, 0, {{L"pVal", L"long*", out | retval}}, L"property ViewFolderFlags", 302},
         {L"SpecialFolder",
          4,
          get,
          0,
          {{L"anSpecialFolder", L"SpecialFolderPathConstants", in}, {L"pVal", L"IXeltFolder**", out | retval}},
          L"property SpecialFolder",
          303},
         {L"BrowseFolder", 5, get, 0, {{L"pVal", L"VARIANT*", out | retval}}, L"property BrowseFolder", 304},
         {L"BrowseFolder", 5, put, 0, {{L"value", L"VARIANT", in}}, L"property BrowseFolder", 304},
         {L"IncludeObjectType",
          6,
          get,
          0,
          {{L"pVal", L"IncludeObjectEnum*", out | retval}},
          L"property IncludeObjectType",
          305},
         {L"IncludeObjectType", 6, put, 0, {{L"value", L"IncludeObjectEnum", in}}, L"property IncludeObjectType", 305},
         {L"UpOneLevel", 7, method, 0, {}, L"method UpOneLevel", 306},
         {L"FilePattern", 8, get, 0, {{L"pVal", L"BSTR*", out | retval}}, L"property FilePattern", 307},
         {L"FilePattern", 8, put, 0, {{L"value", L"BSTR", in}}, L"property FilePattern", 307},
         {L"MatchPattern",
          9,
          get,
          0,
          {{L"strPattern", L"BSTR", none}, {L"strWord", L"BSTR", none}, {L"pVal", L"VARIANT_BOOL*", out | retval}},
          L"property Match",
          308},
         {L"ShellFolder",
          10,
          get,
          0,
          {{L"anPath", L"VARIANT", none}, {L"pVal", L"IXeltFolder**", out | retval}},
          L"property ShellFolder",
          309},
         {L"_EnumObject",
          11,
          get,
          restricted | hidden,
          {{L"pVal", L"IXeltObject**", out | retval}},
          L"property _EnumObject",
          0},
         {L"Enabled", -514, get, 0, {{L"pVal", L"VARIANT_BOOL*", out | retval}}, L"property Enabled", 310},
         {L"Enabled", -514, put, 0, {{L"value", L"VARIANT_BOOL", in}}, L"property Enabled", 310},
         {L"Version", 12, get, 0, {{L"pVal", L"BSTR*", out | retval}}, L"property Version", 0},
         {L"Version", 12, put, 0, {{L"value", L"BSTR", in}}, L"property Version", 0},
         {L"Objects", 13, get, 0, {{L"pVal", L"IXeltObjects**", out | retval}}, L"property Objects", 311},
         {L"hWnd", -515, get, 0, {{L"phwnd", L"long*", out | retval}}, nullptr, 312},
         {L"Refresh", -550, method, 0, {}, L"method Refresh", 313},
         {L"Font", -512, put, 0, {{L"value", L"IFontDisp*", in}}, L"property Font", 0},
         {L"Font", -512, get, 0, {{L"ppFont", L"IFontDisp**", out | retval}}, L"property Font", 0},
         {L"Font", -512, putref, 0, {{L"value", L"IFontDisp*", in}}, L"property Font", 0},
     }},
    {L"IXeltFolder",
     &IID_IXeltFolder,
     true,
     L"IXeltFolder Interface",
     1,
     {
         {L"_Open",
          1,
          method,
          hidden,
          {{L"vPath", L"VARIANT", none}},
          L"method Open -  Receives as parameter a path or  special folder constant.",
          0},
         {L"_SetItemIDList",
          3,
          method,
          restricted | hidden,
          {{L"pItemIDList", L"long*", none}},
          L"method _SetItemIDList",
          0},
         {L"Path", 5, get, 0, {{L"pVal", L"BSTR*", out | retval}}, L"property Path", 201},
         {L"Name", 6, get, 0, {{L"pVal", L"BSTR*", out | retval}}, L"property DisplayName", 202},
         {L"ID", 4, get, 0, {{L"pVal", L"VARIANT*", out | retval}}, L"Retrieves the Folder's ITEMIDLIST", 203},
         {L"_GetItemIDList",
          2,
          method,
          restricted | hidden,
          {{L"pItemIDList", L"long**", none}},
          L"method _GetItemIDList",
          0},
     }},
    {L"IXeltObject",
     &IID_IXeltObject,
     true,
     L"IXeltObject Interface",
     1,
     {
         {L"Name",
          6,
          get,
          0,
          {{L"pVal", L"BSTR*", out | retval}},
          L"property Name - Return the name of object, relative to parent folder",
          203},
         {L"Path",
          5,
          get,
          0,
          {{L"pVal", L"BSTR*", out | retval}},
          L"property Path - Retrieve the full path of one object",
          204},
         {L"Attributes",
          7,
          get,
          0,
          {{L"dwMask", L"AttributesMask", in | opt | hasDefault, -1}, {L"pVal", L"long*", out | retval}},
          L"property Attributes - Retrieve the attributes of this object",
          205},
         {L"Attribute",
          8,
          get,
          0,
          {{L"anAttribute", L"AttributesEnum", in}, {L"pVal", L"VARIANT_BOOL*", out | retval}},
          L"property Attribute - Check if anAttribute is set for this object",
          206},
         {L"Command", 9, method, hidden, {{L"strCommandName", L"BSTR", none}}, L"method Command", 207},
     }},
    {L"IXeltObjects",
     &IID_IXeltObjects,
     true,
     L"IXeltObjects Interface",
     0,
     {
         {L"Get", 1, method, 0, {{L"objectType", L"ObjectTypeEnum", in | opt | hasDefault, 1}}, L"method Get", 0},
         {L"Count", 2, get, 0, {{L"pVal", L"long*", out | retval}}, L"property Count", 0},
         {L"Item",
          DISPID_VALUE,
          get,
          0,
          {{L"nIndex", L"long", in}, {L"pVal", L"IXeltObject**", out | retval}},
          L"property Item",
          0},
     }},
    {L"_ISorvaneEvents",
     &DIID__ISorvaneEvents,
     false,
     L"_ISorvaneEvents Interface",
     1,
     {
         {L"ObjectSelect", 2, method, 0, {{L"newObject", L"IXeltObject*", none}}, L"method ObjectSelected", 401},
         {L"BrowseFolderChange", 3, method, 0, {}, L"method BrowseFolderChanged", 402},
         {L"StateChange", 4, method, 0, {{L"newState", L"StatesEnum", none}}, L"method StateChanged", 403},
         {L"IncludeObject",
          5,
          method,
          0,
          {{L"anObject", L"IDispatch*", none}, {L"pbInclude", L"VARIANT_BOOL*", none}},
          L"method IncludeObject",
          404},
         {L"KeyPress", -603, method, 0, {{L"KeyAscii", L"short", none}}, L"KeyPress", 0, L"void"},
         {L"Click", -600, method, 0, {}, nullptr, 0, L"void"},
         {L"DblClick", -601, method, 0, {}, L"DblClick", 0, L"void"},
     }},
};

struct Constant
{
    const wchar_t* name;
    LONG value;
    const wchar_t* help;  // null: any text of one or two sentences
};

struct EnumCase
{
    const wchar_t* name;
    std::vector<Constant> constants;
};

const std::vector<EnumCase> enumerations = {
    {L"AttributesMask",
     {
         {L"AllAttributes", -1, L"All flags"},
         {L"CapabilityAttributes", 0x177, L"This flag is a mask for the capability flags"},
         {L"DisplayAttributes", 0xF0000, L"This flag is a mask for the display attributes"},
         {L"ContentsAttributes", LONG(0x80000000), L"This flag is a mask for the contents attributes"},
         {L"MiscellaneousAttributes", LONG(0xFFF00000), L"This flag is a mask for the Miscellaneous attributes"},
     }},
    {L"AttributesEnum",
     {
         {L"CanCopy", 0x1, L"The specified file objects or folders can be copied "},
         {L"CanMove", 0x2, L"The specified file objects or folders can be moved "},
         {L"CanLink", 0x4, L"It is possible to create shortcuts for the specified file objects or folders"},
         {L"CanRename", 0x10, L"The specified file objects or folders can be renamed"},
         {L"CanDelete", 0x20, L"The specified file objects or folders can be deleted"},
         {L"HasPropSheet", 0x40, L"The specified file objects or folders have property sheets "},
         {L"DropTarget", 0x100, L"The specified file objects or folders are drop targets"},
         {L"Shortcut", 0x10000, L"The specified file objects are shortcuts."},
         {L"Share", 0x20000, L"The specified folders are shared."},
         {L"ReadOnly", 0x40000, L"The specified file objects or folders are read-only"},
         {L"Hidden", 0x80000, L"The specified file objects are hidden"},
         {L"HasSubfolder", LONG(0x80000000), L"The specified folders have subfolders "},
         {L"IsFileSysAncestor", 0x10000000, L"The specified folders contain one or more file system folders"},
         {L"IsFolder", 0x20000000, L"The specified items are folders"},
         {L"IsFileSystem", 0x40000000, L"The specified folders or file objects are part of the file system "},
         {L"Validate", 0x1000000, L"Validate cached information"},
         {L"Removable", 0x2000000, L"The specified file objects or folders are on removable media"},
         {L"IsCompressed", 0x4000000, L"The specified items are compressed"},
         {L"IsBrowsable", 0x8000000, L"The specified items can be browsed in place"},
         {L"NonEnumerated", 0x100000, L"The items are nonenumerated items"},
         {L"NewContent", 0x200000, L"The objects contain new content"},
     }},
    {L"StatesEnum",
     {
         {L"SetFocusState", 0, L"The focus has been set to the view"},
         {L"KillFocusState", 1, L"The view has lost the focus"},
         {L"SelChangeState", 2, L"The selection has changed"},
         {L"RenameState", 3, L"An item has been renamed."},
     }},
    {L"ObjectTypeEnum",
     {
         {L"NoItems", 0, L"NoItems"},
         {L"SelectedItems", 1, L"SelectedItems"},
         {L"AllItems", 2, L"AllItems"},
     }},
    {L"ViewModeType",
     {
         {L"LargeIcons", 1, L"The view should display large icons"},
         {L"SmallIcon", 2, L"The view should display small icons"},
         {L"List", 3, L"Object names are displayed in a list view"},
         {L"Details", 4,
          L"Object names and other selected information, such as the size or date last updated, are shown"},
     }},
    {L"FolderFlagsEnum",
     {
         {L"NoFlag", 0, L"None"},
         {L"AutoArrange", 0x1, L"Automatically arrange the elements in the view"},
         {L"DesktopStyle", 0x20, L"Make the folder behave like the desktop"},
         {L"SingleSel", 0x40, L"Do not allow more than a single item to be selected"},
         {L"NoSubFolders", 0x80, L"Do not show subfolders"},
         {L"Transparent", 0x100, L"Draw transparently, This is used only for the desktop"},
         {L"NoClientEdge", 0x200, L"Do not add the WS_EX_CLIENTEDGE value to the view"},
         {L"NoScroll", 0x400, L"Do not add scroll bars. This is used only for the desktop"},
         {L"AlignLeft", 0x800, L"The view should be left-aligned"},
         {L"NoIcons", 0x1000, L"The view should not display icons"},
     }},
    {L"SpecialFolderPathConstants",
     {
         {L"Desktop", 0, nullptr},          {L"Internet", 1, nullptr},
         {L"Programs", 2, nullptr},         {L"ControlPanel", 3, nullptr},
         {L"Printers", 4, nullptr},         {L"Personal", 5, nullptr},
         {L"Favorites", 6, nullptr},        {L"Startup", 7, nullptr},
         {L"Recent", 8, nullptr},           {L"SendTo", 9, nullptr},
         {L"Recycled", 10, nullptr},        {L"StartMenu", 11, nullptr},
         {L"DesktopDir", 16, nullptr},      {L"MyComputer", 17, nullptr},
         {L"Network", 18, nullptr},         {L"NetHood", 19, nullptr},
         {L"Fonts", 20, nullptr},           {L"Templates", 21, nullptr},
         {L"CommonStartMenu", 22, nullptr}, {L"CommonPrograms", 23, nullptr},
         {L"CommonStartup", 24, nullptr},   {L"CommonDesktopDir", 25, nullptr},
         {L"AppData", 26, nullptr},         {L"PrintHood", 27, nullptr},
         {L"AltStartup", 29, nullptr},      {L"CommonAltStartup", 30, nullptr},
         {L"CommonFavorites", 31, nullptr}, {L"InternetCache", 32, nullptr},
         {L"Cookies", 33, nullptr},         {L"History", 34, nullptr},
     }},
    {L"IncludeObjectEnum",
     {
         {L"AllObjects", 0, L"Don't send the IncludeObject event."},
         {L"UserObjects", 1, L"Send the IncludeObject event, and let the user to choose."},
         {L"FoldersOnly", 2, L"Select only folders, and the send the IncludeObject event to let the user to choose."},
         {L"PatternObjects", 3, L"Select all folders, and choose only files that macthing with a given pattern."},
     }},
};

struct Implemented
{
    const wchar_t* name;
    INT flags;
};

struct CoclassCase
{
    const wchar_t* name;
    const CLSID* clsid;
    const wchar_t* help;
    DWORD context;
    std::vector<Implemented> interfaces;
};

const std::vector<CoclassCase> coclasses = {
    {L"Sorvane",
     &CLSID_Sorvane,
     L"Sorvane Class",
     1,
     {{L"ISorvane", IMPLTYPEFLAG_FDEFAULT}, {L"_ISorvaneEvents", IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}}},
    {L"XeltFolder", &CLSID_XeltFolder, L"XeltFolder Class", 1, {{L"IXeltFolder", IMPLTYPEFLAG_FDEFAULT}}},
    {L"XeltObject", &CLSID_XeltObject, L"XeltObject Class", 1, {{L"IXeltObject", IMPLTYPEFLAG_FDEFAULT}}},
    {L"FolderFlags", &CLSID_FolderFlags, L"FolderFlags Class", 1, {{L"IUnknown", IMPLTYPEFLAG_FDEFAULT}}},
    {L"XeltObjects", &CLSID_XeltObjects, L"XeltObjects Class", 0, {{L"IXeltObjects", IMPLTYPEFLAG_FDEFAULT}}},
};

const std::vector<std::pair<const wchar_t*, TYPEKIND>> typeOrder = {
    {L"_ISorvaneEvents", TKIND_DISPATCH}, {L"IXeltObject", TKIND_DISPATCH},
    {L"AttributesMask", TKIND_ENUM},      {L"AttributesEnum", TKIND_ENUM},
    {L"StatesEnum", TKIND_ENUM},          {L"IXeltObjects", TKIND_DISPATCH},
    {L"ObjectTypeEnum", TKIND_ENUM},      {L"Sorvane", TKIND_COCLASS},
    {L"ISorvane", TKIND_DISPATCH},        {L"ViewModeType", TKIND_ENUM},
    {L"FolderFlagsEnum", TKIND_ENUM},     {L"SpecialFolderPathConstants", TKIND_ENUM},
    {L"IXeltFolder", TKIND_DISPATCH},     {L"IncludeObjectEnum", TKIND_ENUM},
    {L"XeltFolder", TKIND_COCLASS},       {L"XeltObject", TKIND_COCLASS},
    {L"FolderFlags", TKIND_COCLASS},      {L"XeltObjects", TKIND_COCLASS},
};

// A BSTR owned for the scope of a check.
struct Text
{
    ~Text() { SysFreeString(value); }
    std::wstring Get() const { return value ? std::wstring(value, SysStringLen(value)) : std::wstring(); }
    BSTR value = nullptr;
};

std::wstring Name(ITypeInfo* info)
{
    Text name;
    info->GetDocumentation(MEMBERID_NIL, &name.value, nullptr, nullptr, nullptr);
    return name.Get();
}

std::wstring TypeName(ITypeInfo* owner, const TYPEDESC& type)
{
    switch (type.vt)
    {
    case VT_PTR:
        return TypeName(owner, *type.lptdesc) + L"*";
    case VT_USERDEFINED:
    {
        Held<ITypeInfo> referenced;
        if (FAILED(owner->GetRefTypeInfo(type.hreftype, referenced.out())))
            return L"?";
        return Name(referenced.get());
    }
    case VT_I4:
        return L"long";
    case VT_I2:
        return L"short";
    case VT_BSTR:
        return L"BSTR";
    case VT_VARIANT:
        return L"VARIANT";
    case VT_BOOL:
        return L"VARIANT_BOOL";
    case VT_DISPATCH:
        return L"IDispatch*";
    case VT_UNKNOWN:
        return L"IUnknown*";
    case VT_HRESULT:
        return L"HRESULT";
    case VT_VOID:
        return L"void";
    default:
        return L"vt " + std::to_wstring(type.vt);
    }
}

class TypeLibrary : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        apartment = new ComApartment;
        library = new SorvaneLibrary;
        ASSERT_EQ(library->DllRegisterServer(), S_OK);
        ASSERT_EQ(LoadRegTypeLib(LIBID_SORVANELib, 1, 0, 0x409, typeLibrary.out()), S_OK);
    }

    static void TearDownTestSuite()
    {
        typeLibrary.reset();
        library->DllUnregisterServer();
        delete library;
        delete apartment;
    }

    static Held<ITypeInfo> InfoOf(REFGUID guid)
    {
        Held<ITypeInfo> info;
        EXPECT_EQ(typeLibrary->GetTypeInfoOfGuid(guid, info.out()), S_OK);
        return info;
    }

    static ComApartment* apartment;
    static SorvaneLibrary* library;
    static Held<ITypeLib> typeLibrary;
};

ComApartment* TypeLibrary::apartment = nullptr;
SorvaneLibrary* TypeLibrary::library = nullptr;
Held<ITypeLib> TypeLibrary::typeLibrary;

TEST_F(TypeLibrary, LibraryAttributes)
{
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(typeLibrary->GetLibAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->guid, LIBID_SORVANELib);
    EXPECT_EQ(attributes->lcid, 0x409u);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    typeLibrary->ReleaseTLibAttr(attributes);

    Text name, help, helpFile;
    DWORD context = 0;
    ASSERT_EQ(typeLibrary->GetDocumentation(-1, &name.value, &help.value, &context, &helpFile.value), S_OK);
    EXPECT_EQ(name.Get(), L"SORVANELib");
    EXPECT_EQ(help.Get(), L"Tesmar Sorvane ActiveX Control");
    EXPECT_EQ(context, 1u);
    const std::wstring file = helpFile.Get();
    EXPECT_EQ(file.substr(file.find_last_of(L'\\') + 1), L"SORVANE.HLP") << file;
}

TEST_F(TypeLibrary, TypeDescriptionsComeInOrder)
{
    std::vector<std::pair<std::wstring, TYPEKIND>> found;
    for (UINT index = 0; index < typeLibrary->GetTypeInfoCount(); ++index)
    {
        Held<ITypeInfo> info;
        ASSERT_EQ(typeLibrary->GetTypeInfo(index, info.out()), S_OK);
        TYPEKIND kind = TKIND_MAX;
        typeLibrary->GetTypeInfoType(index, &kind);
        found.emplace_back(Name(info.get()), kind);
    }
    std::vector<std::pair<std::wstring, TYPEKIND>> expected(typeOrder.begin(), typeOrder.end());
    EXPECT_EQ(found, expected);
}

TEST_F(TypeLibrary, EveryInterfaceMemberParameterAndHelpText)
{
    for (const InterfaceCase& c : interfaces)
    {
        SCOPED_TRACE(c.name);
        Held<ITypeInfo> info = InfoOf(*c.iid);
        ASSERT_TRUE(info);
        TYPEATTR* attributes = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
        EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
        EXPECT_EQ(attributes->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE),
                  c.dual ? TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE : 0);
        info->ReleaseTypeAttr(attributes);

        Text name, help;
        DWORD context = 99;
        ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name.value, &help.value, &context, nullptr), S_OK);
        EXPECT_EQ(name.Get(), c.name);
        EXPECT_EQ(help.Get(), c.help);
        EXPECT_EQ(context, c.context);

        // A dual interface's members in vtable order are those of its interface half.
        Held<ITypeInfo> interfaceHalf;
        ITypeInfo* members = info.get();
        if (c.dual)
        {
            HREFTYPE vtable = 0;
            ASSERT_EQ(info->GetRefTypeOfImplType(-1, &vtable), S_OK);
            ASSERT_EQ(info->GetRefTypeInfo(vtable, interfaceHalf.out()), S_OK);
            members = interfaceHalf.get();
            ASSERT_EQ(members->GetTypeAttr(&attributes), S_OK);
            EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
            const WORD dualFlags = TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FNONEXTENSIBLE;
            EXPECT_EQ(attributes->wTypeFlags & dualFlags, dualFlags);
            ASSERT_EQ(attributes->cImplTypes, 1);
            EXPECT_EQ(attributes->cFuncs, c.members.size());
            members->ReleaseTypeAttr(attributes);
            HREFTYPE baseType = 0;
            Held<ITypeInfo> base;
            ASSERT_EQ(members->GetRefTypeOfImplType(0, &baseType), S_OK);
            ASSERT_EQ(members->GetRefTypeInfo(baseType, base.out()), S_OK);
            EXPECT_EQ(Name(base.get()), L"IDispatch");
        }

        SHORT lastSlot = -1;
        std::vector<MEMBERID> named;
        for (size_t index = 0; index < c.members.size(); ++index)
        {
            const Member& m = c.members[index];
            SCOPED_TRACE(std::wstring(m.name) + L" " + std::to_wstring(m.kind));
            FUNCDESC* function = nullptr;
            ASSERT_EQ(members->GetFuncDesc(static_cast<UINT>(index), &function), S_OK);
            EXPECT_EQ(function->memid, m.id);
            EXPECT_EQ(function->invkind, m.kind);
            EXPECT_EQ(function->wFuncFlags, m.flags);
            EXPECT_EQ(TypeName(members, function->elemdescFunc.tdesc), c.dual ? L"HRESULT" : m.result);
            if (c.dual)
            {
                EXPECT_GT(function->oVft, lastSlot);
                lastSlot = function->oVft;
            }
            ASSERT_EQ(static_cast<size_t>(function->cParams), m.parameters.size());

            BSTR names[8] = {};
            UINT nameCount = 0;
            ASSERT_EQ(members->GetNames(m.id, names, 8, &nameCount), S_OK);
            EXPECT_STREQ(names[0], m.name);
            // Members sharing a memid (a property's get, put and putref) show the names of the
            // first one, and a put's value has no name of its own.
            const bool namesOfThisMember = std::find(named.begin(), named.end(), m.id) == named.end();
            named.push_back(m.id);
            for (size_t p = 0; p < m.parameters.size(); ++p)
            {
                const Parameter& expected = m.parameters[p];
                SCOPED_TRACE(expected.name);
                const ELEMDESC& element = function->lprgelemdescParam[p];
                EXPECT_EQ(TypeName(members, element.tdesc), expected.type);
                EXPECT_EQ(element.paramdesc.wParamFlags, expected.flags);
                if (namesOfThisMember && m.kind != put && m.kind != putref)
                {
                    ASSERT_LT(p + 1, nameCount);
                    EXPECT_STREQ(names[p + 1], expected.name);
                }
                if (expected.defaultValue)
                {
                    ASSERT_NE(element.paramdesc.pparamdescex, nullptr);
                    VARIANT value;
                    VariantInit(&value);
                    ASSERT_EQ(VariantChangeType(&value, &element.paramdesc.pparamdescex->varDefaultValue, 0, VT_I4),
                              S_OK);
                    EXPECT_EQ(V_I4(&value), *expected.defaultValue);
                }
            }
            for (UINT n = 0; n < nameCount; ++n)
                SysFreeString(names[n]);

            Text help2;
            DWORD memberContext = 99;
            ASSERT_EQ(members->GetDocumentation(m.id, nullptr, &help2.value, &memberContext, nullptr), S_OK);
            if (m.help)
                EXPECT_EQ(help2.Get(), m.help);
            else
                EXPECT_EQ(help2.value, nullptr);
            EXPECT_EQ(memberContext, m.context);
            members->ReleaseFuncDesc(function);
        }
    }
}

TEST_F(TypeLibrary, EveryEnumerationConstantWithItsValueAndHelpString)
{
    for (const EnumCase& e : enumerations)
    {
        SCOPED_TRACE(e.name);
        Held<ITypeInfo> info;
        MEMBERID id = 0;
        USHORT found = 1;
        std::wstring searched = e.name;
        ASSERT_EQ(typeLibrary->FindName(searched.data(), 0, info.out(), &id, &found), S_OK);
        ASSERT_EQ(found, 1);
        TYPEATTR* attributes = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
        EXPECT_EQ(attributes->typekind, TKIND_ENUM);
        ASSERT_EQ(attributes->cVars, e.constants.size());
        info->ReleaseTypeAttr(attributes);
        for (size_t index = 0; index < e.constants.size(); ++index)
        {
            const Constant& c = e.constants[index];
            SCOPED_TRACE(c.name);
            VARDESC* variable = nullptr;
            ASSERT_EQ(info->GetVarDesc(static_cast<UINT>(index), &variable), S_OK);
            EXPECT_EQ(variable->varkind, VAR_CONST);
            VARIANT value;
            VariantInit(&value);
            ASSERT_EQ(VariantChangeType(&value, variable->lpvarValue, 0, VT_I4), S_OK);
            EXPECT_EQ(V_I4(&value), c.value);
            Text name, help;
            ASSERT_EQ(info->GetDocumentation(variable->memid, &name.value, &help.value, nullptr, nullptr), S_OK);
            EXPECT_EQ(name.Get(), c.name);
            if (c.help)
                EXPECT_EQ(help.Get(), c.help);
            else
                EXPECT_FALSE(help.Get().empty());
            info->ReleaseVarDesc(variable);
        }
    }
}

TEST_F(TypeLibrary, EveryCoclassWithItsDefaultAndSourceInterfaces)
{
    for (const CoclassCase& c : coclasses)
    {
        SCOPED_TRACE(c.name);
        Held<ITypeInfo> info = InfoOf(*c.clsid);
        ASSERT_TRUE(info);
        TYPEATTR* attributes = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
        EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
        EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FCANCREATE);
        ASSERT_EQ(attributes->cImplTypes, c.interfaces.size());
        info->ReleaseTypeAttr(attributes);
        Text name, help;
        DWORD context = 99;
        ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name.value, &help.value, &context, nullptr), S_OK);
        EXPECT_EQ(name.Get(), c.name);
        EXPECT_EQ(help.Get(), c.help);
        EXPECT_EQ(context, c.context);
        for (size_t index = 0; index < c.interfaces.size(); ++index)
        {
            HREFTYPE reference = 0;
            Held<ITypeInfo> implemented;
            ASSERT_EQ(info->GetRefTypeOfImplType(static_cast<UINT>(index), &reference), S_OK);
            ASSERT_EQ(info->GetRefTypeInfo(reference, implemented.out()), S_OK);
            EXPECT_EQ(Name(implemented.get()), c.interfaces[index].name);
            INT flags = 0;
            ASSERT_EQ(info->GetImplTypeFlags(static_cast<UINT>(index), &flags), S_OK);
            EXPECT_EQ(flags, c.interfaces[index].flags);
        }
    }
}

}  // namespace
