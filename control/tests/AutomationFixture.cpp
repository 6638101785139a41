#include "AutomationFixture.h"

#include <algorithm>

HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD kind, std::vector<VARIANT> arguments, VARIANT* result)
{
    DISPID member = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
    if (FAILED(hr))
        return hr;
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS parameters = {arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    return object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, result, nullptr, nullptr);
}

std::wstring TakeText(BSTR text)
{
    std::wstring value = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return value;
}
