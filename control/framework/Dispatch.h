#pragma once
// IDispatch of a dual interface, answered from the module's embedded type library.
#include <windows.h>
#include <oleauto.h>

#include "Held.h"
#include "Module.h"

namespace framework {

template <class DualInterface, const IID* iid>
class Dispatch : public DualInterface
{
public:
    STDMETHOD(GetTypeInfoCount)(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }

    STDMETHOD(GetTypeInfo)(UINT index, LCID, ITypeInfo** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        return Module::Instance().GetTypeInfo(*iid, out);
    }

    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        if (!names || !ids)
            return E_POINTER;
        Held<ITypeInfo> info;
        const HRESULT hr = Module::Instance().GetTypeInfo(*iid, info.out());
        if (FAILED(hr))
            return hr;
        return DispGetIDsOfNames(info.get(), names, count, ids);
    }

    STDMETHOD(Invoke)
    (DISPID member, REFIID reserved, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
     UINT* argumentError) override
    {
        if (reserved != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        // The type library's dispatch reads these arrays without asking.
        if (!parameters || (parameters->cArgs && !parameters->rgvarg) ||
            (parameters->cNamedArgs && !parameters->rgdispidNamedArgs))
            return E_INVALIDARG;
        Held<ITypeInfo> info;
        const HRESULT hr = Module::Instance().GetTypeInfo(*iid, info.out());
        if (FAILED(hr))
            return hr;
        return info->Invoke(static_cast<DualInterface*>(this), member, flags, parameters, result, exception,
                            argumentError);
    }

protected:
    Dispatch() = default;
    virtual ~Dispatch() = default;
};

}  // namespace framework
