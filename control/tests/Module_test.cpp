// The module's registration order and its stop at the first script that fails.
#include <gtest/gtest.h>

#include <vector>

#include "RegistryReader.h"
#include "SORVANE.h"
#include "SorvaneLibrary.h"
#include "framework/Module.h"

namespace {

std::vector<int> calls;
HRESULT failure = S_OK;

template <int number, bool fails>
HRESULT Script(bool)
{
    calls.push_back(number);
    return fails ? failure : S_OK;
}

HRESULT NoInstance(IUnknown*, REFIID, void**)
{
    return E_NOTIMPL;
}

TEST(Module, RegisteringStopsAtTheFirstFailingScriptWithoutTheTypeLibrary)
{
    ComApartment apartment;
    SorvaneLibrary library;  // the type library would come from its file
    const GUID classes[4] = {{1, 0, 0, {}}, {2, 0, 0, {}}, {3, 0, 0, {}}, {4, 0, 0, {}}};
    framework::ObjectMapEntry map[] = {
        {&classes[0], &Script<1, false>, &NoInstance, {}},
        {&classes[1], &Script<2, false>, &NoInstance, {}},
        {&classes[2], &Script<3, true>, &NoInstance, {}},
        {&classes[3], &Script<4, false>, &NoInstance, {}},
    };
    framework::Module& module = framework::Module::Instance();
    module.Init(map, library.module, LIBID_SORVANELib);
    const std::wstring typeLibraryKey = L"TypeLib\\" + GuidText(LIBID_SORVANELib);

    failure = E_ACCESSDENIED;
    EXPECT_EQ(module.RegisterServer(), E_ACCESSDENIED);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(KeyExists(typeLibraryKey));

    calls.clear();
    failure = S_OK;
    EXPECT_EQ(module.RegisterServer(), S_OK);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(KeyExists(typeLibraryKey));
    EXPECT_EQ(module.UnregisterServer(), S_OK);
    EXPECT_FALSE(KeyExists(typeLibraryKey));
    module.Term();
}

}  // namespace
