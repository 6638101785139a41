#pragma once
// Builds an object-map entry for a COM class T, which names its registry script resource
// in T::registryScript.
#include "ComObject.h"
#include "Module.h"
#include "Registrar.h"

namespace framework {

template <class T>
ObjectMapEntry ObjectEntry(const CLSID& clsid)
{
    return {&clsid,
            [](bool registering) { return RunRegistryResource(T::registryScript, registering); },
            &CreateInstance<T>,
            {}};
}

}  // namespace framework
