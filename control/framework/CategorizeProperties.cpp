#include "CategorizeProperties.h"

#include <oleauto.h>

const IID IID_ICategorizeProperties = {0x4D07FC10, 0xF931, 0x11CE, {0xB0, 0x01, 0x00, 0xAA, 0x00, 0x68, 0x84, 0xE5}};

namespace framework {

namespace {

BSTR BstrOfAnsi(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR converted = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (converted && length)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted, length);
    return converted;
}

}  // namespace

STDMETHODIMP ICategorizePropertiesImpl::MapPropertyToCategory(DISPID dispid, PROPCAT* category)
{
    if (!category)
        return E_POINTER;
    const auto found = categoryOf_.find(dispid);
    if (found == categoryOf_.end())
        return E_FAIL;
    *category = found->second;
    return S_OK;
}

STDMETHODIMP ICategorizePropertiesImpl::GetCategoryName(PROPCAT category, LCID, BSTR* name)
{
    if (!name)
        return E_POINTER;
    *name = nullptr;
    if (const std::string* text = categories_.NameOf(category))
        *name = BstrOfAnsi(*text);
    return S_OK;
}

void ICategorizePropertiesImpl::Categorize(DISPID dispid, const std::string& category)
{
    categoryOf_[dispid] = categories_.IdOf(category);
}

}  // namespace framework
