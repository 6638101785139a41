#pragma once
// Automation object for one folder of the shell namespace.
#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "resource.h"

class CXeltFolder : public framework::ComClass<CXeltFolder>, public framework::Dispatch<IXeltFolder, &IID_IXeltFolder>
{
public:
    static constexpr UINT registryScript = IDR_XELTFOLDER;
    static std::span<const framework::InterfaceEntry> Interfaces();

    STDMETHOD(_Open)(VARIANT) override;
    STDMETHOD(_SetItemIDList)(LONG*) override;
    STDMETHOD(get_Path)(BSTR*) override;
    STDMETHOD(get_Name)(BSTR*) override;
    STDMETHOD(get_ID)(VARIANT*) override;
    STDMETHOD(_GetItemIDList)(LONG**) override;
};
