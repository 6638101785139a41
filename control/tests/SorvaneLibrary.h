#pragma once
// SORVANE.OCX loaded into the test program, with its four entry points.
#include <windows.h>

#include <string>

struct SorvaneLibrary
{
    SorvaneLibrary();
    ~SorvaneLibrary();
    SorvaneLibrary(const SorvaneLibrary&) = delete;
    SorvaneLibrary& operator=(const SorvaneLibrary&) = delete;

    // Full path of the OCX beside the test program.
    static std::wstring Path();

    HMODULE module = nullptr;
    HRESULT(STDAPICALLTYPE* DllCanUnloadNow)() = nullptr;
    HRESULT(STDAPICALLTYPE* DllGetClassObject)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* DllRegisterServer)() = nullptr;
    HRESULT(STDAPICALLTYPE* DllUnregisterServer)() = nullptr;
};

// Objects made in the test program itself (from the control's code) read their type
// information and texts from the loaded OCX, as they would inside it.
void UseResourcesOf(const SorvaneLibrary& library);

// COM initialised on the test's thread (single-threaded apartment) for the fixture's life.
struct ComApartment
{
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
};

// Text form "{XXXXXXXX-...}" of a GUID.
std::wstring GuidText(REFGUID guid);
