#pragma once
// A shell view whose every view method answers E_NOTIMPL: a fake derives from it, answers
// IUnknown its own way and overrides what its test reads.
#include <windows.h>
#include <shlobj.h>

class ShellViewStub : public IShellView
{
public:
    virtual ~ShellViewStub() = default;

    STDMETHOD(GetWindow)(HWND*) override { return E_NOTIMPL; }
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(TranslateAccelerator)(MSG*) override { return E_NOTIMPL; }
    STDMETHOD(EnableModeless)(BOOL) override { return E_NOTIMPL; }
    STDMETHOD(UIActivate)(UINT) override { return E_NOTIMPL; }
    STDMETHOD(Refresh)() override { return E_NOTIMPL; }
    STDMETHOD(CreateViewWindow)(IShellView*, LPCFOLDERSETTINGS, IShellBrowser*, RECT*, HWND*) override
    {
        return E_NOTIMPL;
    }
    STDMETHOD(DestroyViewWindow)() override { return E_NOTIMPL; }
    STDMETHOD(GetCurrentInfo)(LPFOLDERSETTINGS) override { return E_NOTIMPL; }
    STDMETHOD(AddPropertySheetPages)(DWORD, LPFNSVADDPROPSHEETPAGE, LPARAM) override { return E_NOTIMPL; }
    STDMETHOD(SaveViewState)() override { return E_NOTIMPL; }
    STDMETHOD(SelectItem)(PCUITEMID_CHILD, SVSIF) override { return E_NOTIMPL; }
    STDMETHOD(GetItemObject)(UINT, REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOTIMPL;
    }
};
