#pragma once
// Base of a test object that lives on the stack: it answers no interface through
// QueryInterface, and no release ever frees it.
#include <windows.h>
#include <unknwn.h>

template <class Interface>
class Uncounted : public Interface
{
public:
    virtual ~Uncounted() = default;
    STDMETHOD(QueryInterface)(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
};
