// Class objects of SORVANE.OCX, the objects they create and the module's unload answer.
#include <gtest/gtest.h>

#include "SORVANE.h"
#include "SorvaneLibrary.h"
#include "framework/Held.h"

using framework::Held;

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
    Held<IClassFactory> Factory()
    {
        Held<IClassFactory> factory;
        EXPECT_EQ(library.DllGetClassObject(*GetParam().clsid, IID_IClassFactory, factory.outVoid()), S_OK);
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
    Held<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    Held<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.outVoid()), S_OK);
    Held<IUnknown> byDefault;
    ASSERT_EQ(object->QueryInterface(*GetParam().defaultInterface, byDefault.outVoid()), S_OK);
    Held<IUnknown> identity;
    ASSERT_EQ(byDefault->QueryInterface(IID_IUnknown, identity.outVoid()), S_OK);
    EXPECT_EQ(identity.get(), object.get());
    IUnknown* missing = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(object->QueryInterface(IID_IStream, reinterpret_cast<void**>(&missing)), E_NOINTERFACE);
    EXPECT_EQ(missing, nullptr);
    identity.reset();
    byDefault.reset();
    EXPECT_EQ(object.detach()->Release(), 0u);
}

TEST_P(ClassObject, IsMadeOnceAndAnswersOnlyIUnknownAndIClassFactory)
{
    Held<IClassFactory> first = Factory();
    Held<IClassFactory> second = Factory();
    ASSERT_TRUE(first);
    EXPECT_EQ(first.get(), second.get());
    Held<IUnknown> unknown;
    EXPECT_EQ(first->QueryInterface(IID_IUnknown, unknown.outVoid()), S_OK);
    Held<IUnknown> other;
    EXPECT_EQ(first->QueryInterface(IID_IDispatch, other.outVoid()), E_NOINTERFACE);
}

TEST_P(ClassObject, CreatesAggregatedObjectsThatDelegateToTheOuterObject)
{
    Held<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    Outer outer;
    IUnknown* refused = nullptr;
    EXPECT_EQ(factory->CreateInstance(
                  &outer, *GetParam().defaultInterface == IID_IUnknown ? IID_IDispatch : *GetParam().defaultInterface,
                  reinterpret_cast<void**>(&refused)),
              CLASS_E_NOAGGREGATION);

    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)), S_OK);
    Held<IUnknown> byDefault;
    ASSERT_EQ(outer.QueryInterface(*GetParam().defaultInterface, byDefault.outVoid()), S_OK);
    if (*GetParam().defaultInterface != IID_IUnknown)
    {
        EXPECT_EQ(outer.references, 2u);  // the inner object's interface counts on the outer object
        Held<IUnknown> identity;
        ASSERT_EQ(byDefault->QueryInterface(IID_IUnknown, identity.outVoid()), S_OK);
        EXPECT_EQ(identity.get(), static_cast<IUnknown*>(&outer));
    }
    byDefault.reset();
    EXPECT_EQ(outer.references, 1u);
    EXPECT_EQ(outer.inner->Release(), 0u);
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
    Held<IClassFactory> factory;
    ASSERT_EQ(library.DllGetClassObject(CLSID_XeltFolder, IID_IClassFactory, factory.outVoid()), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);  // a class object alone does not hold the module

    Held<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.outVoid()), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_FALSE);
    object.reset();
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);

    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_FALSE);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);
    factory.reset();
    EXPECT_EQ(library.DllCanUnloadNow(), S_OK);
}

}  // namespace
