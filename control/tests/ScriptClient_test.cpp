// The registered automation objects driven by scripts that Wine's own cscript runs: a real
// automation client that finds the classes by ProgID and calls every member by name.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "SorvaneLibrary.h"

namespace {

std::wstring TempFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"sorvane-script-" + std::to_wstring(GetCurrentProcessId());
}

// Runs cscript on the script file; what the script echoed.
std::string RunScript(const std::wstring& script)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        return "no pipe";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(system) + L"\\cscript.exe\" //nologo \"" + script + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started)
    {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
            output.append(buffer, read);
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    std::string lines;
    for (char c : output)
        if (c != '\r')
            lines += c;
    return started ? lines : "cscript did not start";
}

class ScriptClient : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(library.DllRegisterServer(), S_OK);
        CreateDirectoryW(folder.c_str(), nullptr);
        CreateDirectoryW((folder + L"\\Script Folder").c_str(), nullptr);
    }
    void TearDown() override
    {
        library.DllUnregisterServer();
        for (const wchar_t* file : {L"\\objects.vbs", L"\\folder.js"})
            DeleteFileW((folder + file).c_str());
        RemoveDirectoryW((folder + L"\\Script Folder").c_str());
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring Write(const wchar_t* name, const std::string& text)
    {
        const std::wstring path = folder + name;
        std::ofstream(path.c_str()) << text;
        return path;
    }

    ComApartment apartment;
    SorvaneLibrary library;
    std::wstring folder = TempFolder();
};

TEST_F(ScriptClient, VBScriptCreatesTheObjectsByProgIdAndReadsThemByName)
{
    const std::wstring script = Write(L"\\objects.vbs", R"(
Set f = CreateObject("Marrowin.XeltFolder")
WScript.Echo "Folder " & TypeName(f) & " [" & f.Path & "]"
Set objs = CreateObject("Sorvane.XeltObjects")
objs.Get
objs.Get 2
WScript.Echo "Objects " & objs.Count & " " & (objs.Item(0) Is Nothing) & " " & (objs(-1) Is Nothing)
Set o = CreateObject("Marrowin.XeltObject")
o.Command "&Open"
WScript.Echo "Object " & TypeName(o) & " [" & o.Name & "] " & o.Attributes & " " & o.Attributes(983040) & " " & o.Attribute(536870912)
)");
    EXPECT_EQ(RunScript(script), "Folder IXeltFolder []\n"
                                 "Objects 0 True True\n"
                                 "Object IXeltObject [] 0 0 False\n");
}

TEST_F(ScriptClient, JScriptOpensAFolderAndCatchesTheSpecialFolderError)
{
    // Wine's VBScript does not parse [_Open], the only way it could name the hidden member.
    std::string path;  // a JScript string literal of the folder's path
    for (wchar_t c : folder + L"\\Script Folder")
        path += c == L'\\' ? std::string("\\\\") : std::string(1, static_cast<char>(c));
    const std::wstring script = Write(L"\\folder.js", "var f = new ActiveXObject(\"Marrowin.XeltFolder\");\n"
                                                      "f._Open(\"" +
                                                          path + "\");\n" + R"(
WScript.Echo("Name " + f.Name);
try { f._Open(200); WScript.Echo("no error"); }
catch (e) { WScript.Echo("Error " + (e.number >>> 0).toString(16) + " " + e.description); }
)");
    EXPECT_EQ(RunScript(script), "Name Script Folder\n"
                                 "Error 80040200 The special folder contant not found.\n");
}

}  // namespace
