#pragma once
// The FolderFlags property page: the folder-view flags of the controls being edited as a
// list of check boxes, written back through ModifyFolderFlags.
#include <windows.h>
#include <ocidl.h>

#include <span>

#include "framework/ComObject.h"
#include "framework/PropertyPage.h"
#include "resource.h"

// One row of the page; the table ends with the entry whose value is 0.
struct FolderFlagEntry
{
    LONG value;
    const wchar_t* description;
    const wchar_t* name;
};
extern const FolderFlagEntry FolderFlagTable[];

class CFolderFlagsDialog : public framework::ComClass<CFolderFlagsDialog>, public framework::PropertyPage
{
public:
    static constexpr UINT registryScript = IDR_FOLDERFLAGSDIALOG;
    static constexpr UINT_PTR dirtyCheckTimer = 1000;
    static std::span<const framework::InterfaceEntry> Interfaces();
    CFolderFlagsDialog();

    // Each row's checked state goes to every control of the page.
    STDMETHOD(Apply)() override;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    HWND List() const;
    void OnInitDialog();
    // Marks the page dirty when a row differs from the first control's flags.
    void OnTimer();
    // The folder flags of the first control, 0 without one.
    LONG FirstControlFlags() const;
};
