#pragma once
// IObjectSafety: safe for untrusted callers and data on every interface the object answers.
#include <windows.h>
#include <objsafe.h>

#include "Held.h"

namespace framework {

class ObjectSafety : public IObjectSafety
{
public:
    static constexpr DWORD safeOptions = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

    STDMETHOD(GetInterfaceSafetyOptions)(REFIID iid, DWORD* supported, DWORD* enabled) override
    {
        if (!supported || !enabled)
            return E_POINTER;
        *supported = *enabled = 0;
        if (!Answers(iid))
            return E_NOINTERFACE;
        *supported = *enabled = safeOptions;
        return S_OK;
    }
    STDMETHOD(SetInterfaceSafetyOptions)(REFIID iid, DWORD mask, DWORD options) override
    {
        if (!Answers(iid))
            return E_NOINTERFACE;
        return (mask & options & ~safeOptions) ? E_FAIL : S_OK;
    }

protected:
    ObjectSafety() = default;
    virtual ~ObjectSafety() = default;

private:
    bool Answers(REFIID iid)
    {
        Held<IUnknown> answer;
        return SUCCEEDED(QueryInterface(iid, answer.outVoid()));
    }
};

}  // namespace framework
