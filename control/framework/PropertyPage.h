#pragma once
// IPropertyPage of a page whose window is a dialog template of the module: the frame hands
// it the objects being edited, activates it and applies it.
#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "Held.h"

namespace framework {

class PropertyPage : public IPropertyPage
{
public:
    STDMETHOD(SetPageSite)(IPropertyPageSite* site) override;
    STDMETHOD(Activate)(HWND parent, LPCRECT rect, BOOL modal) override;
    STDMETHOD(Deactivate)() override;
    STDMETHOD(GetPageInfo)(PROPPAGEINFO* info) override;
    // The objects being edited, each kept with a reference.
    STDMETHOD(SetObjects)(ULONG count, IUnknown** objects) override;
    STDMETHOD(Show)(UINT command) override;
    STDMETHOD(Move)(LPCRECT rect) override;
    STDMETHOD(IsPageDirty)() override { return dirty_ ? S_OK : S_FALSE; }
    STDMETHOD(Help)(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHOD(TranslateAccelerator)(MSG* message) override;

    HWND Window() const { return window_; }
    bool Dirty() const { return dirty_; }
    const std::vector<Held<IUnknown>>& Objects() const { return objects_; }

protected:
    struct Resources
    {
        UINT dialog;
        UINT title;
        UINT helpFile;
        UINT docString;
    };
    explicit PropertyPage(Resources resources) : resources_(resources) {}
    virtual ~PropertyPage();

    // A dirty page tells its site, which lets the frame enable Apply.
    void SetDirty(bool dirty);
    // Messages of the page's dialog; handled false leaves them to the dialog manager.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The template's size in pixels of its font.
    SIZE DialogSize() const;

    Resources resources_;
    Held<IPropertyPageSite> site_;
    std::vector<Held<IUnknown>> objects_;
    HWND window_ = nullptr;
    bool dirty_ = false;
};

}  // namespace framework
