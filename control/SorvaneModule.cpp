// The entry points of SORVANE.OCX and its object map.
#include <windows.h>
#include <commctrl.h>
#include <olectl.h>

#include "CFolderFlagsDialog.h"
#include "CSorvane.h"
#include "CXeltFolder.h"
#include "CXeltObject.h"
#include "CXeltObjects.h"
#include "SORVANE.h"
#include "SorvaneMessages.h"
#include "SorvaneWindowClass.h"
#include "framework/ObjectMap.h"

namespace {

// The order is the order of registration and of class-object lookup.
framework::ObjectMapEntry objectMap[] = {
    framework::ObjectEntry<CSorvane>(CLSID_Sorvane),
    framework::ObjectEntry<CXeltFolder>(CLSID_XeltFolder),
    framework::ObjectEntry<CXeltObject>(CLSID_XeltObject),
    framework::ObjectEntry<CFolderFlagsDialog>(CLSID_FolderFlags),
    framework::ObjectEntry<CXeltObjects>(CLSID_XeltObjects),
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        InitCommonControls();
        framework::Module::Instance().Init(objectMap, instance, LIBID_SORVANELib);
        RegisterSorvaneMessages();
        DisableThreadLibraryCalls(instance);
    }
    else if (reason == DLL_PROCESS_DETACH)
    {
        framework::Module::Instance().Term();
        UnregisterSorvaneWindowClass(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return framework::Module::Instance().LockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out)
{
    return framework::Module::Instance().GetClassObject(clsid, iid, out);
}

STDAPI DllRegisterServer()
{
    return framework::Module::Instance().RegisterServer();
}

STDAPI DllUnregisterServer()
{
    return framework::Module::Instance().UnregisterServer();
}
