#pragma once
// The folder the control shows, its shell view and the view's window.
#include <windows.h>
#include <shlobj.h>

#include "framework/Held.h"

class CSorvaneBrowser;

class CShellFolder
{
public:
    explicit CShellFolder(CSorvaneBrowser& browser) : browser_(browser) {}
    // Releases view and folder; the view window is left to CloseView or the control window.
    virtual ~CShellFolder() = default;
    CShellFolder(const CShellFolder&) = delete;
    CShellFolder& operator=(const CShellFolder&) = delete;

    virtual void ResizeView(int width, int height);
    // The folder being opened or shown, asked by the filters; not referenced.
    virtual IShellFolder* GetFilterFolder();
    // A new view of folder replaces the old one only once its window exists; keep takes
    // the old view's settings instead of the control's. On failure the old view stays.
    virtual HRESULT CreateFolderView(IShellFolder* folder, bool keep);
    virtual HRESULT DestroyView();
    virtual HWND GetOwnerWindow();

    // Not referenced; null while no view is shown.
    IShellFolder* ShownFolder() const { return shownFolder_.get(); }
    IShellView* View() const { return view_.get(); }
    HWND ViewWindow() const { return viewWindow_; }

private:
    HRESULT CreateViewOfFolder(IShellFolder* folder, bool keep, IShellView** view, HWND* window);

    framework::Held<IShellFolder> shownFolder_;
    framework::Held<IShellView> view_;
    HWND viewWindow_ = nullptr;
    CSorvaneBrowser& browser_;
    IShellFolder* filterFolder_ = nullptr;
};
