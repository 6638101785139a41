#pragma once
// The server module: instance handle, lock count, object map and type library.
#include <windows.h>
#include <oaidl.h>

#include <span>
#include <string>

#include "Held.h"

namespace framework {

// One creatable class of the module.
struct ObjectMapEntry
{
    const CLSID* clsid;
    HRESULT (*updateRegistry)(bool registering);  // runs the class's registry script
    HRESULT (*createInstance)(IUnknown* outer, REFIID iid, void** out);
    Held<IClassFactory> classObject;  // made on first request, kept until Term
};

class Module
{
public:
    static Module& Instance();

    void Init(std::span<ObjectMapEntry> objectMap, HINSTANCE instance, const GUID& libraryId);
    // Releases the cached class objects and the type library.
    void Term();

    // Objects alive plus server locks.
    LONG Lock();
    LONG Unlock();
    LONG LockCount() const;

    HINSTANCE ResourceInstance() const { return instance_; }
    const GUID& LibraryId() const { return libraryId_; }
    std::wstring FileName() const;

    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out);
    // Every entry's script in map order, stopping at the first failure; then the type library.
    HRESULT RegisterServer();
    HRESULT UnregisterServer();

    // The type description of an interface from the type library embedded in the module.
    HRESULT GetTypeInfo(REFGUID guid, ITypeInfo** out);

private:
    Module() = default;
    HRESULT RunRegistryScripts(bool registering);
    HRESULT LoadTypeLibrary();

    std::span<ObjectMapEntry> objectMap_;
    HINSTANCE instance_ = nullptr;
    GUID libraryId_ = GUID_NULL;
    LONG locks_ = 0;
    Held<ITypeLib> typeLibrary_;
};

}  // namespace framework
