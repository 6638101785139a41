#pragma once
// Automation collection of item objects taken from the view.
#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "resource.h"

class CXeltObjects : public framework::ComClass<CXeltObjects>, public framework::Dispatch<IXeltObjects, &IID_IXeltObjects>
{
public:
    static constexpr UINT registryScript = IDR_XELTOBJECTS;
    static std::span<const framework::InterfaceEntry> Interfaces();

    STDMETHOD(Get)(ObjectTypeEnum) override;
    STDMETHOD(get_Count)(LONG*) override;
    STDMETHOD(get_Item)(LONG, IXeltObject**) override;
};
