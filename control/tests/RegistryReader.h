#pragma once
// Reads keys and values of HKEY_CLASSES_ROOT back for the registration tests.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

bool KeyExists(const std::wstring& path);
// The text value (default value when name is null); nothing when the key or value is missing.
std::optional<std::wstring> TextValue(const std::wstring& path, const wchar_t* name = nullptr);
// Every key below path (path included) with its values, as "name=value" lines.
std::map<std::wstring, std::wstring> Snapshot(const std::wstring& path);
