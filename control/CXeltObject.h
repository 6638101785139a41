#pragma once
// Automation object for one item inside a shell folder.
#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "resource.h"

class CXeltObject : public framework::ComClass<CXeltObject>, public framework::Dispatch<IXeltObject, &IID_IXeltObject>
{
public:
    static constexpr UINT registryScript = IDR_XELTOBJECT;
    static std::span<const framework::InterfaceEntry> Interfaces();

    STDMETHOD(get_Name)(BSTR*) override;
    STDMETHOD(get_Path)(BSTR*) override;
    STDMETHOD(get_Attributes)(AttributesMask, LONG*) override;
    STDMETHOD(get_Attribute)(AttributesEnum, VARIANT_BOOL*) override;
    STDMETHOD(Command)(BSTR) override;
};
