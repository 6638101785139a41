#include "AnsiText.h"

#include <vector>

BSTR AnsiToBSTR(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return SysAllocString(L"");
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return SysAllocString(wide.data());
}

std::string BSTRToAnsi(BSTR text)
{
    if (!text)
        return {};
    const int wideLength = static_cast<int>(SysStringLen(text));
    const int length = WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}
