// The window class "Sorvane" of the control window.
#include <gtest/gtest.h>

#include <windows.h>

#include "SorvaneWindowClass.h"

namespace {

TEST(WindowClass, IsRegisteredOnceWithTheControlWindowsAttributes)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const ATOM atom = RegisterSorvaneWindowClass(instance, DefWindowProcW);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(RegisterSorvaneWindowClass(instance, DefWindowProcW), atom);

    WNDCLASSEXW found = {};
    found.cbSize = sizeof found;
    ASSERT_TRUE(GetClassInfoExW(instance, L"Sorvane", &found));
    EXPECT_EQ(found.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(found.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
    EXPECT_EQ(found.hCursor, LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(found.hIcon, nullptr);
    EXPECT_EQ(found.lpszMenuName, nullptr);
    EXPECT_EQ(found.cbClsExtra, 0);
    EXPECT_EQ(found.cbWndExtra, 0);
}

}  // namespace
