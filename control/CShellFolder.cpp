#include "CShellFolder.h"

#include "CSorvaneBrowser.h"
#include "PaintPump.h"

namespace {

// The view's list, a child of the view window.
constexpr int viewListId = 1;

}  // namespace

void CShellFolder::ResizeView(int width, int height)
{
    if (viewWindow_ && IsWindow(viewWindow_))
        SetWindowPos(viewWindow_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

IShellFolder* CShellFolder::GetFilterFolder()
{
    return filterFolder_;
}

HRESULT CShellFolder::CreateViewOfFolder(IShellFolder* folder, bool keep, IShellView** view, HWND* window)
{
    HWND owner = GetOwnerWindow();
    // A view without the control window would float as a window of its own.
    if (!owner)
        return E_UNEXPECTED;
    RECT client = {};
    GetClientRect(owner, &client);
    HRESULT hr = E_FAIL;
    try
    {
        hr = folder->CreateViewObject(owner, IID_IShellView, reinterpret_cast<void**>(view));
    }
    catch (...)
    {
        hr = E_FAIL;
    }
    if (FAILED(hr) || !*view)
        return FAILED(hr) ? hr : E_FAIL;

    FOLDERSETTINGS settings = {};
    if (SorvaneBrowserOwner* control = browser_.GetOwner())
        settings = control->NewViewSettings();
    if (keep && view_)
        view_->GetCurrentInfo(&settings);
    try
    {
        hr = (*view)->CreateViewWindow(nullptr, &settings, &browser_, &client, window);
    }
    catch (...)
    {
        hr = E_FAIL;
    }
    return hr;
}

HRESULT CShellFolder::CreateFolderView(IShellFolder* folder, bool keep)
{
    if (!folder)
        return E_POINTER;
    // The filters ask this folder while the new view enumerates its items.
    filterFolder_ = folder;
    HWND owner = GetOwnerWindow();
    const bool visible = owner && IsWindowVisible(owner);
    if (visible)
        SetWindowPos(owner, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);

    framework::Held<IShellView> view;
    HWND window = nullptr;
    const HRESULT hr = CreateViewOfFolder(folder, keep, view.out(), &window);
    if (SUCCEEDED(hr))
    {
        ShowWindow(GetDlgItem(window, viewListId), SW_SHOW);
        // The old window goes only now that the new one covers the control.
        DestroyView();
        shownFolder_.share(folder);
        filterFolder_ = folder;
        view_ = std::move(view);
        viewWindow_ = window;
    }
    else
    {
        view.reset();
        filterFolder_ = shownFolder_.get();
    }

    if (visible)
    {
        PumpPaintMessages();
        SetWindowPos(owner, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    return hr;
}

HRESULT CShellFolder::DestroyView()
{
    HRESULT hr = S_OK;
    if (view_)
    {
        try
        {
            hr = view_->DestroyViewWindow();
        }
        catch (...)
        {
            hr = E_FAIL;
        }
        view_.reset();
    }
    viewWindow_ = nullptr;
    if (filterFolder_ == shownFolder_.get())
        filterFolder_ = nullptr;
    shownFolder_.reset();
    return hr;
}

HWND CShellFolder::GetOwnerWindow()
{
    HWND window = nullptr;
    browser_.GetWindow(&window);
    return window;
}
