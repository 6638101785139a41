// Registration of SORVANE.OCX read back from the registry, through Wine's regsvr32 and
// through the entry points themselves.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "RegistryReader.h"
#include "SORVANE.h"
#include "SorvaneLibrary.h"

namespace {

constexpr const wchar_t* noValue = L"\x1";  // the key exists and has no default value

struct ExpectedValue
{
    std::wstring key;
    const wchar_t* name;  // null: the default value
    std::wstring value;  // noValue: only the key must exist
};

struct RegisteredClass
{
    const CLSID* clsid;
    std::wstring versionedProgId;
    std::wstring progId;
    std::wstring displayName;
};

const std::vector<RegisteredClass> classes = {
    {&CLSID_Sorvane, L"Sorvane.Sorvane.1", L"Sorvane.Sorvane", L"Tesmar Sorvane Control"},
    {&CLSID_XeltFolder, L"Marrowin.XeltFolder.1", L"Marrowin.XeltFolder", L"XeltFolder Class"},
    {&CLSID_XeltObject, L"Marrowin.XeltObject.1", L"Marrowin.XeltObject", L"XeltObject Class"},
    {&CLSID_FolderFlags, L"Marrowin.FolderFlags.1", L"Marrowin.FolderFlags", L"FolderFlags Class"},
    {&CLSID_XeltObjects, L"Sorvane.XeltObjects.1", L"Sorvane.XeltObjects", L"XeltObjects Class"},
};

std::wstring ClassKey(const RegisteredClass& c)
{
    return L"CLSID\\" + GuidText(*c.clsid);
}

// Every key and value that registering writes, class by class.
std::vector<ExpectedValue> ExpectedValues(const std::wstring& module)
{
    const std::wstring libraryId = GuidText(LIBID_SORVANELib);
    std::vector<ExpectedValue> values;
    for (const RegisteredClass& c : classes)
    {
        const std::wstring clsid = GuidText(*c.clsid);
        const std::wstring key = ClassKey(c);
        values.insert(values.end(), {
                                        {c.versionedProgId, nullptr, c.displayName},
                                        {c.versionedProgId + L"\\CLSID", nullptr, clsid},
                                        {c.progId, nullptr, c.displayName},
                                        {c.progId + L"\\CLSID", nullptr, clsid},
                                        {c.progId + L"\\CurVer", nullptr, c.versionedProgId},
                                        {key, nullptr, c.displayName},
                                        {key + L"\\Programmable", nullptr, noValue},
                                        {key + L"\\InprocServer32", nullptr, module},
                                        {key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
                                    });
        if (c.clsid != &CLSID_FolderFlags)
        {
            values.insert(values.end(), {
                                            {key + L"\\ProgID", nullptr, c.versionedProgId},
                                            {key + L"\\VersionIndependentProgID", nullptr, c.progId},
                                            {key + L"\\TypeLib", nullptr, libraryId},
                                        });
        }
    }
    const std::wstring control = ClassKey(classes[0]);
    values.insert(values.end(), {
                                    {control + L"\\Control", nullptr, noValue},
                                    {control + L"\\Insertable", nullptr, noValue},
                                    {control + L"\\ToolboxBitmap32", nullptr, module + L", 101"},
                                    {control + L"\\MiscStatus", nullptr, L"0"},
                                    {control + L"\\MiscStatus\\1", nullptr, L"131473"},
                                    {control + L"\\Version", nullptr, L"1.0"},
                                    {control + L"\\Verb\\0", nullptr, L"&Properties...,0,2"},
                                });
    return values;
}

// Keys the scripts do not write: the property page has no ProgID, no TypeLib subkey.
const std::vector<std::wstring> absentKeys = {
    L"CLSID\\" + GuidText(CLSID_FolderFlags) + L"\\ProgID",
    L"CLSID\\" + GuidText(CLSID_FolderFlags) + L"\\VersionIndependentProgID",
    L"CLSID\\" + GuidText(CLSID_FolderFlags) + L"\\TypeLib",
};

std::wstring TypeLibraryKey()
{
    return L"TypeLib\\" + GuidText(LIBID_SORVANELib) + L"\\1.0";
}

// Runs Wine's regsvr32 silently on the OCX; its exit code.
DWORD RunRegsvr32(bool unregister)
{
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(system) + L"\\regsvr32.exe\" /s " + (unregister ? L"/u " : L"") +
                           L"\"" + SorvaneLibrary::Path() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError();
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

class Registration : public ::testing::Test
{
protected:
    void SetUp() override { library.DllUnregisterServer(); }
    void TearDown() override { library.DllUnregisterServer(); }

    void ExpectRegistered()
    {
        for (const ExpectedValue& expected : ExpectedValues(SorvaneLibrary::Path()))
        {
            SCOPED_TRACE(expected.key + L" " + (expected.name ? expected.name : L"(default)"));
            if (expected.value == noValue)
            {
                EXPECT_TRUE(KeyExists(expected.key));
                EXPECT_FALSE(TextValue(expected.key).has_value());
                continue;
            }
            const std::optional<std::wstring> value = TextValue(expected.key, expected.name);
            ASSERT_TRUE(value.has_value());
            if (expected.value == SorvaneLibrary::Path() || expected.value == SorvaneLibrary::Path() + L", 101")
                EXPECT_TRUE(SameText(*value, expected.value)) << *value;
            else
                EXPECT_EQ(*value, expected.value);
        }
        for (const std::wstring& key : absentKeys)
            EXPECT_FALSE(KeyExists(key)) << key;
        const std::optional<std::wstring> typeLibrary = TextValue(TypeLibraryKey() + L"\\409\\win64");
        ASSERT_TRUE(typeLibrary.has_value());
        EXPECT_TRUE(SameText(*typeLibrary, SorvaneLibrary::Path())) << *typeLibrary;
    }

    void ExpectUnregistered()
    {
        for (const RegisteredClass& c : classes)
        {
            EXPECT_FALSE(KeyExists(c.versionedProgId)) << c.versionedProgId;
            EXPECT_FALSE(KeyExists(c.progId)) << c.progId;
            EXPECT_FALSE(KeyExists(ClassKey(c))) << ClassKey(c);
        }
        EXPECT_TRUE(KeyExists(L"CLSID"));
        EXPECT_FALSE(KeyExists(TypeLibraryKey()));
    }

    std::map<std::wstring, std::wstring> SnapshotOfEveryKey()
    {
        std::map<std::wstring, std::wstring> all;
        for (const RegisteredClass& c : classes)
            for (const std::wstring& key : {c.versionedProgId, c.progId, ClassKey(c)})
                all.merge(Snapshot(key));
        return all;
    }

    ComApartment apartment;
    SorvaneLibrary library;
};

TEST_F(Registration, Regsvr32RegistersEveryScriptAndTheTypeLibrary)
{
    ASSERT_EQ(RunRegsvr32(false), 0u);
    ExpectRegistered();
}

TEST_F(Registration, Regsvr32UnregisterRemovesEveryClassButKeepsClsid)
{
    ASSERT_EQ(RunRegsvr32(false), 0u);
    ASSERT_EQ(RunRegsvr32(true), 0u);
    ExpectUnregistered();
}

TEST_F(Registration, DllRegisterServerWritesEveryScriptAndTheTypeLibrary)
{
    ASSERT_EQ(library.DllRegisterServer(), S_OK);
    ExpectRegistered();
}

TEST_F(Registration, RegisteringTwiceLeavesTheSameKeysAsOnce)
{
    ASSERT_EQ(library.DllRegisterServer(), S_OK);
    const auto once = SnapshotOfEveryKey();
    ASSERT_EQ(library.DllRegisterServer(), S_OK);
    EXPECT_EQ(SnapshotOfEveryKey(), once);
}

TEST_F(Registration, RegisteringAgainRewritesForceRemoveKeys)
{
    ASSERT_EQ(library.DllRegisterServer(), S_OK);
    const auto once = SnapshotOfEveryKey();
    const std::wstring stray = ClassKey(classes[0]) + L"\\Control\\Stray";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, stray.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_EQ(library.DllRegisterServer(), S_OK);
    EXPECT_FALSE(KeyExists(stray));
    EXPECT_EQ(SnapshotOfEveryKey(), once);
}

TEST_F(Registration, DllUnregisterServerRemovesEveryClassButKeepsClsid)
{
    ASSERT_EQ(library.DllRegisterServer(), S_OK);
    ASSERT_EQ(library.DllUnregisterServer(), S_OK);
    ExpectUnregistered();
}

}  // namespace
