#pragma once
// The shell view's selection as a folder or as an item object.
#include <windows.h>
#include <shlobj.h>

#include "SORVANE.h"

// The selected item opened as a folder; *folder is cleared first.
HRESULT BindSelectedFolder(IShellView* view, IShellFolder** folder);
// A new item object (one reference) for the selection: its parent folder and last item.
HRESULT CreateSelectionObject(IShellView* view, IXeltObject** object);
