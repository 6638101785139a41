#include "Module.h"

#include <new>
#include <vector>

#include "ClassFactory.h"

namespace framework {

Module& Module::Instance()
{
    static Module module;
    return module;
}

void Module::Init(std::span<ObjectMapEntry> objectMap, HINSTANCE instance, const GUID& libraryId)
{
    objectMap_ = objectMap;
    instance_ = instance;
    libraryId_ = libraryId;
}

void Module::Term()
{
    for (ObjectMapEntry& entry : objectMap_)
        entry.classObject.reset();
    typeLibrary_.reset();
}

LONG Module::Lock()
{
    return InterlockedIncrement(&locks_);
}

LONG Module::Unlock()
{
    return InterlockedDecrement(&locks_);
}

LONG Module::LockCount() const
{
    return InterlockedCompareExchange(const_cast<LONG*>(&locks_), 0, 0);
}

std::wstring Module::FileName() const
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD length = GetModuleFileNameW(instance_, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

HRESULT Module::GetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    for (ObjectMapEntry& entry : objectMap_)
    {
        if (*entry.clsid != clsid)
            continue;
        if (!entry.classObject)
        {
            auto* factory = new (std::nothrow) ClassFactory(entry.createInstance);
            if (!factory)
                return E_OUTOFMEMORY;
            entry.classObject.share(factory);
        }
        return entry.classObject->QueryInterface(iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT Module::RunRegistryScripts(bool registering)
{
    for (const ObjectMapEntry& entry : objectMap_)
    {
        const HRESULT hr = entry.updateRegistry(registering);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT Module::RegisterServer()
{
    HRESULT hr = RunRegistryScripts(true);
    if (FAILED(hr))
        return hr;
    Held<ITypeLib> library;
    std::wstring path = FileName();
    hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.out());
    if (FAILED(hr))
        return hr;
    return RegisterTypeLib(library.get(), path.data(), nullptr);
}

HRESULT Module::UnregisterServer()
{
    HRESULT hr = RunRegistryScripts(false);
    if (FAILED(hr))
        return hr;
    Held<ITypeLib> library;
    hr = LoadTypeLibEx(FileName().c_str(), REGKIND_NONE, library.out());
    if (FAILED(hr))
        return hr;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (SUCCEEDED(hr))
    {
        hr = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum, attributes->lcid,
                               attributes->syskind);
        library->ReleaseTLibAttr(attributes);
    }
    return hr;
}

HRESULT Module::LoadTypeLibrary()
{
    if (typeLibrary_)
        return S_OK;
    return LoadTypeLibEx(FileName().c_str(), REGKIND_NONE, typeLibrary_.out());
}

HRESULT Module::GetTypeInfo(REFGUID guid, ITypeInfo** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    const HRESULT hr = LoadTypeLibrary();
    if (FAILED(hr))
        return hr;
    return typeLibrary_->GetTypeInfoOfGuid(guid, out);
}

}  // namespace framework
