#pragma once
// Rich error information for automation clients (IErrorInfo of the calling thread).
#include <windows.h>

namespace framework {

// Sets the thread's error information (the module's string descriptionId as description,
// source as the source, no interface identifier) and answers result.
HRESULT ReportError(HRESULT result, const wchar_t* source, UINT descriptionId);

// ISupportErrorInfo of a class that reports errors on one interface only.
template <const IID* iid>
class SupportErrorInfo : public ISupportErrorInfo
{
public:
    STDMETHOD(InterfaceSupportsErrorInfo)(REFIID asked) override { return asked == *iid ? S_OK : S_FALSE; }

protected:
    SupportErrorInfo() = default;
    virtual ~SupportErrorInfo() = default;
};

}  // namespace framework
