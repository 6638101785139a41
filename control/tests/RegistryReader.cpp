#include "RegistryReader.h"

#include <vector>

bool KeyExists(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::wstring> TextValue(const std::wstring& path, const wchar_t* name)
{
    wchar_t buffer[2048];
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(buffer);
}

namespace {

void Collect(HKEY key, const std::wstring& path, std::map<std::wstring, std::wstring>& snapshot)
{
    std::wstring values;
    for (DWORD index = 0;; ++index)
    {
        wchar_t name[256];
        DWORD nameLength = 256;
        BYTE data[2048];
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        values += std::wstring(name) + L"=" +
                  std::wstring(reinterpret_cast<wchar_t*>(data), dataSize / sizeof(wchar_t)) + L"\n";
    }
    snapshot[path] = values;
    for (DWORD index = 0;; ++index)
    {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS)
        {
            Collect(child, path + L"\\" + name, snapshot);
            RegCloseKey(child);
        }
    }
}

}  // namespace

std::map<std::wstring, std::wstring> Snapshot(const std::wstring& path)
{
    std::map<std::wstring, std::wstring> snapshot;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return snapshot;
    Collect(key, path, snapshot);
    RegCloseKey(key);
    return snapshot;
}
