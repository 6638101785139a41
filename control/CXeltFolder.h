#pragma once
// Automation object for one folder of the shell namespace, held as its absolute item ID list.
#include <shlobj.h>

#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "framework/ErrorInfo.h"
#include "resource.h"

class CXeltFolder : public framework::ComClass<CXeltFolder>,
                    public framework::Dispatch<IXeltFolder, &IID_IXeltFolder>,
                    public framework::SupportErrorInfo<&IID_IXeltFolder>
{
public:
    static constexpr UINT registryScript = IDR_XELTFOLDER;
    static std::span<const framework::InterfaceEntry> Interfaces();
    ~CXeltFolder() override;

    // A path text, a folder object (XeltFolder or IShellFolder) or a special-folder number.
    STDMETHOD(_Open)(VARIANT vPath) override;
    // Takes the list over; it must come from the shell allocator.
    STDMETHOD(_SetItemIDList)(LONG* pItemIDList) override;
    STDMETHOD(get_Path)(BSTR* pVal) override;
    STDMETHOD(get_Name)(BSTR* pVal) override;
    STDMETHOD(get_ID)(VARIANT* pVal) override;
    // The held list itself, still owned by the object.
    STDMETHOD(_GetItemIDList)(LONG** pItemIDList) override;

private:
    LPITEMIDLIST list_ = nullptr;
};
