#include "CSorvane.h"

#include <initguid.h>
#include <msstkppg.h>

#include "CMaskWord.h"
#include "CSorvaneBrowser.h"
#include "CXeltFolder.h"
#include "CXeltObjects.h"
#include "ItemIDList.h"
#include "PaintPump.h"
#include "SorvaneMessages.h"
#include "SorvaneWindowClass.h"
#include "framework/Module.h"
#include "framework/VariantArgument.h"
#include "framework/VariantStream.h"

namespace {

constexpr DISPID fontId = DISPID_FONT;  // -512
// The shell view asks its parent window for its browser with this message.
constexpr UINT getShellBrowserMessage = WM_USER + 7;
constexpr int viewListId = 1;

LONG& ExtentWidth(framework::ControlBase& control)
{
    return control.extent.cx;
}

LONG& ExtentHeight(framework::ControlBase& control)
{
    return control.extent.cy;
}

using Entry = framework::PropertyMapEntry;
const Entry propertyMap[] = {
    {L"_cx", Entry::Kind::Raw, 0, &ExtentWidth, nullptr},
    {L"_cy", Entry::Kind::Raw, 0, &ExtentHeight, nullptr},
    {L"ViewMode", Entry::Kind::Property, 1, nullptr, nullptr},
    {L"IncludeObject", Entry::Kind::Property, 6, nullptr, nullptr},
    {L"FilePattern", Entry::Kind::Property, 8, nullptr, nullptr},
    {L"Enabled", Entry::Kind::Property, DISPID_ENABLED, nullptr, nullptr},
    {L"Font", Entry::Kind::Property, fontId, nullptr, &CLSID_StockFontPage},
    {nullptr, Entry::Kind::PageOnly, 0, nullptr, &CLSID_FolderFlags},
};

// A clone of font for the control to keep; empty when it cannot be made.
framework::Held<IFontDisp> CloneFont(IFontDisp* font)
{
    framework::Held<IFont> original;
    framework::Held<IFont> copy;
    framework::Held<IFontDisp> copyDispatch;
    if (SUCCEEDED(font->QueryInterface(IID_IFont, original.outVoid())) && SUCCEEDED(original->Clone(copy.out())))
        copy->QueryInterface(IID_IFontDisp, copyDispatch.outVoid());
    return copyDispatch;
}

// Messages that the container reflects back to the control, less the reflection base.
bool IsReflected(UINT message)
{
    if (message < OCM__BASE)
        return false;
    switch (message - OCM__BASE)
    {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

}  // namespace

std::span<const framework::InterfaceEntry> CSorvane::Interfaces()
{
    using framework::Interface;
    using framework::InterfaceThrough;
    static constexpr framework::InterfaceEntry table[] = {
        Interface<CSorvane, ISorvane>(IID_ISorvane),
        Interface<CSorvane, IDispatch>(IID_IDispatch),
        Interface<CSorvane, IViewObjectEx>(IID_IViewObjectEx),
        Interface<CSorvane, IViewObject2>(IID_IViewObject2),
        Interface<CSorvane, IViewObject>(IID_IViewObject),
        Interface<CSorvane, IOleInPlaceObjectWindowless>(IID_IOleInPlaceObjectWindowless),
        Interface<CSorvane, IOleInPlaceObject>(IID_IOleInPlaceObject),
        InterfaceThrough<CSorvane, IOleInPlaceObject, IOleWindow>(IID_IOleWindow),
        Interface<CSorvane, IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject),
        Interface<CSorvane, IOleControl>(IID_IOleControl),
        Interface<CSorvane, IOleObject>(IID_IOleObject),
        Interface<CSorvane, IPersistStreamInit>(IID_IPersistStreamInit),
        InterfaceThrough<CSorvane, IPersistStreamInit, IPersist>(IID_IPersist),
        Interface<CSorvane, IConnectionPointContainer>(IID_IConnectionPointContainer),
        Interface<CSorvane, ISpecifyPropertyPages>(IID_ISpecifyPropertyPages),
        Interface<CSorvane, IQuickActivate>(IID_IQuickActivate),
        Interface<CSorvane, IPersistStorage>(IID_IPersistStorage),
        Interface<CSorvane, IDataObject>(IID_IDataObject),
        Interface<CSorvane, IProvideClassInfo>(IID_IProvideClassInfo),
        Interface<CSorvane, IProvideClassInfo2>(IID_IProvideClassInfo2),
        Interface<CSorvane, ICategorizeProperties>(IID_ICategorizeProperties),
        Interface<CSorvane, IObjectSafety>(IID_IObjectSafety),
    };
    return table;
}

CSorvane::CSorvane() : filePattern_(SysAllocString(L"*.*"))
{
    Categorize(fontId, "Font");
}

HRESULT CSorvane::FinalConstruct()
{
    framework::ComObject<CSorvaneBrowser>* browser = nullptr;
    HRESULT hr = framework::ComObject<CSorvaneBrowser>::Create(&browser);
    if (FAILED(hr))
        return hr;
    browser_.share(browser);
    browser_->SetOwner(this);

    framework::ComObject<CXeltFolder>* folder = nullptr;
    if (SUCCEEDED(framework::ComObject<CXeltFolder>::Create(&folder)))
        currentFolder_.share(folder);

    framework::ComObject<CXeltObjects>* items = nullptr;
    hr = framework::ComObject<CXeltObjects>::Create(&items);
    if (SUCCEEDED(hr))
    {
        items_.share(items);
        items->SetBrowser(browser_.get());
    }
    SetDirty(true);
    return hr;
}

CSorvane::~CSorvane()
{
    // The window goes while the control is whole, so its last messages find it so.
    if (Window())
    {
        browser_->CloseView();
        DestroyWindow(Window());
    }
    // Given up before the pattern and the event points go, and in this order.
    currentFolder_.reset();
    browser_.reset();
    items_.reset();
    SysFreeString(filePattern_);
}

std::vector<framework::ConnectionPoint*> CSorvane::ConnectionPoints()
{
    return {&propertyNotifyPoint_, &eventsPoint_};
}

std::span<const framework::PropertyMapEntry> CSorvane::PropertyMap()
{
    return propertyMap;
}

// --- ISorvane ------------------------------------------------------------------------

STDMETHODIMP CSorvane::get_ViewMode(ViewModeType* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = static_cast<ViewModeType>(viewMode_);
    return S_OK;
}

STDMETHODIMP CSorvane::put_ViewMode(ViewModeType value)
{
    viewMode_ = value;
    RefreshView(false);
    return S_OK;
}

STDMETHODIMP CSorvane::ModifyFolderFlags(FolderFlagsEnum dwAdd, FolderFlagsEnum dwRemove)
{
    const LONG flags = (folderFlags_ | dwAdd) & ~static_cast<LONG>(dwRemove);
    if (flags != folderFlags_)
    {
        folderFlags_ = flags;
        RefreshView(false);
    }
    return S_OK;
}

STDMETHODIMP CSorvane::get_ViewFolderFlags(LONG* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = folderFlags_;
    return S_OK;
}

HRESULT CSorvane::OpenFolder(const VARIANT& path, IXeltFolder** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (framework::IsNullReference(path))
        return E_INVALIDARG;
    framework::ComObject<CXeltFolder>* created = nullptr;
    HRESULT hr = framework::ComObject<CXeltFolder>::Create(&created);
    if (FAILED(hr))
        return hr;
    framework::Held<framework::ComObject<CXeltFolder>> folder;
    folder.share(created);
    hr = folder->QueryInterface(IID_IXeltFolder, reinterpret_cast<void**>(out));
    if (FAILED(hr))
        return hr;
    // A path that names nothing leaves the folder without a list; the object is handed out anyway.
    (*out)->_Open(path);
    return hr;
}

STDMETHODIMP CSorvane::get_SpecialFolder(SpecialFolderPathConstants anSpecialFolder, IXeltFolder** pVal)
{
    VARIANT number;
    V_VT(&number) = VT_I4;
    V_I4(&number) = anSpecialFolder;
    return OpenFolder(number, pVal);
}

STDMETHODIMP CSorvane::get_ShellFolder(VARIANT anPath, IXeltFolder** pVal)
{
    return OpenFolder(anPath, pVal);
}

STDMETHODIMP CSorvane::get_BrowseFolder(VARIANT* pVal)
{
    if (!pVal)
        return E_POINTER;
    VariantClear(pVal);
    if (!currentFolder_)
        return E_FAIL;
    V_VT(pVal) = VT_DISPATCH;
    return currentFolder_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&V_DISPATCH(pVal)));
}

STDMETHODIMP CSorvane::put_BrowseFolder(VARIANT value)
{
    if (framework::IsNullReference(value))
        return E_INVALIDARG;
    LPITEMIDLIST list = VariantToIDList(&value);
    if (!list)
        return S_OK;
    framework::Held<IShellFolder> desktop;
    if (SUCCEEDED(SHGetDesktopFolder(desktop.out())))
    {
        framework::Held<IShellFolder> folder;
        if (SUCCEEDED(desktop->BindToObject(list, nullptr, IID_IShellFolder, folder.outVoid())))
            browser_->BrowseTo(folder.get(), true, list);
        else
            // The desktop's own empty list binds to nothing: it is the desktop.
            browser_->BrowseTo(desktop.get(), true, list);
    }
    FreeIDList(list);
    return S_OK;
}

STDMETHODIMP CSorvane::get_IncludeObjectType(IncludeObjectEnum* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = browser_->GetIncludeObjectType();
    return S_OK;
}

STDMETHODIMP CSorvane::put_IncludeObjectType(IncludeObjectEnum value)
{
    if (browser_->SetIncludeObjectType(value))
        RefreshView(true);
    return S_OK;
}

STDMETHODIMP CSorvane::UpOneLevel()
{
    browser_->GoUpOneLevel();
    return S_OK;
}

STDMETHODIMP CSorvane::get_FilePattern(BSTR* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = filePattern_ ? SysAllocStringLen(filePattern_, SysStringLen(filePattern_)) : SysAllocString(L"");
    return *pVal ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CSorvane::put_FilePattern(BSTR value)
{
    BSTR copy = nullptr;
    if (value)
    {
        copy = SysAllocStringLen(value, SysStringLen(value));
        if (!copy)
            return E_OUTOFMEMORY;
    }
    SysFreeString(filePattern_);
    filePattern_ = copy;
    if (browser_->GetIncludeObjectType() == PatternObjects)
        RefreshView(true);
    return S_OK;
}

STDMETHODIMP CSorvane::get_MatchPattern(BSTR strPattern, BSTR strWord, VARIANT_BOOL* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = CMaskWord(strPattern).Match(strWord) ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP CSorvane::get__EnumObject(IXeltObject**)
{
    return S_OK;
}

STDMETHODIMP CSorvane::get_Enabled(VARIANT_BOOL* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = enabled_;
    return S_OK;
}

STDMETHODIMP CSorvane::put_Enabled(VARIANT_BOOL value)
{
    enabled_ = value;
    HWND window = Window();
    if (IsDesignMode() || !window)
        return S_OK;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR wanted =
        value == VARIANT_FALSE ? (style | WS_DISABLED) : (style & ~static_cast<LONG_PTR>(WS_DISABLED));
    if (wanted != style)
        SetWindowLongPtrW(window, GWL_STYLE, wanted);
    return S_OK;
}

STDMETHODIMP CSorvane::get_Version(BSTR* pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = SysAllocString(L"1.00.009");
    return *pVal ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CSorvane::put_Version(BSTR)
{
    return S_OK;
}

STDMETHODIMP CSorvane::get_Objects(IXeltObjects** pVal)
{
    if (!pVal)
        return E_POINTER;
    *pVal = nullptr;
    if (!items_)
        return E_FAIL;
    return items_->QueryInterface(IID_IXeltObjects, reinterpret_cast<void**>(pVal));
}

STDMETHODIMP CSorvane::get_hWnd(LONG* phwnd)
{
    if (!phwnd)
        return E_POINTER;
    *phwnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(Window()));
    return S_OK;
}

STDMETHODIMP CSorvane::Refresh()
{
    // Without a window the message would go to the thread's queue and reach nobody.
    if (Window())
        PostMessageW(Window(), WM_INITREFRESH, 0, 0);
    return S_OK;
}

HRESULT CSorvane::SetFont(IFontDisp* font, bool clone)
{
    if (FireOnRequestEdit(fontId) == S_FALSE)
        return S_FALSE;
    browser_->SetFont(nullptr);
    if (font)
        browser_->SetFont(clone ? CloneFont(font).get() : font);
    SetDirty(true);
    FireOnChanged(fontId);
    FireViewChange();
    SendOnDataChange();
    return S_OK;
}

STDMETHODIMP CSorvane::put_Font(IFontDisp* value)
{
    return SetFont(value, true);
}

STDMETHODIMP CSorvane::putref_Font(IFontDisp* value)
{
    return SetFont(value, false);
}

STDMETHODIMP CSorvane::get_Font(IFontDisp** ppFont)
{
    if (!ppFont)
        return E_POINTER;
    *ppFont = browser_->Font().copy();
    return S_OK;
}

// --- OLE control ---------------------------------------------------------------------

STDMETHODIMP CSorvane::Close(DWORD saveOption)
{
    browser_->CloseView();
    return OleObject::Close(saveOption);
}

STDMETHODIMP CSorvane::SetObjectRects(LPCRECT position, LPCRECT clip)
{
    if (position)
        browser_->GetShellFolder().ResizeView(position->right - position->left, position->bottom - position->top);
    return InPlaceObject::SetObjectRects(position, clip);
}

STDMETHODIMP CSorvane::TranslateAccelerator(LPMSG message)
{
    if (message && message->message == WM_KEYDOWN && message->wParam >= VK_LEFT && message->wParam <= VK_DOWN)
        return S_FALSE;
    return InPlaceActiveObject::TranslateAccelerator(message);
}

HRESULT CSorvane::FireViewChange()
{
    const HRESULT hr = ControlBase::FireViewChange();
    if (SUCCEEDED(hr))
        browser_->ApplyFont();
    return hr;
}

bool CSorvane::IsDesignMode()
{
    VARIANT userMode;
    const HRESULT hr = GetAmbientProperty(DISPID_AMBIENT_USERMODE, &userMode);
    const bool runMode = SUCCEEDED(hr) && V_VT(&userMode) == VT_BOOL && V_BOOL(&userMode) != VARIANT_FALSE;
    VariantClear(&userMode);
    return !runMode;
}

void CSorvane::RefreshView(bool keep)
{
    framework::Held<IShellFolder> folder;
    folder.share(browser_->GetShellFolder().ShownFolder());
    if (!folder)
        return;
    HWND window = Window();
    const bool visible = window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE);
    if (visible)
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    browser_->BrowseTo(folder.get(), keep, nullptr);
    if (visible)
    {
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        PumpPaintMessages();
    }
}

FOLDERSETTINGS CSorvane::NewViewSettings()
{
    return {static_cast<UINT>(viewMode_), static_cast<UINT>(folderFlags_)};
}

HRESULT CSorvane::ShowPropertyPages(HWND parent)
{
    std::vector<CLSID> pages = Pages();
    IUnknown* self = ControlUnknown();
    return OleCreatePropertyFrame(parent, 0, 0, nullptr, 1, &self, static_cast<ULONG>(pages.size()), pages.data(),
                                  LOCALE_USER_DEFAULT, 0, nullptr);
}

// --- Persistence ---------------------------------------------------------------------

HRESULT CSorvane::SaveAfterMap(IStream* stream)
{
    VARIANT flags;
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = folderFlags_;
    return framework::WriteVariant(stream, flags);
}

void CSorvane::LoadAfterMap(IStream* stream)
{
    VARIANT flags;
    VariantInit(&flags);
    if (SUCCEEDED(framework::ReadVariant(stream, &flags)) && SUCCEEDED(VariantChangeType(&flags, &flags, 0, VT_I4)))
        folderFlags_ = V_I4(&flags);
    VariantClear(&flags);
}

// --- The control window --------------------------------------------------------------

ATOM CSorvane::ControlWindowClass()
{
    return RegisterSorvaneWindowClass(framework::Module::Instance().ResourceInstance(), &WindowProcedure);
}

LRESULT CSorvane::OnCreate()
{
    framework::Held<IShellFolder> desktop;
    if (SUCCEEDED(SHGetDesktopFolder(desktop.out())))
        browser_->BrowseTo(desktop.get(), true, nullptr);
    put_Enabled(enabled_);
    PostMessageW(Window(), WM_INITREFRESH, 0, 0);
    return 0;
}

void CSorvane::OnSetFocus()
{
    if (InPlaceActive() && !UIActive())
        InPlaceActivate(OLEIVERB_UIACTIVATE);
    HWND window = Window();
    if (!window || IsChild(window, GetFocus()))
        return;
    HWND owner = nullptr;
    browser_->GetWindow(&owner);
    if (HWND list = owner ? GetDlgItem(owner, viewListId) : nullptr)
        SetFocus(list);
}

void CSorvane::OnBrowseFolderChange()
{
    // A container's handler that pumps messages gets no second event inside the first.
    if (InterlockedIncrement(&eventReentry_) != 1)
    {
        InterlockedDecrement(&eventReentry_);
        return;
    }
    try
    {
        events_.Fire_BrowseFolderChange();
    }
    catch (...)
    {
    }
    InterlockedDecrement(&eventReentry_);
}

LRESULT CSorvane::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    if (message == WM_UPONELEVEL)
    {
        browser_->GoUpOneLevel();
        return 0;
    }
    if (message == WM_BROWSEFOLDERCHANGE)
    {
        OnBrowseFolderChange();
        return 0;
    }
    if (message == WM_ONSELECT)
    {
        // The folder's reference came with the message.
        framework::Held<IShellFolder> folder(reinterpret_cast<IShellFolder*>(lParam));
        if (folder)
        {
            browser_->BrowseTo(folder.get(), true, nullptr);
            SetWindowTextW(Window(), L"Exploring");
        }
        return 0;
    }
    if (message == WM_CLICK)
    {
        events_.Fire_Click();
        return 0;
    }
    if (message == WM_DBLCLICK)
    {
        events_.Fire_DblClick();
        return 0;
    }
    if (message == WM_INITREFRESH)
    {
        RefreshView(true);
        return 0;
    }
    switch (message)
    {
    case WM_CREATE:
        return OnCreate();
    case getShellBrowserMessage:
        return reinterpret_cast<LRESULT>(static_cast<IShellBrowser*>(browser_.get()));
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KEYDOWN:
    {
        const short key = static_cast<short>(LOWORD(wParam));
        if (key >= 27)
            events_.Fire_KeyPress(key);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    if (IsReflected(message))
        return DefWindowProcW(Window(), message - OCM__BASE, wParam, lParam);
    handled = false;
    return 0;
}
