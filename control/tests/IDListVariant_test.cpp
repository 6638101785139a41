// Item ID lists carried in automation VARIANTs: the byte-array round trip and bad input.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "ItemIDList.h"
#include "ShellFixture.h"
#include "SorvaneLibrary.h"

namespace {

// A VARIANT cleared when it goes.
struct Variant : VARIANT
{
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
};

std::vector<BYTE> ArrayBytes(const VARIANT& value)
{
    const SAFEARRAY* array = value.parray;
    const auto* data = static_cast<const BYTE*>(array->pvData);
    return std::vector<BYTE>(data, data + array->rgsabound[0].cElements);
}

// Byte arrays whose last element ends right before a page that cannot be read, so any
// read past an array's end stops the test program.
class GuardedByteArray
{
public:
    GuardedByteArray()
    {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        page_ = system.dwPageSize;
        pages_ = static_cast<BYTE*>(VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(pages_ + page_, page_, PAGE_NOACCESS, &old);
        SafeArrayAllocDescriptorEx(VT_UI1, 1, &array_);
        array_->cbElements = 1;
        array_->fFeatures |= FADF_STATIC | FADF_FIXEDSIZE;
    }
    ~GuardedByteArray()
    {
        SafeArrayDestroyDescriptor(array_);
        VirtualFree(pages_, 0, MEM_RELEASE);
    }
    GuardedByteArray(const GuardedByteArray&) = delete;
    GuardedByteArray& operator=(const GuardedByteArray&) = delete;

    // A VARIANT over the one array, now holding bytes (valid until the next call).
    VARIANT Holding(const std::vector<BYTE>& bytes)
    {
        BYTE* data = pages_ + page_ - bytes.size();
        if (!bytes.empty())
            std::memcpy(data, bytes.data(), bytes.size());
        array_->pvData = data;
        array_->rgsabound[0] = {static_cast<ULONG>(bytes.size()), 0};
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_ARRAY | VT_UI1;
        value.parray = array_;
        return value;
    }

private:
    SIZE_T page_ = 0;
    BYTE* pages_ = nullptr;
    SAFEARRAY* array_ = nullptr;
};

class IDListVariantTest : public ::testing::Test
{
protected:
    ComApartment apartment;
    TempFolderTree tree;
};

TEST_F(IDListVariantTest, RealListMakesTheRoundTripThroughAByteArray)
{
    OwnedList list(ParseAbsolute(tree.PathOf(L"Sub Folder\\Inner.txt")));
    ASSERT_TRUE(list);
    Variant value;
    ASSERT_EQ(IDListToVariant(list.get(), &value), S_OK);
    EXPECT_EQ(value.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(value.parray->rgsabound[0].lLbound, 0);
    EXPECT_EQ(ArrayBytes(value), BytesOf(list.get()));

    OwnedList back(VariantToIDList(&value));
    ASSERT_TRUE(back);
    EXPECT_TRUE(FromShellAllocator(back.get()));
    EXPECT_EQ(BytesOf(back.get()), BytesOf(list.get()));
    EXPECT_EQ(PathOfList(back.get()), tree.PathOf(L"Sub Folder\\Inner.txt"));
}

TEST_F(IDListVariantTest, EmptyListIsTwoZeroBytesAndComesBackEmpty)
{
    const USHORT empty = 0;
    Variant value;
    ASSERT_EQ(IDListToVariant(reinterpret_cast<LPCITEMIDLIST>(&empty), &value), S_OK);
    EXPECT_EQ(ArrayBytes(value), std::vector<BYTE>({0, 0}));
    OwnedList back(VariantToIDList(&value));
    ASSERT_TRUE(back);
    EXPECT_EQ(GetIDListSize(back.get()), 2u);
}

TEST_F(IDListVariantTest, OutValueIsReplacedAndNullPointersRefused)
{
    const USHORT empty = 0;
    const auto list = reinterpret_cast<LPCITEMIDLIST>(&empty);
    Variant value;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(L"replaced");
    ASSERT_EQ(IDListToVariant(list, &value), S_OK);
    EXPECT_EQ(value.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(IDListToVariant(list, nullptr), E_POINTER);
    EXPECT_EQ(IDListToVariant(nullptr, &value), E_POINTER);
    EXPECT_EQ(value.vt, VT_ARRAY | VT_UI1);
}

struct BadArrayCase
{
    const char* name;
    std::vector<BYTE> bytes;
};

void PrintTo(const BadArrayCase& c, std::ostream* out)
{
    *out << c.name;
}

const BadArrayCase badArrays[] = {
    {"ZeroLength", {}},
    {"OneByte", {0}},
    {"NoTerminator", {4, 0, 'a', 'b'}},
    {"LastTwoBytesNotZero", {4, 0, 'a', 'b', 0, 1}},
    {"ItemSizeRunsPastTheArray", {0x40, 0, 'a', 'b', 0, 0}},
    {"ItemSizeRunsIntoTheTerminator", {5, 0, 'a', 'b', 0, 0}},
    {"SecondItemRunsPastTheArray", {4, 0, 'a', 'b', 0xFF, 0xFF, 0, 0}},
    {"ItemSizeSmallerThanItsSizeField", {1, 0, 0, 0}},
};

class BadByteArray : public ::testing::TestWithParam<BadArrayCase>
{
protected:
    ComApartment apartment;
};

TEST_P(BadByteArray, GivesNoList)
{
    GuardedByteArray array;
    VARIANT value = array.Holding(GetParam().bytes);
    EXPECT_EQ(VariantToIDList(&value), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Arrays, BadByteArray, ::testing::ValuesIn(badArrays),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(VariantOfAnotherShape, GivesNoList)
{
    ComApartment apartment;
    EXPECT_EQ(VariantToIDList(nullptr), nullptr);

    Variant empty;
    EXPECT_EQ(VariantToIDList(&empty), nullptr);

    Variant text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"C:\\");
    EXPECT_EQ(VariantToIDList(&text), nullptr);

    Variant number;
    number.vt = VT_I4;
    number.lVal = 17;
    EXPECT_EQ(VariantToIDList(&number), nullptr);

    Variant noArray;
    noArray.vt = VT_ARRAY | VT_UI1;
    noArray.parray = nullptr;
    EXPECT_EQ(VariantToIDList(&noArray), nullptr);
    noArray.vt = VT_EMPTY;

    Variant shorts;
    shorts.vt = VT_ARRAY | VT_I2;
    shorts.parray = SafeArrayCreateVector(VT_I2, 0, 2);
    EXPECT_EQ(VariantToIDList(&shorts), nullptr);

    Variant lowerBoundOne;
    lowerBoundOne.vt = VT_ARRAY | VT_UI1;
    lowerBoundOne.parray = SafeArrayCreateVector(VT_UI1, 1, 2);
    EXPECT_EQ(VariantToIDList(&lowerBoundOne), nullptr);

    Variant twoDimensions;
    SAFEARRAYBOUND bounds[] = {{2, 0}, {2, 0}};
    twoDimensions.vt = VT_ARRAY | VT_UI1;
    twoDimensions.parray = SafeArrayCreate(VT_UI1, 2, bounds);
    EXPECT_EQ(VariantToIDList(&twoDimensions), nullptr);

    Variant good;
    good.vt = VT_ARRAY | VT_UI1;
    good.parray = SafeArrayCreateVector(VT_UI1, 0, 2);
    VARIANT byReference;
    VariantInit(&byReference);
    byReference.vt = VT_ARRAY | VT_UI1 | VT_BYREF;
    byReference.pparray = &good.parray;
    EXPECT_EQ(VariantToIDList(&byReference), nullptr);

    Variant noObject;
    noObject.vt = VT_DISPATCH;
    noObject.pdispVal = nullptr;
    EXPECT_EQ(VariantToIDList(&noObject), nullptr);
}

// An automation object with one property, "ID", answering a fixed value (or no "ID").
class IdObject final : public IDispatch
{
public:
    IdObject(const VARIANT* id) : id_(id) {}

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        if (iid != IID_IUnknown && iid != IID_IDispatch)
        {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(GetTypeInfoCount)(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        if (!id_ || lstrcmpiW(names[0], L"ID") != 0)
            return DISP_E_UNKNOWNNAME;
        ids[0] = 4;
        return S_OK;
    }
    STDMETHOD(Invoke)
    (DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO*, UINT*) override
    {
        if (member != 4 || !(flags & DISPATCH_PROPERTYGET) || parameters->cArgs != 0 || !result)
            return DISP_E_MEMBERNOTFOUND;
        return VariantCopy(result, const_cast<VARIANT*>(id_));
    }

private:
    const VARIANT* id_;
};

TEST_F(IDListVariantTest, ObjectGivesTheListOfItsIdProperty)
{
    OwnedList list(ParseAbsolute(tree.PathOf(L"Carpeta Ñandú")));
    ASSERT_TRUE(list);
    Variant id;
    ASSERT_EQ(IDListToVariant(list.get(), &id), S_OK);
    IdObject folder(&id);
    VARIANT value;
    value.vt = VT_DISPATCH;
    value.pdispVal = &folder;
    OwnedList fromObject(VariantToIDList(&value));
    ASSERT_TRUE(fromObject);
    EXPECT_EQ(BytesOf(fromObject.get()), BytesOf(list.get()));

    Variant text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"no list");
    IdObject wrongId(&text);
    value.pdispVal = &wrongId;
    EXPECT_EQ(VariantToIDList(&value), nullptr);

    IdObject noId(nullptr);
    value.pdispVal = &noId;
    EXPECT_EQ(VariantToIDList(&value), nullptr);
}

// Random arrays, biased towards small item sizes so that many are nearly well formed:
// the result is either no list or exactly the array's bytes, and never a read past it.
TEST(ByteArrayFuzz, EveryArrayGivesNullOrItsOwnWellFormedBytes)
{
    ComApartment apartment;
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> length(0, 48);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> smallSize(0, 12);
    GuardedByteArray array;
    int accepted = 0;
    for (int round = 0; round < 2000000; ++round)
    {
        std::vector<BYTE> bytes(static_cast<size_t>(length(random)));
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<BYTE>(i % 2 == 1 || byte(random) < 160 ? smallSize(random) % 7 : byte(random));
        if (bytes.size() >= 2 && byte(random) < 128)
            bytes[bytes.size() - 1] = bytes[bytes.size() - 2] = 0;
        VARIANT value = array.Holding(bytes);
        OwnedList list(VariantToIDList(&value));
        if (!list)
            continue;
        ++accepted;
        ASSERT_LE(GetIDListSize(list.get()), bytes.size()) << "round " << round;
        ASSERT_EQ(std::memcmp(list.get(), bytes.data(), bytes.size()), 0) << "round " << round;
    }
    EXPECT_GT(accepted, 1000);
}

}  // namespace
