// The resources built into SORVANE.OCX, read back the way Windows reads them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "SorvaneLibrary.h"
#include "resource.h"

namespace {

class Resources : public ::testing::Test
{
protected:
    void SetUp() override
    {
        module = LoadLibraryExW(SorvaneLibrary::Path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    HMODULE module = nullptr;
};

TEST_F(Resources, StringsOfThePropertyPageAndTheSpecialFolderError)
{
    const std::pair<UINT, const wchar_t*> strings[] = {
        {IDS_TITLEFolderFlagsDialog, L"FolderFlags"},
        {IDS_HELPFILEFolderFlagsDialog, L"Help File Name"},
        {IDS_DOCSTRINGFolderFlagsDialog, L"FolderFlags Dialog"},
        {IDS_SPECIALFOLDERNOTFOUND, L"The special folder contant not found."},
    };
    for (const auto& [id, text] : strings)
    {
        wchar_t buffer[256] = {};
        EXPECT_GT(LoadStringW(module, id, buffer, 256), 0) << id;
        EXPECT_STREQ(buffer, text);
    }
}

TEST_F(Resources, TypeLibraryScriptsBitmapAndDialogArePresent)
{
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), L"TYPELIB"), nullptr);
    for (UINT script : {IDR_SORVANE, IDR_XELTFOLDER, IDR_XELTOBJECT, IDR_FOLDERFLAGSDIALOG, IDR_XELTOBJECTS})
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(script), L"REGISTRY"), nullptr) << script;
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(IDB_SORVANE), MAKEINTRESOURCEW(2)), nullptr);  // RT_BITMAP
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(IDD_FOLDERFLAGSDIALOG), MAKEINTRESOURCEW(5)),
              nullptr);  // RT_DIALOG
}

TEST_F(Resources, VersionBlock)
{
    const std::wstring path = SorvaneLibrary::Path();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000009u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000009u);

    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"FileDescription", L"Sorvane Control"},
        {L"FileVersion", L"1.00.009"},
        {L"InternalName", L"Sorvane"},
        {L"OriginalFilename", L"SORVANE.OCX"},
        {L"ProductName", L"Sorvane Control"},
        {L"ProductVersion", L"1.00.009"},
        {L"SpecialBuild", L"233"},
    };
    for (const auto& [name, text] : strings)
    {
        wchar_t* value = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) << name;
        EXPECT_STREQ(value, text);
    }
}

}  // namespace
