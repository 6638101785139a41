#include "ViewHook.h"

#include <commctrl.h>

#include "SorvaneMessages.h"

namespace {

SRWLOCK hookLock = SRWLOCK_INIT;
HHOOK hook = nullptr;
LONG hookUses = 0;

// The view's list, a child of the view window, has the identifier 1.
constexpr UINT_PTR viewListId = 1;

LRESULT CALLBACK ViewHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
    if (code < 0)
        return result;
    const auto* record = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (!record || record->message != WM_NOTIFY || !record->lParam)
        return result;
    const auto* header = reinterpret_cast<const NMHDR*>(record->lParam);
    if (header->idFrom != viewListId)
        return result;
    // The notification goes to the view window; its parent is the control window.
    HWND control = GetParent(record->hwnd);
    switch (header->code)
    {
    case LVN_KEYDOWN:
    {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
        PostMessageW(control, WM_KEYDOWN, key, 0);
        if (key == VK_BACK)
            PostMessageW(control, WM_UPONELEVEL, 0, 0);
        break;
    }
    case NM_DBLCLK:
        PostMessageW(control, WM_DBLCLICK, 0, 0);
        break;
    case NM_CLICK:
        PostMessageW(control, WM_CLICK, 0, 0);
        break;
    default:
        break;
    }
    return result;
}

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ViewHookProc), &module);
    return module;
}

}  // namespace

void AcquireViewHook(DWORD thread)
{
    AcquireSRWLockExclusive(&hookLock);
    ++hookUses;
    if (!hook)
        hook = SetWindowsHookExW(WH_CALLWNDPROC, ViewHookProc, ThisModule(), thread);
    ReleaseSRWLockExclusive(&hookLock);
}

void ReleaseViewHook()
{
    AcquireSRWLockExclusive(&hookLock);
    if (hookUses > 0 && --hookUses == 0 && hook)
    {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    ReleaseSRWLockExclusive(&hookLock);
}

bool ViewHookInstalled()
{
    AcquireSRWLockShared(&hookLock);
    const bool installed = hook != nullptr;
    ReleaseSRWLockShared(&hookLock);
    return installed;
}
