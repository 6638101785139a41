#include "Registrar.h"

#include <cctype>
#include <optional>
#include <utility>
#include <vector>

#include "Module.h"

namespace framework {
namespace {

enum class Removal
{
    Normal,
    Force,
    Never
};

struct ScriptKey
{
    std::wstring name;
    Removal removal = Removal::Normal;
    std::optional<std::wstring> value;
    std::vector<std::pair<std::wstring, std::wstring>> namedValues;
    std::vector<ScriptKey> subkeys;
};

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

class ScriptParser
{
public:
    ScriptParser(const std::string& text, const std::wstring& modulePath) : text_(text), modulePath_(modulePath) {}

    // The keys under the root, or nothing when the text is not a well-formed script.
    std::optional<std::vector<ScriptKey>> Parse()
    {
        std::vector<ScriptKey> keys;
        if (!Word(root_) || root_ != "HKCR" || !Expect('{') || !Keys(keys) || !Expect('}'))
            return std::nullopt;
        SkipSpace();
        if (position_ != text_.size())
            return std::nullopt;
        return keys;
    }

private:
    void SkipSpace()
    {
        while (position_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[position_])))
            ++position_;
    }

    bool Peek(char c)
    {
        SkipSpace();
        return position_ < text_.size() && text_[position_] == c;
    }

    bool Expect(char c)
    {
        if (!Peek(c))
            return false;
        ++position_;
        return true;
    }

    // A bare word or a quoted text.
    bool Word(std::string& word)
    {
        SkipSpace();
        word.clear();
        if (position_ >= text_.size())
            return false;
        if (text_[position_] == '\'')
        {
            ++position_;
            for (;;)
            {
                if (position_ >= text_.size())
                    return false;
                const char c = text_[position_++];
                if (c != '\'')
                    word += c;
                else if (position_ < text_.size() && text_[position_] == '\'')
                    word += text_[position_++];
                else
                    return true;
            }
        }
        while (position_ < text_.size())
        {
            const char c = text_[position_];
            if (std::isspace(static_cast<unsigned char>(c)) || c == '{' || c == '}' || c == '=' || c == '\'')
                break;
            word += c;
            ++position_;
        }
        return !word.empty();
    }

    bool Value(std::wstring& value)
    {
        std::string type;
        std::string text;
        if (!Expect('=') || !Word(type) || type != "s" || !Word(text))
            return false;
        value = Widen(text);
        const std::wstring marker = L"%MODULE%";
        for (size_t at = value.find(marker); at != std::wstring::npos; at = value.find(marker, at + modulePath_.size()))
            value.replace(at, marker.size(), modulePath_);
        return true;
    }

    bool Keys(std::vector<ScriptKey>& keys)
    {
        while (!Peek('}'))
        {
            ScriptKey key;
            if (!Key(key))
                return false;
            keys.push_back(std::move(key));
        }
        return true;
    }

    bool Key(ScriptKey& key)
    {
        std::string word;
        if (!Word(word))
            return false;
        if (word == "ForceRemove" || word == "NoRemove")
        {
            key.removal = word == "ForceRemove" ? Removal::Force : Removal::Never;
            if (!Word(word))
                return false;
        }
        key.name = Widen(word);
        if (Peek('='))
        {
            std::wstring value;
            if (!Value(value))
                return false;
            key.value = std::move(value);
        }
        if (!Expect('{'))
            return true;
        while (!Peek('}'))
        {
            const size_t start = position_;
            std::string first;
            if (!Word(first))
                return false;
            if (first == "val")
            {
                std::string name;
                std::wstring value;
                if (!Word(name) || !Value(value))
                    return false;
                key.namedValues.emplace_back(Widen(name), std::move(value));
                continue;
            }
            position_ = start;
            ScriptKey subkey;
            if (!Key(subkey))
                return false;
            key.subkeys.push_back(std::move(subkey));
        }
        return Expect('}');
    }

    const std::string& text_;
    const std::wstring& modulePath_;
    size_t position_ = 0;
    std::string root_;
};

HRESULT FromWin32(LSTATUS status)
{
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(status));
}

HRESULT SetText(HKEY key, const wchar_t* name, const std::wstring& text)
{
    return FromWin32(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
}

HRESULT DeleteTree(HKEY parent, const std::wstring& name)
{
    // Deletes the key itself with everything below it.
    const LSTATUS status = RegDeleteTreeW(parent, name.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromWin32(status);
}

HRESULT Write(HKEY parent, const ScriptKey& key)
{
    if (key.removal == Removal::Force)
    {
        const HRESULT removed = DeleteTree(parent, key.name);
        if (FAILED(removed))
            return removed;
    }
    HKEY handle = nullptr;
    HRESULT hr = FromWin32(RegCreateKeyExW(parent, key.name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_READ | KEY_WRITE, nullptr, &handle, nullptr));
    if (FAILED(hr))
        return hr;
    if (key.value)
        hr = SetText(handle, nullptr, *key.value);
    for (const auto& [name, text] : key.namedValues)
        if (SUCCEEDED(hr))
            hr = SetText(handle, name.c_str(), text);
    for (const ScriptKey& subkey : key.subkeys)
        if (SUCCEEDED(hr))
            hr = Write(handle, subkey);
    RegCloseKey(handle);
    return hr;
}

HRESULT Remove(HKEY parent, const ScriptKey& key)
{
    if (key.removal != Removal::Never)
        return DeleteTree(parent, key.name);
    HKEY handle = nullptr;
    const LSTATUS status = RegOpenKeyExW(parent, key.name.c_str(), 0, KEY_READ | KEY_WRITE, &handle);
    if (status == ERROR_FILE_NOT_FOUND)
        return S_OK;
    HRESULT hr = FromWin32(status);
    for (const ScriptKey& subkey : key.subkeys)
        if (SUCCEEDED(hr))
            hr = Remove(handle, subkey);
    if (handle)
        RegCloseKey(handle);
    return hr;
}

}  // namespace

HRESULT RunRegistryScript(const std::string& script, const std::wstring& modulePath, bool registering)
{
    ScriptParser parser(script, modulePath);
    const std::optional<std::vector<ScriptKey>> keys = parser.Parse();
    if (!keys)
        return HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
    for (const ScriptKey& key : *keys)
    {
        const HRESULT hr = registering ? Write(HKEY_CLASSES_ROOT, key) : Remove(HKEY_CLASSES_ROOT, key);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT RunRegistryResource(UINT resourceId, bool registering)
{
    const HINSTANCE instance = Module::Instance().ResourceInstance();
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), L"REGISTRY");
    if (!resource)
        return HRESULT_FROM_WIN32(GetLastError());
    HGLOBAL loaded = LoadResource(instance, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return HRESULT_FROM_WIN32(GetLastError());
    const std::string script(static_cast<const char*>(data), SizeofResource(instance, resource));
    return RunRegistryScript(script, Module::Instance().FileName(), registering);
}

}  // namespace framework
