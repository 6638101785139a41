#pragma once
// Automation object for one item inside a shell folder.
#include <shlobj.h>

#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "framework/Held.h"
#include "resource.h"

class CXeltObject : public framework::ComClass<CXeltObject>, public framework::Dispatch<IXeltObject, &IID_IXeltObject>
{
public:
    static constexpr UINT registryScript = IDR_XELTOBJECT;
    static std::span<const framework::InterfaceEntry> Interfaces();

    // A new item object with one reference for the item of folder (which may be null); it
    // takes the list over (shell allocator) in every case.
    static HRESULT Create(IShellFolder* folder, LPITEMIDLIST item, IXeltObject** out);
    ~CXeltObject() override;

    STDMETHOD(get_Name)(BSTR* pVal) override;
    STDMETHOD(get_Path)(BSTR* pVal) override;
    STDMETHOD(get_Attributes)(AttributesMask dwMask, LONG* pVal) override;
    STDMETHOD(get_Attribute)(AttributesEnum anAttribute, VARIANT_BOOL* pVal) override;
    // Runs the item's context-menu command whose menu text is strCommandName.
    STDMETHOD(Command)(BSTR strCommandName) override;

private:
    HRESULT DisplayName(DWORD flags, BSTR* out);

    framework::Held<IShellFolder> folder_;
    LPITEMIDLIST item_ = nullptr;
};
