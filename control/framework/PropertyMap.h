#pragma once
// The property map of a control: what it persists, in order, and which property pages
// it names.
#include <windows.h>
#include <oaidl.h>

#include <span>

namespace framework {

class ControlBase;

struct PropertyMapEntry
{
    enum class Kind
    {
        Raw,  // 4 bytes of the control's own state, read and written as they are
        Property,  // a property read and set through IDispatch
        PageOnly,  // names a property page and persists nothing
    };
    const wchar_t* name;
    Kind kind;
    DISPID dispid;  // Property
    LONG& (*field)(ControlBase& control);  // Raw
    const CLSID* page;  // the property page of the entry, or null
};

}  // namespace framework
