#include "CFolderFlagsDialog.h"

std::span<const framework::InterfaceEntry> CFolderFlagsDialog::Interfaces()
{
    static constexpr framework::InterfaceEntry table[] = {
        framework::Interface<CFolderFlagsDialog, IUnknown>(IID_IUnknown),
    };
    return table;
}
