#include "CSorvaneCommDlgBrowser.h"

#include "CMaskWord.h"
#include "CSorvaneBrowser.h"
#include "CXeltObject.h"
#include "DisplayName.h"
#include "ItemIDList.h"
#include "framework/Held.h"

namespace {

// All attributes a folder item may have in the high bits, SFGAO_FOLDER among them.
constexpr SFGAOF attributeRequest = 0xFFF00000;

}  // namespace

std::span<const framework::InterfaceEntry> CSorvaneCommDlgBrowser::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CSorvaneCommDlgBrowser, ICommDlgBrowser>(IID_ICommDlgBrowser),
    };
    return table;
}

// S_OK in every case, so the view never carries out its own default action.
STDMETHODIMP CSorvaneCommDlgBrowser::OnDefaultCommand(IShellView* view)
{
    if (ownerBrowser_)
        ownerBrowser_->DefaultCommand(view);
    return S_OK;
}

STDMETHODIMP CSorvaneCommDlgBrowser::OnStateChange(IShellView*, ULONG change)
{
    SorvaneBrowserOwner* control = ownerBrowser_ ? ownerBrowser_->GetOwner() : nullptr;
    if (!control)
        return S_OK;
    try
    {
        control->Fire_StateChange(static_cast<StatesEnum>(change));
    }
    catch (...)
    {
        // A failing handler does not reach the view.
    }
    return S_OK;
}

STDMETHODIMP CSorvaneCommDlgBrowser::IncludeObject(IShellView*, PCUITEMID_CHILD item)
{
    return (this->*filter_)(item);
}

void CSorvaneCommDlgBrowser::SetFilterMode(LONG mode)
{
    switch (mode)
    {
    case UserObjects:
        filter_ = &CSorvaneCommDlgBrowser::IncludeByEvent;
        break;
    case FoldersOnly:
        filter_ = &CSorvaneCommDlgBrowser::IncludeFoldersByEvent;
        break;
    case PatternObjects:
        filter_ = &CSorvaneCommDlgBrowser::IncludeFoldersAndPattern;
        break;
    default:
        filter_ = &CSorvaneCommDlgBrowser::IncludeAll;
        break;
    }
}

void CSorvaneCommDlgBrowser::SetOwnerBrowser(CSorvaneBrowser* browser)
{
    ownerBrowser_ = browser;
    if (browser)
        SetFilterMode(browser->GetIncludeObjectType());
}

CSorvaneBrowser* CSorvaneCommDlgBrowser::GetOwnerBrowser()
{
    return ownerBrowser_;
}

HRESULT CSorvaneCommDlgBrowser::IncludeAll(PCUITEMID_CHILD)
{
    return S_OK;
}

HRESULT CSorvaneCommDlgBrowser::IncludeByEvent(PCUITEMID_CHILD item)
{
    VARIANT_BOOL include = VARIANT_TRUE;
    SorvaneBrowserOwner* control = ownerBrowser_ ? ownerBrowser_->GetOwner() : nullptr;
    framework::Held<IXeltObject> object;
    if (control && SUCCEEDED(CXeltObject::Create(ownerBrowser_->GetShellFolder().GetFilterFolder(), CopyIDList(item),
                                                 object.out())))
    {
        try
        {
            control->Fire_IncludeObject(object.get(), &include);
        }
        catch (...)
        {
            // A failing handler leaves the flag as it was.
        }
    }
    return include == 0 ? S_FALSE : S_OK;
}

HRESULT CSorvaneCommDlgBrowser::IncludeFoldersByEvent(PCUITEMID_CHILD item)
{
    SFGAOF attributes = 0;
    if (!ReadAttributes(item, &attributes) || !(attributes & SFGAO_FOLDER))
        return S_FALSE;
    return IncludeByEvent(item);
}

HRESULT CSorvaneCommDlgBrowser::IncludeFoldersAndPattern(PCUITEMID_CHILD item)
{
    SFGAOF attributes = 0;
    if (!ReadAttributes(item, &attributes))
        return S_FALSE;
    if (attributes & SFGAO_FOLDER)
        return S_OK;
    // The wide name: in the ANSI code page, characters it cannot hold would all become one
    // placeholder and match one another.
    std::wstring name;
    if (!GetDisplayNameWide(ownerBrowser_->GetShellFolder().GetFilterFolder(), item, SHGDN_FORPARSING, name))
        return S_FALSE;
    SorvaneBrowserOwner* control = ownerBrowser_->GetOwner();
    CMaskWord mask(control ? control->StoredFilePattern() : nullptr);
    return mask.Match(GetFileNamePart(name.c_str())) ? S_OK : S_FALSE;
}

bool CSorvaneCommDlgBrowser::ReadAttributes(PCUITEMID_CHILD item, SFGAOF* attributes)
{
    IShellFolder* folder = ownerBrowser_ ? ownerBrowser_->GetShellFolder().GetFilterFolder() : nullptr;
    if (!folder || !item)
        return false;
    *attributes = attributeRequest;
    PCUITEMID_CHILD items[] = {item};
    return SUCCEEDED(folder->GetAttributesOf(1, items, attributes));
}
