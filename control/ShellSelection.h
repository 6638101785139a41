#pragma once
// The shell view's selection as a folder.
#include <windows.h>
#include <shlobj.h>

// The selected item opened as a folder; *folder is cleared first.
HRESULT BindSelectedFolder(IShellView* view, IShellFolder** folder);
