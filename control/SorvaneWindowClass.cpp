#include "SorvaneWindowClass.h"

namespace {

ATOM atom = 0;

}  // namespace

ATOM RegisterSorvaneWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    if (atom)
        return atom;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = L"Sorvane";
    atom = RegisterClassExW(&windowClass);
    return atom;
}

void UnregisterSorvaneWindowClass(HINSTANCE instance)
{
    if (atom && UnregisterClassW(MAKEINTATOM(atom), instance))
        atom = 0;
}
