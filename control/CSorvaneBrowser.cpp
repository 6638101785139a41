#include "CSorvaneBrowser.h"

#include "CSorvaneCommDlgBrowser.h"
#include "FolderIDList.h"
#include "ItemIDList.h"
#include "ShellSelection.h"
#include "SorvaneMessages.h"
#include "ViewHook.h"

namespace {

// The view's list, a child of the view window.
constexpr int viewListId = 1;

// Arial, 8 points, normal weight, default character set.
IFontDisp* CreateDefaultFont()
{
    FONTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.lpstrName = const_cast<LPOLESTR>(L"Arial");
    description.cySize.int64 = 8 * 10000;
    description.sWeight = FW_NORMAL;
    description.sCharset = DEFAULT_CHARSET;
    IFontDisp* font = nullptr;
    if (FAILED(OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(&font))))
        return nullptr;
    return font;
}

bool FocusInside(HWND window)
{
    HWND focus = GetFocus();
    return window && focus && (focus == window || IsChild(window, focus));
}

}  // namespace

std::span<const framework::InterfaceEntry> CSorvaneBrowser::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CSorvaneBrowser, IShellBrowser>(IID_IShellBrowser),
    };
    return table;
}

HRESULT CSorvaneBrowser::InternalQueryInterface(REFIID iid, void** out)
{
    const HRESULT hr = ComClass<CSorvaneBrowser>::InternalQueryInterface(iid, out);
    if (hr != E_NOINTERFACE || iid != IID_ICommDlgBrowser || !inner_)
        return hr;
    return inner_->QueryInterface(iid, out);
}

CSorvaneBrowser::CSorvaneBrowser() : font_(CreateDefaultFont())
{
}

HRESULT CSorvaneBrowser::FinalConstruct()
{
    HRESULT hr = framework::CreateInstance<CSorvaneCommDlgBrowser>(static_cast<IShellBrowser*>(this), IID_IUnknown,
                                                                   inner_.outVoid());
    if (FAILED(hr))
        return hr;
    // Only the pointer is kept: the inner object's interfaces count on this outer object,
    // so the reference goes back when commDlg goes.
    framework::Held<ICommDlgBrowser> commDlg;
    hr = inner_->QueryInterface(IID_ICommDlgBrowser, commDlg.outVoid());
    if (FAILED(hr))
        return hr;
    commDlgBrowser_ = static_cast<CSorvaneCommDlgBrowser*>(commDlg.get());
    commDlgBrowser_->SetOwnerBrowser(this);
    return S_OK;
}

CSorvaneBrowser::~CSorvaneBrowser()
{
    // A view still shown would keep the hook, and its procedure, after the module goes.
    RemoveHook();
}

STDMETHODIMP CSorvaneBrowser::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = owner_ ? owner_->OwnerWindow() : nullptr;
    return S_OK;
}

STDMETHODIMP CSorvaneBrowser::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CSorvaneBrowser::SetMenuSB(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CSorvaneBrowser::RemoveMenusSB(HMENU)
{
    return S_OK;
}

STDMETHODIMP CSorvaneBrowser::SetStatusTextSB(LPCWSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::EnableModelessSB(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::TranslateAcceleratorSB(MSG*, WORD)
{
    return E_NOTIMPL;
}

// Every change of folder goes through BrowseTo, never through the view itself.
STDMETHODIMP CSorvaneBrowser::BrowseObject(PCUIDLIST_RELATIVE, UINT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::GetViewStateStream(DWORD, IStream** stream)
{
    if (stream)
        *stream = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::GetControlWindow(UINT, HWND*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CSorvaneBrowser::QueryActiveShellView(IShellView** view)
{
    if (!view)
        return E_POINTER;
    *view = shellFolder_.View();
    if (!*view)
        return E_FAIL;
    (*view)->AddRef();
    return S_OK;
}

STDMETHODIMP CSorvaneBrowser::OnViewWindowActive(IShellView*)
{
    return S_OK;
}

STDMETHODIMP CSorvaneBrowser::SetToolbarItems(LPTBBUTTONSB, UINT, UINT)
{
    return E_NOTIMPL;
}

bool CSorvaneBrowser::SetIncludeObjectType(IncludeObjectEnum mode)
{
    if (mode == filterMode_)
        return false;
    filterMode_ = mode;
    if (commDlgBrowser_)
        commDlgBrowser_->SetFilterMode(mode);
    return true;
}

IncludeObjectEnum CSorvaneBrowser::GetIncludeObjectType()
{
    return filterMode_;
}

HRESULT CSorvaneBrowser::DefaultCommand(IShellView* view)
{
    {
        framework::Held<IXeltObject> selected;
        if (SUCCEEDED(CreateSelectionObject(view, selected.out())) && owner_)
        {
            try
            {
                owner_->Fire_ObjectSelect(selected.get());
            }
            catch (...)
            {
                // The container's handler does not decide whether the folder opens.
            }
        }
    }

    framework::Held<IShellFolder> folder;
    const HRESULT hr = BindSelectedFolder(view, folder.out());
    if (FAILED(hr))
        return hr;
    HWND control = nullptr;
    GetWindow(&control);
    // The message carries the folder's reference to the control.
    if (control && PostMessageW(control, WM_ONSELECT, 0, reinterpret_cast<LPARAM>(folder.get())))
        folder.detach();
    return S_OK;
}

void CSorvaneBrowser::GoUpOneLevel()
{
    LPITEMIDLIST shown = GetFolderIDList(shellFolder_.ShownFolder());
    LPITEMIDLIST parent = CopyParentIDList(shown);
    framework::Held<IShellFolder> desktop;
    if (SUCCEEDED(SHGetDesktopFolder(desktop.out())) && desktop)
    {
        bool browsed = false;
        if (parent)
        {
            framework::Held<IShellFolder> folder;
            if (SUCCEEDED(desktop->BindToObject(parent, nullptr, IID_IShellFolder, folder.outVoid())) && folder)
                browsed = BrowseTo(folder.get(), true, nullptr);
        }
        else
            browsed = BrowseTo(desktop.get(), true, nullptr);

        if (browsed)
        {
            // The folder just left, named inside the new one (none when leaving the desktop).
            LPITEMIDLIST left = CopyLastItemID(shown);
            if (left && left->mkid.cb && shellFolder_.View())
                shellFolder_.View()->SelectItem(left, SVSI_SELECT | SVSI_FOCUSED);
            FreeIDList(left);
        }
    }
    FreeIDList(parent);
    FreeIDList(shown);
}

void CSorvaneBrowser::SetOwner(SorvaneBrowserOwner* owner)
{
    owner_ = owner;
}

SorvaneBrowserOwner* CSorvaneBrowser::GetOwner()
{
    return owner_;
}

CShellFolder& CSorvaneBrowser::GetShellFolder()
{
    return shellFolder_;
}

HRESULT CSorvaneBrowser::CloseView()
{
    RemoveHook();
    return shellFolder_.DestroyView();
}

bool CSorvaneBrowser::BrowseTo(IShellFolder* folder, bool keep, LPCITEMIDLIST list)
{
    HWND control = nullptr;
    GetWindow(&control);
    const bool hadFocus = FocusInside(control);
    RemoveHook();
    if (FAILED(shellFolder_.CreateFolderView(folder, keep)))
    {
        InstallHook();
        return false;
    }
    ApplyFont();
    HWND viewWindow = nullptr;
    if (SUCCEEDED(shellFolder_.View()->GetWindow(&viewWindow)) && hadFocus)
        SetFocus(viewWindow);
    InstallHook();

    LPITEMIDLIST absolute = list ? CopyIDList(list) : GetFolderIDList(folder);
    IXeltFolder* current = owner_ ? owner_->GetCurrentFolder() : nullptr;
    if (!current)
        FreeIDList(absolute);
    else if (SUCCEEDED(current->_SetItemIDList(reinterpret_cast<LONG*>(absolute))))
        PostMessageW(control, WM_BROWSEFOLDERCHANGE, 0, 0);
    return true;
}

void CSorvaneBrowser::ApplyFont()
{
    IShellView* view = shellFolder_.View();
    if (!font_ || !view)
        return;
    framework::Held<IFont> font;
    if (FAILED(font_->QueryInterface(IID_IFont, font.outVoid())) || !font)
        return;
    HWND viewWindow = nullptr;
    HFONT handle = nullptr;
    if (SUCCEEDED(view->GetWindow(&viewWindow)) && SUCCEEDED(font->get_hFont(&handle)))
        SendMessageW(GetDlgItem(viewWindow, viewListId), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

void CSorvaneBrowser::InstallHook()
{
    IShellView* view = shellFolder_.View();
    HWND viewWindow = nullptr;
    if (holdsHook_ || !view || FAILED(view->GetWindow(&viewWindow)) || !viewWindow)
        return;
    AcquireViewHook(GetWindowThreadProcessId(viewWindow, nullptr));
    holdsHook_ = true;
}

void CSorvaneBrowser::RemoveHook()
{
    if (!holdsHook_)
        return;
    ReleaseViewHook();
    holdsHook_ = false;
}

void CSorvaneBrowser::SetFont(IFontDisp* font)
{
    font_.share(font);
}
