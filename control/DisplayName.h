#pragma once
// Display names of shell items as ANSI texts.
#include <windows.h>
#include <shlobj.h>

// The record's text (wide texts in the ANSI code page) into buffer, cut to size bytes
// with its terminator; item is the list the record belongs to (for STRRET_OFFSET).
// False for an unknown record type or no buffer. A wide text is freed here.
bool StrRetToText(STRRET* record, char* buffer, UINT size, LPCITEMIDLIST item);
// The folder's GetDisplayNameOf (SHGDN_ flags) of a relative item, as text.
bool GetDisplayNameText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, char* buffer, UINT size);
// The characters after the last backslash; the whole text when it has none.
const char* GetFileNamePart(const char* text);
