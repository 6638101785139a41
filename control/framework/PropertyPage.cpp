#include "PropertyPage.h"

#include <string>

#include "Module.h"

namespace framework {

namespace {

// A copy of the module's string id in task memory, as PROPPAGEINFO holds its texts.
LPOLESTR TaskString(UINT id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(Module::Instance().ResourceInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc((length + 1) * sizeof(OLECHAR)));
    if (copy)
    {
        if (length > 0)
            wmemcpy(copy, text, length);
        copy[length > 0 ? length : 0] = 0;
    }
    return copy;
}

}  // namespace

PropertyPage::~PropertyPage()
{
    if (window_)
        DestroyWindow(window_);
}

STDMETHODIMP PropertyPage::SetPageSite(IPropertyPageSite* site)
{
    site_.share(site);
    return S_OK;
}

STDMETHODIMP PropertyPage::Activate(HWND parent, LPCRECT rect, BOOL)
{
    if (window_)
        return E_UNEXPECTED;
    window_ = CreateDialogParamW(Module::Instance().ResourceInstance(), MAKEINTRESOURCEW(resources_.dialog), parent,
                                 &DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (!window_)
        return E_FAIL;
    if (rect)
        Move(rect);
    return S_OK;
}

STDMETHODIMP PropertyPage::Deactivate()
{
    if (!window_)
        return E_UNEXPECTED;
    DestroyWindow(window_);
    window_ = nullptr;
    return S_OK;
}

SIZE PropertyPage::DialogSize() const
{
    SIZE size{0, 0};
    HRSRC found = FindResourceW(Module::Instance().ResourceInstance(), MAKEINTRESOURCEW(resources_.dialog), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(Module::Instance().ResourceInstance(), found) : nullptr;
    const auto* dialog = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
    if (!dialog)
        return size;
    // Dialog units of the template's font ("MS Sans Serif", 8 points) in pixels.
    HDC screen = GetDC(nullptr);
    LOGFONTW description = {};
    description.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    wcscpy(description.lfFaceName, L"MS Sans Serif");
    HFONT font = CreateFontIndirectW(&description);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    SIZE letters{};
    const wchar_t alphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(screen, alphabet, 52, &letters);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    const LONG baseX = (letters.cx / 26 + 1) / 2;
    const LONG baseY = metrics.tmHeight;
    size.cx = MulDiv(dialog->cx, baseX, 4);
    size.cy = MulDiv(dialog->cy, baseY, 8);
    return size;
}

STDMETHODIMP PropertyPage::GetPageInfo(PROPPAGEINFO* info)
{
    if (!info)
        return E_POINTER;
    info->cb = sizeof *info;
    info->pszTitle = TaskString(resources_.title);
    info->size = DialogSize();
    info->pszHelpFile = TaskString(resources_.helpFile);
    info->pszDocString = TaskString(resources_.docString);
    info->dwHelpContext = 0;
    return S_OK;
}

STDMETHODIMP PropertyPage::SetObjects(ULONG count, IUnknown** objects)
{
    if (count && !objects)
        return E_POINTER;
    objects_.clear();
    for (ULONG index = 0; index < count; ++index)
        if (objects[index])
            objects_.emplace_back().share(objects[index]);
    return S_OK;
}

STDMETHODIMP PropertyPage::Show(UINT command)
{
    if (!window_)
        return E_UNEXPECTED;
    ShowWindow(window_, static_cast<int>(command));
    return S_OK;
}

STDMETHODIMP PropertyPage::Move(LPCRECT rect)
{
    if (!rect)
        return E_POINTER;
    if (!window_)
        return E_UNEXPECTED;
    MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

STDMETHODIMP PropertyPage::TranslateAccelerator(MSG* message)
{
    if (!message)
        return E_POINTER;
    return window_ && IsDialogMessageW(window_, message) ? S_OK : S_FALSE;
}

void PropertyPage::SetDirty(bool dirty)
{
    const bool changed = dirty_ != dirty;
    dirty_ = dirty;
    if (changed && dirty && site_)
        site_->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

INT_PTR CALLBACK PropertyPage::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        auto* page = reinterpret_cast<PropertyPage*>(lParam);
        page->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!page)
        return FALSE;
    bool handled = false;
    const INT_PTR result = page->HandleMessage(message, wParam, lParam, handled);
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        page->window_ = nullptr;
    }
    return handled ? result : FALSE;
}

}  // namespace framework
