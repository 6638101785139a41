#pragma once
// The absolute item ID list of a shell folder, as the folder's own data object tells it.
#include <windows.h>
#include <shlobj.h>

// The folder's own absolute list, new; null when the folder cannot tell it.
LPITEMIDLIST GetFolderIDList(IShellFolder* folder);
