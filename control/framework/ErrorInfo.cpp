#include "ErrorInfo.h"

#include <oleauto.h>

#include "Module.h"

namespace framework {

HRESULT ReportError(HRESULT result, const wchar_t* source, UINT descriptionId)
{
    ICreateErrorInfo* created = nullptr;
    if (FAILED(CreateErrorInfo(&created)))
        return result;
    wchar_t description[512] = {};
    LoadStringW(Module::Instance().ResourceInstance(), descriptionId, description, 512);
    created->SetDescription(description);
    created->SetSource(const_cast<wchar_t*>(source));
    created->SetGUID(GUID_NULL);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(created->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info))))
    {
        SetErrorInfo(0, info);
        info->Release();
    }
    created->Release();
    return result;
}

}  // namespace framework
