#pragma once
// Runs registry scripts against HKEY_CLASSES_ROOT.
//
// A script names keys under the root HKCR, each optionally marked ForceRemove (deleted
// with its subkeys before it is written) or NoRemove (kept when unregistering), with an
// optional default value, named values ("val Name = s 'text'") and subkeys in braces:
//
//     HKCR
//     {
//         NoRemove CLSID
//         {
//             ForceRemove '{00000000-0000-0000-0000-000000000000}' = s 'Display name'
//             {
//                 InprocServer32 = s '%MODULE%' { val ThreadingModel = s 'Apartment' }
//             }
//         }
//     }
//
// Names are bare words or quoted with apostrophes ('' stands for one apostrophe);
// values are strings ("s"). %MODULE% in a value is the full path of the module file.
#include <windows.h>

#include <string>

namespace framework {

// Writes (registering) or deletes the keys of the script text.
HRESULT RunRegistryScript(const std::string& script, const std::wstring& modulePath, bool registering);

// The script stored as resource "REGISTRY" number resourceId of the module.
HRESULT RunRegistryResource(UINT resourceId, bool registering);

}  // namespace framework
