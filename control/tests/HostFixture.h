#pragma once
// A stand-in control for the view host: a real window for the view, the control's
// settings, and a record of the events the host fires.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <vector>

#include "CSorvaneBrowser.h"
#include "ShellFixture.h"
#include "SorvaneBrowserOwner.h"
#include "SorvaneLibrary.h"

class TestControl final : public SorvaneBrowserOwner
{
public:
    TestControl();
    ~TestControl();
    TestControl(const TestControl&) = delete;
    TestControl& operator=(const TestControl&) = delete;

    HWND OwnerWindow() override { return window; }
    FOLDERSETTINGS NewViewSettings() override { return settings; }
    BSTR StoredFilePattern() override { return pattern; }
    IXeltFolder* GetCurrentFolder() override { return currentFolder.get(); }
    void Fire_ObjectSelect(IXeltObject* newObject) override;
    void Fire_StateChange(StatesEnum newState) override { states.push_back(newState); }
    void Fire_IncludeObject(IDispatch* anObject, VARIANT_BOOL* pbInclude) override;

    void SetPattern(const wchar_t* text);
    // The file-system path of the current-folder object ("" when it has none).
    std::wstring CurrentPath() const;

    HWND window = nullptr;
    FOLDERSETTINGS settings = {FVM_DETAILS, FWF_SINGLESEL};
    BSTR pattern = nullptr;
    Held<IXeltFolder> currentFolder;

    std::vector<std::wstring> selectedObjects;  // names given to ObjectSelect
    std::vector<StatesEnum> states;
    std::vector<std::wstring> askedToInclude;  // names given to IncludeObject
    // The container's IncludeObject handler: what it sets the flag to, or leaves alone.
    std::function<void(const std::wstring& name, VARIANT_BOOL* include)> includeHandler;
};

// A message the host posted to the control window.
struct Posted
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class HostTest : public ::testing::Test
{
protected:
    HostTest();
    ~HostTest() override;

    // A new view host owned by the control.
    Held<CSorvaneBrowser> NewBrowser(SorvaneBrowserOwner& owner);
    bool BrowseToPath(const std::wstring& path, bool keep = true);
    // The names the view's list shows, in its order.
    std::vector<std::wstring> ShownNames();
    HWND ViewList();
    bool Select(const std::wstring& name);
    // Removes the host's posted messages from the control window's queue.
    std::vector<Posted> TakePosted();

    ComApartment apartment;
    SorvaneLibrary library;
    TempFolderTree tree;
    TestControl control;
    Held<CSorvaneBrowser> browser;
};

// The names in order, to compare lists the view may order otherwise.
std::vector<std::wstring> Sorted(std::vector<std::wstring> names);
// The name of an item object, as its Name property gives it.
std::wstring NameOf(IXeltObject* object);
// The folder's own path ("" when it has none).
std::wstring PathOfFolder(IShellFolder* folder);
