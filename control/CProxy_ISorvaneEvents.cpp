#include "CProxy_ISorvaneEvents.h"

#include <oleauto.h>

void CProxy_ISorvaneEvents::Fire(DISPID event, VARIANT* arguments, UINT count)
{
    for (const framework::Held<IUnknown>& sink : events_.Sinks())
    {
        // The sink was asked for the dispinterface, whose vtable is IDispatch's.
        auto* dispatch = static_cast<IDispatch*>(static_cast<void*>(sink.get()));
        DISPPARAMS parameters = {arguments, nullptr, count, 0};
        VARIANT result;
        VariantInit(&result);
        try
        {
            dispatch->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result, nullptr,
                             nullptr);
        }
        catch (...)
        {
            // An exception of a sink ends at the event, not in the control.
        }
        VariantClear(&result);
    }
}

void CProxy_ISorvaneEvents::Fire_ObjectSelect(IXeltObject* newObject)
{
    VARIANT argument;
    V_VT(&argument) = VT_DISPATCH;
    V_DISPATCH(&argument) = newObject;
    Fire(2, &argument, 1);
}

void CProxy_ISorvaneEvents::Fire_BrowseFolderChange()
{
    Fire(3, nullptr, 0);
}

void CProxy_ISorvaneEvents::Fire_StateChange(StatesEnum newState)
{
    VARIANT argument;
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = newState;
    Fire(4, &argument, 1);
}

void CProxy_ISorvaneEvents::Fire_IncludeObject(IDispatch* anObject, VARIANT_BOOL* pbInclude)
{
    VARIANT arguments[2];
    V_VT(&arguments[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[0]) = pbInclude;
    V_VT(&arguments[1]) = VT_DISPATCH;
    V_DISPATCH(&arguments[1]) = anObject;
    Fire(5, arguments, 2);
}

void CProxy_ISorvaneEvents::Fire_KeyPress(short KeyAscii)
{
    VARIANT argument;
    V_VT(&argument) = VT_I2;
    V_I2(&argument) = KeyAscii;
    Fire(-603, &argument, 1);
}

void CProxy_ISorvaneEvents::Fire_Click()
{
    Fire(-600, nullptr, 0);
}

void CProxy_ISorvaneEvents::Fire_DblClick()
{
    Fire(-601, nullptr, 0);
}
