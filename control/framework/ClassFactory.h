#pragma once
// The class object of one object-map entry: a plain class factory.
#include <windows.h>
#include <unknwn.h>

namespace framework {

class ClassFactory final : public IClassFactory
{
public:
    using Creator = HRESULT (*)(IUnknown* outer, REFIID iid, void** out);
    explicit ClassFactory(Creator creator) : creator_(creator) {}
    virtual ~ClassFactory() = default;

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    // The factory's own references do not keep the module loaded: it lives until the module stops.
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    STDMETHOD(CreateInstance)(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHOD(LockServer)(BOOL lock) override;

private:
    Creator creator_;
    LONG references_ = 0;
};

}  // namespace framework
