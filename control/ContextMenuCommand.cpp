#include "ContextMenuCommand.h"

#include "framework/Held.h"

namespace {

constexpr UINT firstCommand = 1;
constexpr UINT lastCommand = 0x7FFF;

// Position of the first top-level item whose text is verb (case ignored); -1 when none.
int FindMenuText(HMENU menu, const char* verb)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
    {
        char text[128] = {};
        if (GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION) > 0 &&
            lstrcmpiA(text, verb) == 0)
            return position;
    }
    return -1;
}

bool RunCommand(IContextMenu* contextMenu, HWND window, HMENU menu, const char* verb)
{
    if (FAILED(contextMenu->QueryContextMenu(menu, 0, firstCommand, lastCommand, CMF_EXPLORE)))
        return false;
    const int position = FindMenuText(menu, verb);
    if (position < 0)
        return false;
    const UINT id = GetMenuItemID(menu, position);
    if (id == static_cast<UINT>(-1) || id < firstCommand)  // a submenu or no command
        return false;
    CMINVOKECOMMANDINFO command = {};
    command.cbSize = sizeof command;
    command.hwnd = window;
    command.lpVerb = MAKEINTRESOURCEA(id - firstCommand);
    command.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(contextMenu->InvokeCommand(&command));
}

}  // namespace

bool InvokeVerbByText(HWND window, IShellFolder* folder, LPCITEMIDLIST item, const char* verb)
{
    if (!folder || !item || !verb)
        return false;
    framework::Held<IContextMenu> contextMenu;
    LPCITEMIDLIST items[] = {item};
    if (FAILED(folder->GetUIObjectOf(window, 1, items, IID_IContextMenu, nullptr, contextMenu.outVoid())) ||
        !contextMenu)
        return false;
    bool ran = false;
    if (HMENU menu = CreatePopupMenu())
    {
        ran = RunCommand(contextMenu.get(), window, menu, verb);
        DestroyMenu(menu);
    }
    return ran;
}
