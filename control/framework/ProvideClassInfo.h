#pragma once
// IProvideClassInfo2: the coclass description from the module's type library and the
// identifier of the default event interface.
#include <windows.h>
#include <ocidl.h>

#include "Module.h"

namespace framework {

template <const CLSID* clsid, const IID* defaultSource>
class ProvideClassInfo : public IProvideClassInfo2
{
public:
    STDMETHOD(GetClassInfo)(ITypeInfo** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return Module::Instance().GetTypeInfo(*clsid, out);
    }
    STDMETHOD(GetGUID)(DWORD kind, GUID* guid) override
    {
        if (!guid)
            return E_POINTER;
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID)
        {
            *guid = GUID_NULL;
            return E_INVALIDARG;
        }
        *guid = *defaultSource;
        return S_OK;
    }

protected:
    ProvideClassInfo() = default;
    virtual ~ProvideClassInfo() = default;
};

}  // namespace framework
