#pragma once
// The control: shows one folder of the shell namespace inside its container.
#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"
#include "framework/Dispatch.h"
#include "resource.h"

class CSorvane : public framework::ComClass<CSorvane>, public framework::Dispatch<ISorvane, &IID_ISorvane>
{
public:
    static constexpr UINT registryScript = IDR_SORVANE;
    static std::span<const framework::InterfaceEntry> Interfaces();

    STDMETHOD(get_ViewMode)(ViewModeType*) override;
    STDMETHOD(put_ViewMode)(ViewModeType) override;
    STDMETHOD(ModifyFolderFlags)(FolderFlagsEnum, FolderFlagsEnum) override;
    STDMETHOD(get_ViewFolderFlags)(LONG*) override;
    STDMETHOD(get_SpecialFolder)(SpecialFolderPathConstants, IXeltFolder**) override;
    STDMETHOD(get_BrowseFolder)(VARIANT*) override;
    STDMETHOD(put_BrowseFolder)(VARIANT) override;
    STDMETHOD(get_IncludeObjectType)(IncludeObjectEnum*) override;
    STDMETHOD(put_IncludeObjectType)(IncludeObjectEnum) override;
    STDMETHOD(UpOneLevel)() override;
    STDMETHOD(get_FilePattern)(BSTR*) override;
    STDMETHOD(put_FilePattern)(BSTR) override;
    STDMETHOD(get_MatchPattern)(BSTR, BSTR, VARIANT_BOOL*) override;
    STDMETHOD(get_ShellFolder)(VARIANT, IXeltFolder**) override;
    STDMETHOD(get__EnumObject)(IXeltObject**) override;
    STDMETHOD(get_Enabled)(VARIANT_BOOL*) override;
    STDMETHOD(put_Enabled)(VARIANT_BOOL) override;
    STDMETHOD(get_Version)(BSTR*) override;
    STDMETHOD(put_Version)(BSTR) override;
    STDMETHOD(get_Objects)(IXeltObjects**) override;
    STDMETHOD(get_hWnd)(LONG*) override;
    STDMETHOD(Refresh)() override;
    STDMETHOD(put_Font)(IFontDisp*) override;
    STDMETHOD(get_Font)(IFontDisp**) override;
    STDMETHOD(putref_Font)(IFontDisp*) override;
};
