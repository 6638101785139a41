// The paint pump repaints the thread's windows and leaves every other message queued.
#include <gtest/gtest.h>

#include <windows.h>

#include "PaintPump.h"

namespace {

int paints = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        ++paints;
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(PaintPump, PaintsWaitingWindowsAndTakesNoOtherMessage)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CountingProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PaintPumpTest";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    HWND window = CreateWindowExW(0, L"PaintPumpTest", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    const UINT other = WM_APP + 7;
    PostMessageW(window, other, 0, 0);
    InvalidateRect(window, nullptr, TRUE);

    paints = 0;
    PumpPaintMessages();
    EXPECT_GE(paints, 1);
    MSG waiting;
    EXPECT_FALSE(PeekMessageW(&waiting, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    EXPECT_TRUE(PeekMessageW(&waiting, window, other, other, PM_REMOVE));

    DestroyWindow(window);
    UnregisterClassW(L"PaintPumpTest", windowClass.hInstance);
}

}  // namespace
