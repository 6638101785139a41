#pragma once
// Display names of shell items as ANSI texts, and as wide texts where the ANSI code page
// would lose characters.
#include <windows.h>
#include <shlobj.h>

#include <string>

// The record's text (wide texts in the ANSI code page) into buffer, cut to size bytes
// with its terminator; item is the list the record belongs to (for STRRET_OFFSET).
// False for an unknown record type or no buffer. A wide text is freed here.
bool StrRetToText(STRRET* record, char* buffer, UINT size, LPCITEMIDLIST item);
// The folder's GetDisplayNameOf (SHGDN_ flags) of a relative item, as text.
bool GetDisplayNameText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, char* buffer, UINT size);
// The same name as a wide text, whole.
bool GetDisplayNameWide(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, std::wstring& name);
// The characters after the last backslash; the whole text when it has none.
const wchar_t* GetFileNamePart(const wchar_t* text);
