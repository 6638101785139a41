// Class objects of SORVANE.OCX, the objects they create and the module's unload answer.
#include <gtest/gtest.h>

#include "SORVANE.h"
#include "SorvaneLibrary.h"

namespace {

struct CreatableClass
{
    const char* name;
    const CLSID* clsid;
    const IID* defaultInterface;
};

const CreatableClass creatableClasses[] = {
    {"Sorvane", &CLSID_Sorvane, &IID_ISorvane},
    {"XeltFolder", &CLSID_XeltFolder, &IID_IXeltFolder},
    {"XeltObject", &CLSID_XeltObject, &IID_IXeltObject},
    {"FolderFlags", &CLSID_FolderFlags, &IID_IUnknown},
    {"XeltObjects", &CLSID_XeltObjects, &IID_IXeltObjects},
};

class ClassObject : public ::testing::TestWithParam<CreatableClass>
{
protected:
    IClassFactory* Factory()
    {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(library.DllGetClassObject(*GetParam().clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        return factory;
    }

    ComApartment apartment;
    SorvaneLibrary library;
};

// An outer object that aggregates one inner object and counts its own references.
class Outer final : public IUnknown
{
public:
    virtual ~Outer() = default;
    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown)
        {
            *out = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, out) : E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++references; }
    STDMETHOD_(ULONG, Release)() override { return --references; }

    ULONG references = 1;
    IUnknown* inner = nullptr;
};

TEST_P(ClassObject, CreatesObjectsAnsweringIUnknownAndTheDefaultInterface)
{
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
    IUnknown* byDefault = nullptr;
    ASSERT_EQ(object->QueryInterface(*GetParam().defaultInterface, reinterpret_cast<void**>(&byDefault)), S_OK);
    IUnknown* identity = nullptr;
    ASSERT_EQ(byDefault->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, object);
    IUnknown* missing = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(object->QueryInterface(IID_IStream, reinterpret_cast<void**>(&missing)), E_NOINTERFACE);
    EXPECT_EQ(missing, nullptr);
    identity->Release();
    byDefault->Release();
    EXPECT_EQ(object->Release(), 0u);
    factory->Release();
}

TEST_P(ClassObject, IsMadeOnceAndAnswersOnlyIUnknownAndIClassFactory)
{
    IClassFactory* first = Factory();
    IClassFactory* second = Factory();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(first->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    IUnknown* other = nullptr;
    EXPECT_EQ(first->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
    unknown->Release();
    second->Release();
    first->Release();
}

TEST_P(ClassObject, CreatesAggregatedObjectsThatDelegateToTheOuterObject)
{
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    Outer outer;
    IUnknown* refused = nullptr;
    EXPECT_EQ(factory->CreateInstance(&outer, *GetParam().defaultInterface == IID_IUnknown ? IID_IDispatch
                                                                                       : *GetParam().defaultInterface,
                                      reinterpret_cast<void**>(&refused)),
              CLASS_E_NOAGGREGATION);

    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)), S_OK);
    IUnknown* byDefault = nullptr;
    ASSERT_EQ(outer.QueryInterface(*GetParam().defaultInterface, reinterpret_cast<void**>(&byDefault)), S_OK);
    if (*GetParam().defaultInterface != IID_IUnknown)
    {
        EXPECT_EQ(outer.references, 2u);  // the inner object's interface counts on the outer object
        IUnknown* identity = nullptr;
        ASSERT_EQ(byDefault->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
        EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
        identity->Release();
    }
    byDefault->Release();
    EXPECT_EQ(outer.references, 1u);
    EXPECT_EQ(outer.inner->Release(), 0u);
    factory->Release();
}

INSTANTIATE_TEST_SUITE_P(EveryClass, ClassObject, ::testing::ValuesIn(creatableClasses),
                         [](const auto& test) { return std::string(test.param.name); });

class Module : public ::testing::Test
{
protected:
    ComApartment apartment;
    SorvaneLibrary library;
};

TEST_F(Module, UnknownClassIsNotAvailable)
{
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(library.DllGetClassObject(IID_IStream, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
}

TEST_F(Module, CanUnloadOnlyWithoutObjectsAndLocks)
{
    IClassFactory* factory = nullptr;
    ASSERT_EQ(library.DllGetClassObject(CLSID_XeltFolder, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);  // a class object alone does not hold the module

    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_FALSE);
    object->Release();
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);

    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_FALSE);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);
    factory->Release();
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);
}

}  // namespace
