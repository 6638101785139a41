#include "CFolderFlagsDialog.h"

#include <commctrl.h>

#include "SORVANE.h"
#include "framework/Held.h"

const FolderFlagEntry FolderFlagTable[] = {
    {0x1, L"Automatically arrange the elements in the view", L"AutoArrange"},
    {0x20, L"Make the folder behave like the desktop", L"DesktopStyle"},
    {0x40, L"Do not allow more than a single item to be selected", L"SingleSel"},
    {0x80, L"Do not show subfolders", L"NoSubFolders"},
    {0x100, L"Draw transparently, This is used only for the desktop", L"Transparent"},
    {0x200, L"Do not add the WS_EX_CLIENTEDGE value to the view", L"NoClientEdge"},
    {0x400, L"Do not add scroll bars. This is used only for the desktop", L"NoScroll"},
    {0x800, L"The view should be left-aligned", L"AlignLeft"},
    {0x1000, L"The view should not display icons", L"NoIcons"},
    {0, nullptr, nullptr},
};

namespace {

constexpr int nameColumnWidth = 128;
constexpr UINT unchecked = 1;
constexpr UINT checked = 2;

UINT StateImage(HWND list, int row)
{
    return (ListView_GetItemState(list, row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12;
}

LONG RowFlag(HWND list, int row)
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(list, &item);
    return static_cast<LONG>(item.lParam);
}

}  // namespace

std::span<const framework::InterfaceEntry> CFolderFlagsDialog::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CFolderFlagsDialog, IPropertyPage>(IID_IPropertyPage),
    };
    return table;
}

CFolderFlagsDialog::CFolderFlagsDialog()
    : PropertyPage({IDD_FOLDERFLAGSDIALOG, IDS_TITLEFolderFlagsDialog, IDS_HELPFILEFolderFlagsDialog,
                    IDS_DOCSTRINGFolderFlagsDialog})
{
}

HWND CFolderFlagsDialog::List() const
{
    return GetDlgItem(Window(), IDC_FOLDERFLAGSLIST);
}

LONG CFolderFlagsDialog::FirstControlFlags() const
{
    LONG flags = 0;
    if (Objects().empty())
        return flags;
    framework::Held<ISorvane> control;
    if (SUCCEEDED(Objects().front()->QueryInterface(IID_ISorvane, control.outVoid())))
        control->get_ViewFolderFlags(&flags);
    return flags;
}

INT_PTR CFolderFlagsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM, bool& handled)
{
    handled = false;
    if (message == WM_INITDIALOG)
    {
        OnInitDialog();
        handled = true;
        return 0;
    }
    if (message == WM_TIMER)
    {
        if (wParam == dirtyCheckTimer)
            OnTimer();
        handled = true;
        return 0;
    }
    return 0;
}

void CFolderFlagsDialog::OnInitDialog()
{
    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    const LONG flags = FirstControlFlags();

    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPWSTR>(L"Flag Name");
    column.cx = nameColumnWidth;
    ListView_InsertColumn(list, 0, &column);
    column.pszText = const_cast<LPWSTR>(L"Description");
    column.cx = 0;
    ListView_InsertColumn(list, 1, &column);

    for (int row = 0; FolderFlagTable[row].value && FolderFlagTable[row].name && FolderFlagTable[row].description;
         ++row)
    {
        const FolderFlagEntry& entry = FolderFlagTable[row];
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(entry.name);
        item.lParam = entry.value;
        const int inserted = ListView_InsertItem(list, &item);
        ListView_SetItemText(list, inserted, 1, const_cast<LPWSTR>(entry.description));
        ListView_SetItemState(list, inserted, INDEXTOSTATEIMAGEMASK((flags & entry.value) ? checked : unchecked),
                              LVIS_STATEIMAGEMASK);
    }

    RECT client;
    GetClientRect(list, &client);
    ListView_SetColumnWidth(list, 1, client.right - client.left - nameColumnWidth);
    SetTimer(Window(), dirtyCheckTimer, 16, nullptr);
}

void CFolderFlagsDialog::OnTimer()
{
    if (Objects().empty())
        return;
    const LONG flags = FirstControlFlags();
    HWND list = List();
    const int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row)
    {
        const bool clearInControl = (flags & RowFlag(list, row)) == 0;
        const bool uncheckedRow = StateImage(list, row) == unchecked;
        if (clearInControl != uncheckedRow)
            SetDirty(true);
    }
}

STDMETHODIMP CFolderFlagsDialog::Apply()
{
    HWND list = List();
    const int rows = list ? ListView_GetItemCount(list) : 0;
    for (const framework::Held<IUnknown>& object : Objects())
    {
        framework::Held<ISorvane> control;
        if (FAILED(object->QueryInterface(IID_ISorvane, control.outVoid())))
            continue;
        for (int row = 0; row < rows; ++row)
        {
            const auto flag = static_cast<FolderFlagsEnum>(RowFlag(list, row));
            if (StateImage(list, row) == unchecked)
                control->ModifyFolderFlags(NoFlag, flag);
            else
                control->ModifyFolderFlags(flag, NoFlag);
        }
    }
    SetDirty(false);
    return S_OK;
}
