#include "ClassFactory.h"

#include "Module.h"

namespace framework {

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory)
    {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) ClassFactory::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out)
{
    return creator_(outer, iid, out);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock)
{
    if (lock)
        Module::Instance().Lock();
    else
        Module::Instance().Unlock();
    return S_OK;
}

}  // namespace framework
