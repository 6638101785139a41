#include "DisplayName.h"

#include <shlwapi.h>

#include <cstring>
#include <cwchar>

namespace {

// text into buffer, cut to size bytes with the terminator.
void CopyCut(const char* text, size_t length, char* buffer, UINT size)
{
    const size_t kept = length < size - 1 ? length : size - 1;
    std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
}

bool WideToText(const wchar_t* wide, char* buffer, UINT size)
{
    if (!wide)
        return false;
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return false;
    std::string text(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), needed, nullptr, nullptr);
    CopyCut(text.c_str(), static_cast<size_t>(needed - 1), buffer, size);
    return true;
}

}  // namespace

bool StrRetToText(STRRET* record, char* buffer, UINT size, LPCITEMIDLIST item)
{
    if (!record || !buffer || size == 0)
        return false;
    switch (record->uType)
    {
    case STRRET_WSTR:
    {
        const bool converted = WideToText(record->pOleStr, buffer, size);
        CoTaskMemFree(record->pOleStr);
        record->pOleStr = nullptr;
        return converted;
    }
    case STRRET_OFFSET:
    {
        if (!item)
            return false;
        const char* text = reinterpret_cast<const char*>(item) + record->uOffset;
        CopyCut(text, std::strlen(text), buffer, size);
        return true;
    }
    case STRRET_CSTR:
        CopyCut(record->cStr, strnlen(record->cStr, sizeof record->cStr), buffer, size);
        return true;
    default:
        return false;
    }
}

bool GetDisplayNameText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, char* buffer, UINT size)
{
    if (!folder || !item)
        return false;
    STRRET record = {};
    if (FAILED(folder->GetDisplayNameOf(item, flags, &record)))
        return false;
    return StrRetToText(&record, buffer, size, item);
}

bool GetDisplayNameWide(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags, std::wstring& name)
{
    if (!folder || !item)
        return false;
    STRRET record = {};
    LPWSTR text = nullptr;
    // StrRetToStrW frees the record's own wide text.
    if (FAILED(folder->GetDisplayNameOf(item, flags, &record)) || FAILED(StrRetToStrW(&record, item, &text)))
        return false;
    name = text;
    CoTaskMemFree(text);
    return true;
}

const wchar_t* GetFileNamePart(const wchar_t* text)
{
    if (!text)
        return nullptr;
    const wchar_t* backslash = std::wcsrchr(text, L'\\');
    return backslash ? backslash + 1 : text;
}
