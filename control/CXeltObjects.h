#pragma once
// Automation collection of item objects taken from the view: the selection or all items.
#include <shlobj.h>

#include <span>

#include "CVectorCollection.h"
#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "resource.h"

class CXeltObjects : public framework::ComClass<CXeltObjects>,
                     public framework::Dispatch<IXeltObjects, &IID_IXeltObjects>,
                     public CVectorCollection<IXeltObject>
{
public:
    static constexpr UINT registryScript = IDR_XELTOBJECTS;
    static std::span<const framework::InterfaceEntry> Interfaces();

    // The control's view host, whose active view Get reads; not referenced.
    void SetBrowser(IShellBrowser* browser) { browser_ = browser; }

    STDMETHOD(Get)(ObjectTypeEnum objectType) override;
    STDMETHOD(get_Count)(LONG* pVal) override;
    STDMETHOD(get_Item)(LONG nIndex, IXeltObject** pVal) override;

private:
    IShellBrowser* browser_ = nullptr;
};
