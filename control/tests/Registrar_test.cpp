// The registrar's script language, run against HKEY_CLASSES_ROOT on keys of its own.
#include <gtest/gtest.h>

#include "RegistryReader.h"
#include "framework/Registrar.h"

namespace {

const std::wstring module = L"C:\\Program Files\\It's here\\SORVANE.OCX";

const std::string script = R"(
HKCR
{
    Registrar.Test = s 'Display ''name'''
    {
        CLSID = s '{00000000-0000-0000-0000-000000000001}'
        Module = s '%MODULE%, 101'
    }
    NoRemove Registrar.Kept
    {
        ForceRemove 'Forced {key}' = s 'forced'
        {
            val Named = s 'value'
            Empty
        }
    }
}
)";

class Registrar : public ::testing::Test
{
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Registrar.Test");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Registrar.Kept");
    }
};

TEST_F(Registrar, RegisteringWritesKeysDefaultAndNamedValues)
{
    ASSERT_EQ(framework::RunRegistryScript(script, module, true), S_OK);
    EXPECT_EQ(TextValue(L"Registrar.Test"), L"Display 'name'");
    EXPECT_EQ(TextValue(L"Registrar.Test\\CLSID"), L"{00000000-0000-0000-0000-000000000001}");
    EXPECT_EQ(TextValue(L"Registrar.Test\\Module"), module + L", 101");
    EXPECT_EQ(TextValue(L"Registrar.Kept\\Forced {key}"), L"forced");
    EXPECT_EQ(TextValue(L"Registrar.Kept\\Forced {key}", L"Named"), L"value");
    EXPECT_TRUE(KeyExists(L"Registrar.Kept\\Forced {key}\\Empty"));
    EXPECT_FALSE(TextValue(L"Registrar.Kept\\Forced {key}\\Empty").has_value());
}

TEST_F(Registrar, ForceRemoveKeyLosesEverythingNotInTheScript)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"Registrar.Kept\\Forced {key}\\Stray", 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(framework::RunRegistryScript(script, module, true), S_OK);
    EXPECT_FALSE(KeyExists(L"Registrar.Kept\\Forced {key}\\Stray"));
    EXPECT_TRUE(KeyExists(L"Registrar.Kept\\Forced {key}\\Empty"));
}

TEST_F(Registrar, UnregisteringDeletesEveryKeyButNoRemoveOnes)
{
    ASSERT_EQ(framework::RunRegistryScript(script, module, true), S_OK);
    ASSERT_EQ(framework::RunRegistryScript(script, module, false), S_OK);
    EXPECT_FALSE(KeyExists(L"Registrar.Test"));
    EXPECT_FALSE(KeyExists(L"Registrar.Kept\\Forced {key}"));
    EXPECT_TRUE(KeyExists(L"Registrar.Kept"));
    // Nothing left to delete is no failure.
    EXPECT_EQ(framework::RunRegistryScript(script, module, false), S_OK);
}

TEST_F(Registrar, MalformedScriptsChangeNothingAndFail)
{
    const char* malformed[] = {
        "",
        "HKLM { Registrar.Test }",
        "HKCR { Registrar.Test = s 'open }",
        "HKCR { Registrar.Test = d '1' }",
        "HKCR { Registrar.Test { val = s 'x' } }",
        "HKCR { Registrar.Test",
        "HKCR { Registrar.Test } trailing",
    };
    for (const char* text : malformed)
    {
        EXPECT_EQ(framework::RunRegistryScript(text, module, true), HRESULT_FROM_WIN32(ERROR_INVALID_DATA)) << text;
        EXPECT_FALSE(KeyExists(L"Registrar.Test")) << text;
    }
}

}  // namespace
