#include "SorvaneLibrary.h"

#include <objbase.h>

#include <stdexcept>

#include "SORVANE.h"
#include "framework/Module.h"

namespace {

template <class Function>
void Find(HMODULE module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!function)
        throw std::runtime_error(std::string("SORVANE.OCX does not export ") + name);
}

}  // namespace

std::wstring SorvaneLibrary::Path()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"SORVANE.OCX";
}

SorvaneLibrary::SorvaneLibrary()
{
    module = LoadLibraryW(Path().c_str());
    if (!module)
        throw std::runtime_error("SORVANE.OCX does not load");
    Find(module, "DllCanUnloadNow", DllCanUnloadNow);
    Find(module, "DllGetClassObject", DllGetClassObject);
    Find(module, "DllRegisterServer", DllRegisterServer);
    Find(module, "DllUnregisterServer", DllUnregisterServer);
}

SorvaneLibrary::~SorvaneLibrary()
{
    FreeLibrary(module);
}

std::wstring GuidText(REFGUID guid)
{
    wchar_t text[40];
    const int length = StringFromGUID2(guid, text, 40);
    return std::wstring(text, length > 0 ? static_cast<size_t>(length - 1) : 0);
}

void UseResourcesOf(const SorvaneLibrary& library)
{
    framework::Module::Instance().Init({}, library.module, LIBID_SORVANELib);
}
