#include "ErrorInfo.h"

#include <oleauto.h>

#include "Held.h"
#include "Module.h"

namespace framework {

HRESULT ReportError(HRESULT result, const wchar_t* source, UINT descriptionId)
{
    Held<ICreateErrorInfo> created;
    if (FAILED(CreateErrorInfo(created.out())))
        return result;
    wchar_t description[512] = {};
    LoadStringW(Module::Instance().ResourceInstance(), descriptionId, description, 512);
    created->SetDescription(description);
    created->SetSource(const_cast<wchar_t*>(source));
    created->SetGUID(GUID_NULL);
    Held<IErrorInfo> info;
    if (SUCCEEDED(created->QueryInterface(IID_IErrorInfo, info.outVoid())))
        SetErrorInfo(0, info.get());
    return result;
}

}  // namespace framework
