#pragma once
// Fires the events of _ISorvaneEvents to every sink advised on the events connection point.
#include "SORVANE.h"
#include "framework/ConnectionPoint.h"

class CProxy_ISorvaneEvents
{
public:
    explicit CProxy_ISorvaneEvents(framework::ConnectionPoint& events) : events_(events) {}

    void Fire_ObjectSelect(IXeltObject* newObject);
    void Fire_BrowseFolderChange();
    void Fire_StateChange(StatesEnum newState);
    // Every sink sees the flag as the sink before it left it.
    void Fire_IncludeObject(IDispatch* anObject, VARIANT_BOOL* pbInclude);
    void Fire_KeyPress(short KeyAscii);
    void Fire_Click();
    void Fire_DblClick();

private:
    // Arguments in reverse order, as DISPPARAMS holds them; a failing sink is passed over.
    void Fire(DISPID event, VARIANT* arguments, UINT count);

    framework::ConnectionPoint& events_;
};
