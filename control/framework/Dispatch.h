#pragma once
// IDispatch of a dual interface, answered from the module's embedded type library.
#include <windows.h>
#include <oleauto.h>

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
        ITypeInfo* info = nullptr;
        HRESULT hr = Module::Instance().GetTypeInfo(*iid, &info);
        if (FAILED(hr))
            return hr;
        hr = DispGetIDsOfNames(info, names, count, ids);
        info->Release();
        return hr;
    }

    STDMETHOD(Invoke)(DISPID member, REFIID reserved, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) override
    {
        if (reserved != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        ITypeInfo* info = nullptr;
        HRESULT hr = Module::Instance().GetTypeInfo(*iid, &info);
        if (FAILED(hr))
            return hr;
        hr = info->Invoke(static_cast<DualInterface*>(this), member, flags, parameters, result, exception,
                          argumentError);
        info->Release();
        return hr;
    }

protected:
    Dispatch() = default;
    virtual ~Dispatch() = default;
};

}  // namespace framework
