#pragma once
// The FolderFlags property page.
#include <span>

#include "framework/ComObject.h"
#include "resource.h"

class CFolderFlagsDialog : public framework::ComClass<CFolderFlagsDialog>, public IUnknown
{
public:
    static constexpr UINT registryScript = IDR_FOLDERFLAGSDIALOG;
    static std::span<const framework::InterfaceEntry> Interfaces();
};
