#pragma once
// Answers the shell view's ICommDlgBrowser for the control: which items to show, the
// default command and state changes. Lives only aggregated inside CSorvaneBrowser.
#include <windows.h>
#include <shlobj.h>

#include <span>

#include "SORVANE.h"
#include "framework/ComObject.h"

class CSorvaneBrowser;

class CSorvaneCommDlgBrowser : public framework::ComClass<CSorvaneCommDlgBrowser>, public ICommDlgBrowser
{
public:
    static std::span<const framework::InterfaceEntry> Interfaces();

    STDMETHOD(OnDefaultCommand)(IShellView* view) override;
    STDMETHOD(OnStateChange)(IShellView* view, ULONG change) override;
    // S_OK shows the item (a list relative to the folder being enumerated), S_FALSE hides it.
    STDMETHOD(IncludeObject)(IShellView* view, PCUITEMID_CHILD item) override;

    // Unknown modes show every item.
    virtual void SetFilterMode(LONG mode);
    // Not referenced; takes over the browser's filter mode.
    virtual void SetOwnerBrowser(CSorvaneBrowser* browser);
    virtual CSorvaneBrowser* GetOwnerBrowser();

private:
    HRESULT IncludeAll(PCUITEMID_CHILD item);
    HRESULT IncludeByEvent(PCUITEMID_CHILD item);
    HRESULT IncludeFoldersByEvent(PCUITEMID_CHILD item);
    HRESULT IncludeFoldersAndPattern(PCUITEMID_CHILD item);
    // The item's attributes in the folder being opened; false when they cannot be read.
    bool ReadAttributes(PCUITEMID_CHILD item, SFGAOF* attributes);

    HRESULT (CSorvaneCommDlgBrowser::*filter_)(PCUITEMID_CHILD) = &CSorvaneCommDlgBrowser::IncludeAll;
    CSorvaneBrowser* ownerBrowser_ = nullptr;
};
