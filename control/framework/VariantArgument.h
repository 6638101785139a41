#pragma once
// Checks of the VARIANT arguments that automation clients pass.
#include <windows.h>
#include <oaidl.h>

namespace framework {

// True when the argument is by reference and refers to nothing: its own pointer is null, or
// it refers to a VARIANT that is by reference with a null pointer. Reading either through
// (VariantCopyInd, VariantChangeType) would dereference the null pointer.
bool IsNullReference(const VARIANT& argument);

}  // namespace framework
