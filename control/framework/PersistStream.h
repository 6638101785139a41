#pragma once
// IPersistStreamInit and IPersistStorage of a control: its property map in a stream (for a
// storage, in its stream "Contents"), after a format version.
#include <windows.h>
#include <ocidl.h>

#include <span>

#include "ControlBase.h"
#include "PropertyMap.h"

namespace framework {

class PersistStreamInit : public IPersistStreamInit
{
public:
    static constexpr DWORD formatVersion = 0x0300;

    STDMETHOD(GetClassID)(CLSID* clsid) override;
    STDMETHOD(IsDirty)() override { return Control().RequiresSave() ? S_OK : S_FALSE; }
    // Answers S_OK whatever could be read; what was set before a failure stays set.
    STDMETHOD(Load)(IStream* stream) override;
    STDMETHOD(Save)(IStream* stream, BOOL clearDirty) override;
    STDMETHOD(GetSizeMax)(ULARGE_INTEGER* size) override;
    STDMETHOD(InitNew)() override { return S_OK; }

protected:
    PersistStreamInit() = default;
    virtual ~PersistStreamInit() = default;
    virtual ControlBase& Control() = 0;
    virtual const CLSID& ControlClassId() = 0;
    virtual std::span<const PropertyMapEntry> PropertyMap() = 0;
    // State written after the map, and read back after a successful map load.
    virtual HRESULT SaveAfterMap(IStream* stream) = 0;
    virtual void LoadAfterMap(IStream* stream) = 0;

private:
    HRESULT LoadMap(IStream* stream);
    HRESULT SaveMap(IStream* stream);
};

class PersistStorage : public IPersistStorage
{
public:
    STDMETHOD(GetClassID)(CLSID* clsid) override { return Stream().GetClassID(clsid); }
    STDMETHOD(IsDirty)() override { return Stream().IsDirty(); }
    STDMETHOD(InitNew)(IStorage*) override { return Stream().InitNew(); }
    STDMETHOD(Load)(IStorage* storage) override;
    STDMETHOD(Save)(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHOD(SaveCompleted)(IStorage*) override { return S_OK; }
    STDMETHOD(HandsOffStorage)() override { return S_OK; }

protected:
    PersistStorage() = default;
    virtual ~PersistStorage() = default;
    // The same object's stream persistence.
    virtual IPersistStreamInit& Stream() = 0;
};

}  // namespace framework
