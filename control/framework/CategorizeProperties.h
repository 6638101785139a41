#pragma once
// ICategorizeProperties: the category of each property placed in one, from a table of
// categories.
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <string>

#include "Categories.h"

// ICategorizeProperties is not in the compiler's headers.
typedef int PROPCAT;
MIDL_INTERFACE("4D07FC10-F931-11CE-B001-00AA006884E5")
ICategorizeProperties : public IUnknown
{
public:
    virtual HRESULT STDMETHODCALLTYPE MapPropertyToCategory(DISPID dispid, PROPCAT * category) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCategoryName(PROPCAT category, LCID locale, BSTR * name) = 0;
};
extern const IID IID_ICategorizeProperties;

namespace framework {

class ICategorizePropertiesImpl : public ICategorizeProperties
{
public:
    STDMETHOD(MapPropertyToCategory)(DISPID dispid, PROPCAT* category) override;
    // The locale is not used; an unknown category gives S_OK and no name.
    STDMETHOD(GetCategoryName)(PROPCAT category, LCID locale, BSTR* name) override;

    // Places the property in the named category (added when new).
    void Categorize(DISPID dispid, const std::string& category);

protected:
    ICategorizePropertiesImpl() = default;
    virtual ~ICategorizePropertiesImpl() = default;

private:
    Categories categories_;
    std::map<DISPID, LONG> categoryOf_;
};

}  // namespace framework
