#include "VariantArgument.h"

namespace framework {

bool IsNullReference(const VARIANT& argument)
{
    if (!(V_VT(&argument) & VT_BYREF))
        return false;
    if (!V_BYREF(&argument))
        return true;
    // One level is enough: VariantCopyInd refuses a VARIANT reference inside another one.
    const VARIANT* referred = V_VARIANTREF(&argument);
    return V_VT(&argument) == (VT_BYREF | VT_VARIANT) && (V_VT(referred) & VT_BYREF) && !V_BYREF(referred);
}

}  // namespace framework
