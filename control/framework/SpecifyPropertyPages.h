#pragma once
// ISpecifyPropertyPages: the property pages the property map names, in map order.
#include <windows.h>
#include <ocidl.h>

#include <span>
#include <vector>

#include "PropertyMap.h"

namespace framework {

class SpecifyPropertyPages : public ISpecifyPropertyPages
{
public:
    STDMETHOD(GetPages)(CAUUID* pages) override
    {
        if (!pages)
            return E_POINTER;
        std::vector<CLSID> found = Pages();
        pages->cElems = 0;
        pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * (found.empty() ? 1 : found.size())));
        if (!pages->pElems)
            return E_OUTOFMEMORY;
        for (const CLSID& page : found)
            pages->pElems[pages->cElems++] = page;
        return S_OK;
    }

    // Each page once, in the order the map names them.
    std::vector<CLSID> Pages()
    {
        std::vector<CLSID> pages;
        for (const PropertyMapEntry& entry : PropertyMap())
        {
            if (!entry.page || *entry.page == GUID_NULL)
                continue;
            bool known = false;
            for (const CLSID& page : pages)
                known = known || page == *entry.page;
            if (!known)
                pages.push_back(*entry.page);
        }
        return pages;
    }

protected:
    SpecifyPropertyPages() = default;
    virtual ~SpecifyPropertyPages() = default;
    virtual std::span<const PropertyMapEntry> PropertyMap() = 0;
};

}  // namespace framework
