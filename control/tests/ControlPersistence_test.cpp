// The control's persisted stream: its layout, a round trip, versions and short streams.
#include <gtest/gtest.h>

#include <windows.h>
#include <olectl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "AutomationFixture.h"
#include "ControlHost.h"

namespace {

std::vector<BYTE> BytesOf(IStream* stream)
{
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    STATSTG status = {};
    stream->Stat(&status, STATFLAG_NONAME);
    const auto* data = static_cast<const BYTE*>(GlobalLock(memory));
    std::vector<BYTE> bytes(data, data + status.cbSize.QuadPart);
    GlobalUnlock(memory);
    return bytes;
}

IStream* StreamOf(const std::vector<BYTE>& bytes)
{
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream;
}

template <class T>
T Read(const std::vector<BYTE>& bytes, size_t& at)
{
    T value{};
    if (at + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + at, sizeof value);
    at += sizeof value;
    return value;
}

class ControlPersistence : public ControlTest
{
protected:
    std::vector<BYTE> Saved(ISorvane* of)
    {
        Held<IPersistStreamInit> persist;
        of->QueryInterface(IID_IPersistStreamInit, persist.outVoid());
        Held<IStream> stream;
        CreateStreamOnHGlobal(nullptr, TRUE, stream.out());
        EXPECT_EQ(S_OK, persist->Save(stream.get(), TRUE));
        return BytesOf(stream.get());
    }

    HRESULT LoadInto(ISorvane* into, const std::vector<BYTE>& bytes)
    {
        Held<IPersistStreamInit> persist;
        into->QueryInterface(IID_IPersistStreamInit, persist.outVoid());
        Held<IStream> stream(StreamOf(bytes));
        return persist->Load(stream.get());
    }

    HRESULT IsDirty(ISorvane* of)
    {
        Held<IPersistStreamInit> persist;
        of->QueryInterface(IID_IPersistStreamInit, persist.outVoid());
        return persist->IsDirty();
    }
};

TEST_F(ControlPersistence, DefaultStreamHasTheFieldsInOrder)
{
    control->putref_Font(nullptr);
    const std::vector<BYTE> bytes = Saved(control.get());
    size_t at = 0;
    EXPECT_EQ(0x0300u, Read<DWORD>(bytes, at));
    EXPECT_EQ(5080, Read<LONG>(bytes, at));
    EXPECT_EQ(5080, Read<LONG>(bytes, at));
    EXPECT_EQ(VT_I4, Read<VARTYPE>(bytes, at));
    EXPECT_EQ(Details, Read<LONG>(bytes, at));
    EXPECT_EQ(VT_I4, Read<VARTYPE>(bytes, at));
    EXPECT_EQ(AllObjects, Read<LONG>(bytes, at));
    EXPECT_EQ(VT_BSTR, Read<VARTYPE>(bytes, at));
    ASSERT_EQ(8u, Read<ULONG>(bytes, at));  // "*.*" and its terminator
    EXPECT_EQ(0, std::memcmp(bytes.data() + at, L"*.*", 8));
    at += 8;
    EXPECT_EQ(VT_BOOL, Read<VARTYPE>(bytes, at));
    EXPECT_EQ(0xFFFF, Read<WORD>(bytes, at));
    EXPECT_EQ(VT_DISPATCH, Read<VARTYPE>(bytes, at));
    EXPECT_EQ(CLSID_NULL, Read<CLSID>(bytes, at));  // no font
    EXPECT_EQ(VT_I4, Read<VARTYPE>(bytes, at));
    EXPECT_EQ(0x40, Read<LONG>(bytes, at));
    EXPECT_EQ(bytes.size(), at);
}

TEST_F(ControlPersistence, NoPatternIsSavedAsTheEmptyText)
{
    control->put_FilePattern(nullptr);
    control->putref_Font(nullptr);
    const std::vector<BYTE> bytes = Saved(control.get());
    size_t at = 4 + 8 + 6 + 6;
    EXPECT_EQ(VT_BSTR, Read<VARTYPE>(bytes, at));
    EXPECT_EQ(2u, Read<ULONG>(bytes, at));
    EXPECT_EQ(0, Read<WCHAR>(bytes, at));
    EXPECT_EQ(VT_BOOL, Read<VARTYPE>(bytes, at));
}

TEST_F(ControlPersistence, EveryPropertySurvivesARoundTrip)
{
    control->put_ViewMode(SmallIcon);
    control->put_IncludeObjectType(PatternObjects);
    BSTR pattern = SysAllocString(L"*.txt");
    control->put_FilePattern(pattern);
    SysFreeString(pattern);
    control->put_Enabled(VARIANT_FALSE);
    control->ModifyFolderFlags(static_cast<FolderFlagsEnum>(AutoArrange | NoIcons), SingleSel);
    Held<IOleObject> object(Query<IOleObject>(IID_IOleObject));
    SIZEL size = {1000, 2000};
    object->SetExtent(DVASPECT_CONTENT, &size);
    FONTDESC description = {sizeof description,
                            const_cast<LPOLESTR>(L"Courier New"),
                            {{120000, 0}},
                            700,
                            DEFAULT_CHARSET,
                            FALSE,
                            FALSE,
                            FALSE};
    Held<IFontDisp> font;
    OleCreateFontIndirect(&description, IID_IFontDisp, font.outVoid());
    control->put_Font(font.get());
    // The size a font reports follows the face the machine has for it: compare like with like.
    Held<IFont> putFont;
    font->QueryInterface(IID_IFont, putFont.outVoid());
    CY putPoints = {};
    putFont->get_Size(&putPoints);

    const std::vector<BYTE> bytes = Saved(control.get());
    Held<ISorvane> copy(NewControl(library));
    EXPECT_EQ(S_OK, IsDirty(copy.get()));
    ASSERT_EQ(S_OK, LoadInto(copy.get(), bytes));
    EXPECT_EQ(S_FALSE, IsDirty(copy.get()));

    ViewModeType mode{};
    copy->get_ViewMode(&mode);
    EXPECT_EQ(SmallIcon, mode);
    IncludeObjectEnum include{};
    copy->get_IncludeObjectType(&include);
    EXPECT_EQ(PatternObjects, include);
    BSTR loaded = nullptr;
    copy->get_FilePattern(&loaded);
    EXPECT_EQ(L"*.txt", TakeText(loaded));
    VARIANT_BOOL enabled = VARIANT_TRUE;
    copy->get_Enabled(&enabled);
    EXPECT_EQ(VARIANT_FALSE, enabled);
    LONG flags = 0;
    copy->get_ViewFolderFlags(&flags);
    EXPECT_EQ(AutoArrange | NoIcons, flags);
    Held<IOleObject> copyObject;
    copy->QueryInterface(IID_IOleObject, copyObject.outVoid());
    SIZEL extent = {};
    copyObject->GetExtent(DVASPECT_CONTENT, &extent);
    EXPECT_EQ(1000, extent.cx);
    EXPECT_EQ(2000, extent.cy);
    Held<IFontDisp> loadedFont;
    copy->get_Font(loadedFont.out());
    ASSERT_TRUE(loadedFont);
    Held<IFont> described;
    loadedFont->QueryInterface(IID_IFont, described.outVoid());
    CY points = {};
    described->get_Size(&points);
    EXPECT_EQ(putPoints.int64, points.int64);
    BOOL bold = FALSE;
    described->get_Bold(&bold);
    EXPECT_TRUE(bold);

    // Saved again, the fields around the font's own data come out the same.
    const std::vector<BYTE> again = Saved(copy.get());
    const size_t beforeFont = 4 + 8 + 6 + 6 + (2 + 4 + 12) + 4 + 2;
    ASSERT_GT(again.size(), beforeFont + 6);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + beforeFont, again.begin()));
    EXPECT_TRUE(std::equal(bytes.end() - 6, bytes.end(), again.end() - 6));
}

TEST_F(ControlPersistence, NullFontLoadsAsNoFont)
{
    control->putref_Font(nullptr);
    const std::vector<BYTE> bytes = Saved(control.get());
    Held<ISorvane> copy(NewControl(library));
    ASSERT_EQ(S_OK, LoadInto(copy.get(), bytes));
    IFontDisp* font = reinterpret_cast<IFontDisp*>(1);
    copy->get_Font(&font);
    EXPECT_EQ(nullptr, font);
    EXPECT_EQ(S_FALSE, IsDirty(copy.get()));
}

TEST_F(ControlPersistence, NewerVersionLoadsNothingAndStillAnswersOk)
{
    control->put_ViewMode(List);
    std::vector<BYTE> bytes = Saved(control.get());
    bytes[0] = 0x01;  // version 0x301
    Held<ISorvane> copy(NewControl(library));
    EXPECT_EQ(S_OK, LoadInto(copy.get(), bytes));
    ViewModeType mode{};
    copy->get_ViewMode(&mode);
    EXPECT_EQ(Details, mode);
    EXPECT_EQ(S_OK, IsDirty(copy.get()));  // nothing was loaded
}

TEST_F(ControlPersistence, ShortStreamKeepsWhatWasReadBeforeTheEnd)
{
    control->put_ViewMode(LargeIcons);
    control->ModifyFolderFlags(NoFlag, SingleSel);
    std::vector<BYTE> bytes = Saved(control.get());
    bytes.resize(4 + 8 + 6 + 3);  // ends inside IncludeObjectType
    Held<ISorvane> copy(NewControl(library));
    EXPECT_EQ(S_OK, LoadInto(copy.get(), bytes));
    ViewModeType mode{};
    copy->get_ViewMode(&mode);
    EXPECT_EQ(LargeIcons, mode);
    LONG flags = 0;
    copy->get_ViewFolderFlags(&flags);
    EXPECT_EQ(0x40, flags);  // the folder flags come only after a whole map
    EXPECT_EQ(S_OK, IsDirty(copy.get()));
}

TEST_F(ControlPersistence, StreamWithoutFolderFlagsKeepsTheStoredFlags)
{
    control->ModifyFolderFlags(AutoArrange, NoFlag);
    std::vector<BYTE> bytes = Saved(control.get());
    bytes.resize(bytes.size() - 6);
    Held<ISorvane> copy(NewControl(library));
    EXPECT_EQ(S_OK, LoadInto(copy.get(), bytes));
    LONG flags = 0;
    copy->get_ViewFolderFlags(&flags);
    EXPECT_EQ(0x40, flags);
    EXPECT_EQ(S_FALSE, IsDirty(copy.get()));
}

TEST_F(ControlPersistence, InitNewKeepsTheDefaults)
{
    Held<IPersistStreamInit> persist(Query<IPersistStreamInit>(IID_IPersistStreamInit));
    EXPECT_EQ(S_OK, persist->InitNew());
    ViewModeType mode{};
    control->get_ViewMode(&mode);
    EXPECT_EQ(Details, mode);
    CLSID clsid = CLSID_NULL;
    EXPECT_EQ(S_OK, persist->GetClassID(&clsid));
    EXPECT_EQ(CLSID_Sorvane, clsid);
}

TEST_F(ControlPersistence, StorageKeepsTheSameDataInContents)
{
    control->put_ViewMode(List);
    Held<ILockBytes> bytes;
    ASSERT_EQ(S_OK, CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.out()));
    Held<IStorage> storage;
    ASSERT_EQ(S_OK, StgCreateDocfileOnILockBytes(bytes.get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                                 storage.out()));
    Held<IPersistStorage> persist(Query<IPersistStorage>(IID_IPersistStorage));
    ASSERT_EQ(S_OK, persist->Save(storage.get(), TRUE));
    EXPECT_EQ(S_FALSE, persist->IsDirty());

    {
        Held<IStream> contents;
        ASSERT_EQ(S_OK, storage->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, contents.out()));
        DWORD version = 0;
        contents->Read(&version, sizeof version, nullptr);
        EXPECT_EQ(0x0300u, version);
    }

    Held<ISorvane> copy(NewControl(library));
    Held<IPersistStorage> copyPersist;
    copy->QueryInterface(IID_IPersistStorage, copyPersist.outVoid());
    ASSERT_EQ(S_OK, copyPersist->Load(storage.get()));
    ViewModeType mode{};
    copy->get_ViewMode(&mode);
    EXPECT_EQ(List, mode);
}

}  // namespace
