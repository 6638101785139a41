#pragma once
// What the tests of the automation objects share: COM, the OCX's resources, a temporary
// folder tree, and calls by name the way a script makes them.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "ShellFixture.h"
#include "SorvaneLibrary.h"

class AutomationTest : public ::testing::Test
{
protected:
    AutomationTest() { UseResourcesOf(library); }

    ComApartment apartment;
    SorvaneLibrary library;
    TempFolderTree tree;
};

// A VARIANT cleared at the end of its scope.
struct Variant
{
    Variant() { VariantInit(&value); }
    ~Variant() { VariantClear(&value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT value;
};

// Looks the member up by name and invokes it with the arguments (given in call order).
HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD kind, std::vector<VARIANT> arguments,
                     VARIANT* result);
// A BSTR's text ("" for null), and the text freed.
std::wstring TakeText(BSTR text);
