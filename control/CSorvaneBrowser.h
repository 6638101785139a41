#pragma once
// The shell browser that the control's shell view talks to; it carries out every change
// of folder. ICommDlgBrowser is answered by the aggregated CSorvaneCommDlgBrowser.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <shlobj.h>

#include <span>

#include "CShellFolder.h"
#include "SORVANE.h"
#include "SorvaneBrowserOwner.h"
#include "framework/ComObject.h"
#include "framework/Held.h"

class CSorvaneCommDlgBrowser;

class CSorvaneBrowser : public framework::ComClass<CSorvaneBrowser>, public IShellBrowser
{
public:
    static std::span<const framework::InterfaceEntry> Interfaces();
    // The table's interfaces, then ICommDlgBrowser from the inner object.
    HRESULT InternalQueryInterface(REFIID iid, void** out);
    HRESULT FinalConstruct();
    CSorvaneBrowser();
    ~CSorvaneBrowser() override;

    // IOleWindow
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL enterMode) override;
    // IShellBrowser
    STDMETHOD(InsertMenusSB)(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHOD(SetMenuSB)(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    STDMETHOD(RemoveMenusSB)(HMENU shared) override;
    STDMETHOD(SetStatusTextSB)(LPCWSTR text) override;
    STDMETHOD(EnableModelessSB)(BOOL enable) override;
    STDMETHOD(TranslateAcceleratorSB)(MSG* message, WORD id) override;
    STDMETHOD(BrowseObject)(PCUIDLIST_RELATIVE list, UINT flags) override;
    STDMETHOD(GetViewStateStream)(DWORD mode, IStream** stream) override;
    STDMETHOD(GetControlWindow)(UINT id, HWND* window) override;
    STDMETHOD(SendControlMsg)(UINT id, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    STDMETHOD(QueryActiveShellView)(IShellView** view) override;
    STDMETHOD(OnViewWindowActive)(IShellView* view) override;
    STDMETHOD(SetToolbarItems)(LPTBBUTTONSB buttons, UINT count, UINT flags) override;

    // True when the mode changed; the new mode applies at the next view creation.
    virtual bool SetIncludeObjectType(IncludeObjectEnum mode);
    virtual IncludeObjectEnum GetIncludeObjectType();
    // The view's default command: fires ObjectSelect for the selection and, when the
    // selection is a folder, posts WM_ONSELECT with that folder (one reference, which the
    // message's handler releases). A selection that is no folder gives its error.
    virtual HRESULT DefaultCommand(IShellView* view);
    virtual void GoUpOneLevel();
    // Not referenced.
    virtual void SetOwner(SorvaneBrowserOwner* owner);
    virtual SorvaneBrowserOwner* GetOwner();
    virtual CShellFolder& GetShellFolder();
    virtual HRESULT CloseView();
    // Shows folder; list is its absolute list when the caller has it (copied). False when
    // no view could be made, and then the old view stays.
    virtual bool BrowseTo(IShellFolder* folder, bool keep, LPCITEMIDLIST list);
    // Sets the held font on the view's list.
    virtual void ApplyFont();
    virtual void InstallHook();
    virtual void RemoveHook();

    // The control's font; empty when none is held.
    const framework::Held<IFontDisp>& Font() const { return font_; }
    // Holds font (a reference is added) in place of the old one; null drops it.
    void SetFont(IFontDisp* font);

private:
    framework::Held<IFontDisp> font_;
    IncludeObjectEnum filterMode_ = AllObjects;
    CShellFolder shellFolder_{*this};
    framework::Held<IUnknown> inner_;
    CSorvaneCommDlgBrowser* commDlgBrowser_ = nullptr;  // the object behind inner_
    SorvaneBrowserOwner* owner_ = nullptr;
    // This browser's view counts among the users of the process-wide hook.
    bool holdsHook_ = false;
};
