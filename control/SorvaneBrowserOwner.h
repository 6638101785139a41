#pragma once
// What the view host needs of the control whose window shows the view: the control
// implements it and hands itself to CSorvaneBrowser::SetOwner.
#include <windows.h>
#include <shlobj.h>

#include "SORVANE.h"

class SorvaneBrowserOwner
{
public:
    // The control window, parent of the view window (null before it exists).
    virtual HWND OwnerWindow() = 0;
    // The control's view mode and folder flags, the settings of a new view.
    virtual FOLDERSETTINGS NewViewSettings() = 0;
    // The stored FilePattern, still owned by the control (may be null).
    virtual BSTR StoredFilePattern() = 0;
    // The current-folder object, not referenced (may be null).
    virtual IXeltFolder* GetCurrentFolder() = 0;

    virtual void Fire_ObjectSelect(IXeltObject* newObject) = 0;
    virtual void Fire_StateChange(StatesEnum newState) = 0;
    virtual void Fire_IncludeObject(IDispatch* anObject, VARIANT_BOOL* pbInclude) = 0;

protected:
    ~SorvaneBrowserOwner() = default;
};
